#include "advert/cachedir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void clearCacheDirectory(QString path)
{
    QDir dir(path);
    if (!dir.exists() || dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        return;
    const QFileInfoList entries = dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    for (const QFileInfo &entry : entries) {
        // Links are removed as files, never followed into.
        if (QFile::remove(entry.absoluteFilePath()))
            continue;
        QDir(entry.absoluteFilePath()).removeRecursively();
    }
}
