#include "records/recordlocation.h"

#include <QSysInfo>

#include "radio/recordfile.h"
#include "records/databaserecord.h"

std::unique_ptr<RecordStore> openRecord(const QString &location)
{
    if (DatabaseRecord::isDatabaseLocation(location))
        return std::make_unique<DatabaseRecord>(location);
    return std::make_unique<RecordFile>(location);
}

QString defaultStation()
{
    return QSysInfo::machineHostName();
}

QString defaultOperator()
{
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? qEnvironmentVariable("USERNAME") : user;
}
