#pragma once
#include <QString>

// Removes everything inside the folder `path` and keeps the folder itself.
void clearCacheDirectory(QString path);

// Creates the folder `path` as the program's cache, marked as made by it
// (a folder of that name that was there already is someone else's).
bool makeCacheDirectory(const QString &path);
// The folder `path` is a cache the program made.
bool isOwnCacheDirectory(const QString &path);
// Empties the folder `path` only when the program made it as its cache; it
// stays marked as such.
void clearOwnCacheDirectory(const QString &path);
