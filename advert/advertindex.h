#pragma once
#include <QStringList>

// One picture address per line: a line contributes the text from its last
// "https://" up to the line feed (a carriage return right before the line feed
// is dropped). Lines without "https://" and a last line without a line feed
// contribute nothing. Entries come back in file order.
QStringList parseAdvertIndex(const QString &text);
