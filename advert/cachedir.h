#pragma once
#include <QString>

// Removes everything inside the folder `path` and keeps the folder itself.
void clearCacheDirectory(QString path);
