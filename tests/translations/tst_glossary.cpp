// The catalogues against the glossary: a term said two ways (空中速率 in one
// message, 无线链路速率 in another) is found, with the message that strays.

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message {
    QString context;
    QString source;
    QStringList translations;   // every numerus form
};

QList<Message> catalogue(const QString &name)
{
    QFile file(QStringLiteral(KVX_TRANSLATIONS_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.append({ context, {}, {} });
        } else if (xml.name() == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            // A translation not yet made is the source's, not a second word.
            const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!unfinished)
                messages.last().translations << text;
        } else if (xml.name() == QLatin1String("numerusform")) {
            messages.last().translations << xml.readElementText();
        }
    }
    return messages;
}

QList<QPair<QString, QString>> glossary()
{
    QFile file(QStringLiteral(KVX_TRANSLATIONS_DIR "/glossary.txt"));
    QList<QPair<QString, QString>> terms;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return terms;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            terms.append({ line.section(QLatin1Char('\t'), 0, 0), line.section(QLatin1Char('\t'), 1) });
    }
    return terms;
}

// The term as a word of the text (or its plural), not part of an option,
// a key or another word.
QRegularExpression wordOf(const QString &term)
{
    return QRegularExpression(QStringLiteral("(?<![-_=\\w])%1s?(?![-_=\\w])").arg(QRegularExpression::escape(term)),
                              QRegularExpression::CaseInsensitiveOption);
}

} // namespace

class TestGlossary : public QObject
{
    Q_OBJECT

private slots:
    void eachTermOneWord_data()
    {
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        for (const auto &[english, chinese] : glossary())
            QTest::newRow(qPrintable(english)) << english << chinese;
    }
    void eachTermOneWord()
    {
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        const QRegularExpression word = wordOf(english);
        QStringList strays;
        for (const Message &m : catalogue(QStringLiteral("chinese.ts"))) {
            const QRegularExpressionMatch named = word.match(m.source);
            if (!named.hasMatch())
                continue;
            for (const QString &text : m.translations) {
                if (!text.contains(chinese) && !text.contains(named.captured(0)))
                    strays << QStringLiteral("%1: \"%2\" => \"%3\"").arg(m.context, m.source.left(80), text.left(60));
            }
        }
        // The window's own Chinese texts, and their English.
        for (const Message &m : catalogue(QStringLiteral("english.ts"))) {
            if (!m.source.contains(chinese))
                continue;
            for (const QString &text : m.translations) {
                if (!word.match(text).hasMatch())
                    strays << QStringLiteral("%1: \"%2\" => \"%3\"").arg(m.context, m.source, text);
            }
        }
        QVERIFY2(strays.isEmpty(), qPrintable(QStringLiteral("\"%1\" is not \"%2\" in:\n").arg(english, chinese)
                                              + strays.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestGlossary)
#include "tst_glossary.moc"
