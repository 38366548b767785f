#include "records/recordlocation.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QSysInfo>

#include "records/databaserecord.h"
#include "records/recordfile.h"

RecordKind recordKind(const QString &location)
{
    if (location.isEmpty())
        return RecordKind::None;
    if (location.startsWith(QLatin1String("postgresql://")) || location.startsWith(QLatin1String("postgres://")))
        return RecordKind::Postgres;
    if (location.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        return RecordKind::Csv;
    return RecordKind::Sqlite;
}

std::unique_ptr<RecordStore> openRecord(const QString &location)
{
    if (isDatabaseRecord(location))
        return std::make_unique<DatabaseRecord>(location);
    return std::make_unique<RecordFile>(location);
}

QString recordShownName(const QString &location)
{
    switch (recordKind(location)) {
    case RecordKind::None: return QString();
    case RecordKind::Postgres: return DatabaseRecord(location).name();
    case RecordKind::Csv:
    case RecordKind::Sqlite: break;
    }
    return QFileInfo(location).fileName();
}

QString defaultStation()
{
    return QSysInfo::machineHostName();
}

QString defaultOperator()
{
    for (const char *variable : { "USER", "LOGNAME", "USERNAME" }) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    // A service or a bare shell without them: the account that owns what
    // this program makes (a home folder's name may be anyone's, or none).
    QTemporaryFile probe(QDir::temp().filePath(QStringLiteral("kvx-operator-XXXXXX")));
    if (probe.open()) {
        const QString owner = QFileInfo(probe.fileName()).owner();
        if (!owner.isEmpty())
            return owner;
    }
    return QString();
}
