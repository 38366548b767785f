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

namespace {

// Written into a cache folder the program makes.
const QLatin1String CacheMark("/.kvx-config-cache");

bool markCacheDirectory(const QString &path)
{
    QFile mark(path + CacheMark);
    if (!mark.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    mark.write("Made by KVX Config as its download cache: emptied when the program ends.\n");
    return mark.flush();
}

} // namespace

bool makeCacheDirectory(const QString &path)
{
    if (QFileInfo::exists(path) || !QDir().mkdir(path))
        return false;
    return markCacheDirectory(path);
}

bool isOwnCacheDirectory(const QString &path)
{
    const QFileInfo mark(path + CacheMark);
    return mark.isFile() && !mark.isSymLink() && QFileInfo(path).isDir();
}

void clearOwnCacheDirectory(const QString &path)
{
    if (!isOwnCacheDirectory(path))
        return;
    clearCacheDirectory(path);
    markCacheDirectory(path);
}
