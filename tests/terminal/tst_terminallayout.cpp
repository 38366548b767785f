// The output area lays its text out itself, late and in part. Checked against
// a plain QTextEdit dressed the same way and holding the same text: the lines
// take the same places, a point hits the same character, the scroll bar looks
// the same, and what reaches the screen after the view scrolled is what a
// full repaint draws.
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include "terminal/atinterface.h"

namespace {

constexpr int kWaitMs = 10000;

QString lines(int count, const QString &body)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("%1 %2\r\n").arg(i, 5, 10, QLatin1Char('0')).arg(body);
    return text;
}

// The panel, shown, and beside it a plain QTextEdit of the output area's
// size, font, style sheet and text options.
struct Pair
{
    ATInterface panel;
    QTextEdit *output = nullptr;
    QTextEdit plain;

    Pair()
    {
        output = panel.findChild<QTextEdit *>(QStringLiteral("OutputTextEdit"));
        panel.resize(900, 277);
        panel.show();
        plain.setStyleSheet(panel.styleSheet());
        plain.setFont(output->font());
        plain.document()->setDefaultTextOption(output->document()->defaultTextOption());
        plain.setFixedSize(output->size());
        plain.show();
    }

    // Shows `text` in the panel and the same document text in the plain box.
    void show(const QString &text)
    {
        panel.appendReceived(text);
        panel.flushPending();
        plain.clear();
        QTextCursor(plain.document()).insertText(output->document()->toRawText());
    }

    static QImage image(QWidget *widget) { return widget->grab().toImage().convertToFormat(QImage::Format_ARGB32); }
};

} // namespace

class TestTerminalLayout : public QObject
{
    Q_OBJECT

private slots:
    void linesTakeTheirPlaces_data();
    void linesTakeTheirPlaces();
    void pointsHitTheSameCharacter();
    void scrollBarLooksTheSame_data();
    void scrollBarLooksTheSame();
    void screenShowsWhatARepaintDraws();
    void backgroundIsTheStyleSheets();
    void textFarAboveIsShownWhenScrolledTo();
};

void TestTerminalLayout::linesTakeTheirPlaces_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("short lines") << lines(10, QStringLiteral("OK"));
    QTest::newRow("lines that wrap") << lines(12, QStringLiteral("RSSI=-87dBm SNR=12.5 ").repeated(8));
    QTest::newRow("no line end") << QStringLiteral("AT+VERSION?");
    QTest::newRow("empty lines") << QStringLiteral("\r\n\r\nOK\r\n\r\n");
    QTest::newRow("several paragraphs") << lines(100, QStringLiteral("S101=2 S102=7"));
    QTest::newRow("accents and CJK") << QString::fromUtf8("Größe 25°C µs\r\n温度 信号强度 Ω\r\n").repeated(6);
    QTest::newRow("one very long line") << QStringLiteral("0123456789ABCDEF").repeated(300);
}

void TestTerminalLayout::linesTakeTheirPlaces()
{
    QFETCH(QString, text);
    Pair p;
    p.show(text);
    QCOMPARE(p.output->toPlainText(), ATInterface::shownText(text));

    QTextDocument *ours = p.output->document();
    QTextDocument *theirs = p.plain.document();
    QCOMPARE(ours->blockCount(), theirs->blockCount());
    for (QTextBlock a = ours->begin(), b = theirs->begin(); a.isValid(); a = a.next(), b = b.next()) {
        const QString where = QStringLiteral("paragraph %1").arg(a.blockNumber());
        QCOMPARE(ours->documentLayout()->blockBoundingRect(a), theirs->documentLayout()->blockBoundingRect(b));
        QCOMPARE(a.layout()->lineCount(), b.layout()->lineCount());
        for (int i = 0; i < a.layout()->lineCount(); ++i) {
            const QTextLine x = a.layout()->lineAt(i);
            const QTextLine y = b.layout()->lineAt(i);
            QVERIFY2(x.textStart() == y.textStart() && x.textLength() == y.textLength(), qPrintable(where));
            QVERIFY2(x.y() == y.y() && x.height() == y.height(), qPrintable(where));
        }
    }
    QCOMPARE(ours->documentLayout()->documentSize(), theirs->documentLayout()->documentSize());
}

void TestTerminalLayout::pointsHitTheSameCharacter()
{
    Pair p;
    p.show(QString::fromUtf8("AT&V\r\nS101=2 温度 Größe\r\n") + lines(3, QStringLiteral("x").repeated(150)) + QStringLiteral("OK"));
    p.output->verticalScrollBar()->setValue(0);
    p.plain.verticalScrollBar()->setValue(0);
    const QSize size = p.output->viewport()->size();
    for (int y = -5; y < size.height() + 5; y += 7) {
        for (int x = -5; x < size.width() + 5; x += 23) {
            const QPoint point(x, y);
            QCOMPARE(p.output->cursorForPosition(point).position(), p.plain.cursorForPosition(point).position());
        }
    }
}

void TestTerminalLayout::scrollBarLooksTheSame_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("atTop");

    QTest::newRow("long text, at the end") << lines(400, QStringLiteral("OK")) << false;
    QTest::newRow("long text, at the top") << lines(400, QStringLiteral("OK")) << true;
    QTest::newRow("a little over a screen") << lines(20, QStringLiteral("OK")) << false;
}

void TestTerminalLayout::scrollBarLooksTheSame()
{
    QFETCH(QString, text);
    QFETCH(bool, atTop);
    Pair p;
    // The bar's picture from a longer text before must not linger.
    p.show(lines(2000, QStringLiteral("ERROR")));
    QVERIFY(p.output->verticalScrollBar()->isVisible());
    (void)Pair::image(p.output->verticalScrollBar());
    p.panel.clearTranscript();
    p.show(text);
    QScrollBar *ours = p.output->verticalScrollBar();
    QScrollBar *theirs = p.plain.verticalScrollBar();
    if (atTop) {
        ours->setValue(0);
        theirs->setValue(0);
    } else {
        theirs->setValue(theirs->maximum());
    }
    QTRY_COMPARE_WITH_TIMEOUT(ours->value(), theirs->value(), kWaitMs);
    QCOMPARE(ours->isVisible(), theirs->isVisible());
    QCOMPARE(Pair::image(ours), Pair::image(theirs));
}

// Scrolling moves the pixels already on screen and paints only what is new;
// what the window shows then must be what painting it all afresh gives.
void TestTerminalLayout::screenShowsWhatARepaintDraws()
{
    Pair p;
    QVERIFY(QTest::qWaitForWindowExposed(&p.panel));
    QWidget *viewport = p.output->viewport();
    const QPoint origin = viewport->mapTo(&p.panel, QPoint(0, 0));
    auto onScreen = [&] {
        return p.panel.screen()
            ->grabWindow(p.panel.winId(), origin.x(), origin.y(), viewport->width(), viewport->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    };
    auto repainted = [&] { return viewport->grab().toImage().convertToFormat(QImage::Format_RGB32); };
    QTRY_VERIFY_WITH_TIMEOUT(onScreen() == repainted(), kWaitMs);

    // Batches of whole and partial lines, each painted before the next.
    for (int round = 0; round < 12; ++round) {
        p.panel.appendReceived(lines(1 + round % 4, QStringLiteral("round %1 S104=12345").arg(round)));
        if (round % 3 == 0)
            p.panel.appendReceived(QStringLiteral("partial "));
        p.panel.flushPending();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    QScrollBar *bar = p.output->verticalScrollBar();
    QTRY_COMPARE_WITH_TIMEOUT(bar->value(), bar->maximum(), kWaitMs);
    QVERIFY(bar->maximum() > 0);
    const QImage expected = repainted();
    QVERIFY(!expected.isNull());
    QTRY_VERIFY_WITH_TIMEOUT(onScreen() == expected, kWaitMs);
}

// The view paints its own background: the style sheet's grey, with the text
// in its white on it.
void TestTerminalLayout::backgroundIsTheStyleSheets()
{
    Pair p;
    QVERIFY(QTest::qWaitForWindowExposed(&p.panel));
    p.show(QStringLiteral("OK\r\n"));
    const QImage shot = p.panel.grab().toImage();
    QWidget *viewport = p.output->viewport();
    const QPoint empty = viewport->mapTo(&p.panel, QPoint(viewport->width() / 2, viewport->height() - 5));
    QCOMPARE(QColor(shot.pixel(empty)), QColor(100, 100, 100));
    int bright = 0;
    const QPoint lineStart = viewport->mapTo(&p.panel, QPoint(0, 0));
    for (int y = lineStart.y(); y < lineStart.y() + 24; ++y) {
        for (int x = lineStart.x(); x < lineStart.x() + 40; ++x)
            bright += qGray(shot.pixel(x, y)) > 200;
    }
    QVERIFY(bright > 0);
}

// Text that scrolled past unseen is laid out when the operator scrolls back
// to it, and the view ends where the document ends.
void TestTerminalLayout::textFarAboveIsShownWhenScrolledTo()
{
    Pair p;
    const QString text = lines(5000, QStringLiteral("S102=7 S103=4 S104=12345 link quality 98"));
    for (qsizetype i = 0; i < text.size(); i += 4096)
        p.panel.appendReceived(text.mid(i, 4096));
    p.panel.flushPending();
    QCOMPARE(p.output->toPlainText(), ATInterface::shownText(text));
    QScrollBar *bar = p.output->verticalScrollBar();
    QTRY_COMPARE_WITH_TIMEOUT(bar->value(), bar->maximum(), kWaitMs);
    QVERIFY(p.output->cursorForPosition(QPoint(10, p.output->viewport()->height() - 30))
                .block()
                .text()
                .endsWith(QStringLiteral("04999 S102=7 S103=4 S104=12345 link quality 98")));

    bar->setValue(0);
    QCOMPARE(p.output->cursorForPosition(QPoint(0, 10)).position(), 0);

    // Stepping through all of it lays every paragraph out: the document is
    // then as tall as the plain box's.
    p.plain.clear();
    QTextCursor(p.plain.document()).insertText(p.output->document()->toRawText());
    for (int value = 0; value < bar->maximum(); value += bar->pageStep()) {
        bar->setValue(value);
        (void)Pair::image(p.output->viewport());
    }
    QTRY_COMPARE_WITH_TIMEOUT(p.output->document()->documentLayout()->documentSize(),
                              p.plain.document()->documentLayout()->documentSize(), kWaitMs);
    bar->setValue(bar->maximum());
    QVERIFY(p.output->cursorForPosition(QPoint(10, p.output->viewport()->height() - 30))
                .block()
                .text()
                .endsWith(QStringLiteral("04999 S102=7 S103=4 S104=12345 link quality 98")));
}

QTEST_MAIN(TestTerminalLayout)
#include "tst_terminallayout.moc"
