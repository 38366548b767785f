#include "advert/advertindex.h"

#include <QTest>

class TestAdvertIndex : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("entries");

        const QString a = "https://www.kvx.example.com/spring.png", b = "https://www.kvx.example.com/summer.jpg";
        QTest::newRow("crlf") << a + "\r\n" + b + "\r\n" << QStringList{a, b};
        QTest::newRow("lf") << a + "\n" + b + "\n" << QStringList{a, b};
        QTest::newRow("words before") << "new " + a + "\nold https://old.example.com/ " + b + "\n"
                                      << QStringList{a, b};
        QTest::newRow("last line unterminated") << a + "\n" + b << QStringList{a};
        QTest::newRow("no line feed") << a << QStringList();
        QTest::newRow("lines without address") << "list:\n\r\nhttp://x.example.com/p.png\n" + a + "\n"
                                               << QStringList{a};
        QTest::newRow("one carriage return dropped") << a + "\r\r\n" << QStringList{a + "\r"};
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, entries);
        QCOMPARE(parseAdvertIndex(text), entries);
    }
};

QTEST_APPLESS_MAIN(TestAdvertIndex)
#include "tst_advertindex.moc"
