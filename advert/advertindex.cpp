#include "advert/advertindex.h"

QStringList parseAdvertIndex(const QString &text)
{
    static const QString scheme = QStringLiteral("https://");
    QStringList entries;
    qsizetype start = 0;
    bool inEntry = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (QStringView(text).mid(i).startsWith(scheme)) {
            start = i;
            inEntry = true;
        }
        if (text.at(i) == QLatin1Char('\n') && inEntry) {
            qsizetype end = i;
            if (end > start && text.at(end - 1) == QLatin1Char('\r'))
                --end;
            entries.append(text.mid(start, end - start));
            inEntry = false;
        }
    }
    return entries;
}
