// The output area's context menu: saving the transcript as received, and
// the hex view of the received bytes. Driven through the menu as the
// operator opens it, the file dialog answered as the operator would.
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileInfo>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include <functional>

#include "terminal/atinterface.h"

namespace {

constexpr int kWaitMs = 10000;

struct Panel
{
    ATInterface widget;
    QTextEdit *output = nullptr;

    Panel()
    {
        output = widget.findChild<QTextEdit *>(QStringLiteral("OutputTextEdit"));
        widget.resize(900, 277);
        widget.show();
    }

    // Right-clicks the output area; the menu that pops up.
    QMenu *openMenu()
    {
        QWidget *viewport = output->viewport();
        const QPoint at(30, 20);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &event);
        return qobject_cast<QMenu *>(QApplication::activePopupWidget());
    }

    static QAction *item(QMenu *menu, const QString &text)
    {
        for (QAction *action : menu->actions()) {
            if (action->text() == text)
                return action;
        }
        return nullptr;
    }

    // Opens the menu and clicks the item `text`.
    bool choose(const QString &text)
    {
        QMenu *menu = openMenu();
        if (!menu || !menu->isVisible())
            return false;
        QAction *action = item(menu, text);
        if (!action || !action->isVisible() || !action->isEnabled())
            return false;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        return true;
    }
};

// Answers the next modal dialog of type T from inside its own event loop.
template<typename T>
void whenModal(const std::function<void(T *)> &answer)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
        }
    });
    timer->start();
}

// Types `path` as the file name and presses Save.
void typeFileName(QFileDialog *dialog, const QString &path)
{
    auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(name && name->isVisible());
    name->setText(path);
    static_cast<QDialog *>(dialog)->accept(); // as the Save button does
}

// A frame as the link control answers one (FA B0, length, rate, 5F), a
// character split between two reads, and a line of text.
const QList<QByteArray> kPieces { QByteArray("\xfa\xb0\x04\x00\x00\xc2\x01\x00\x5f", 9), QByteArray("AT \xe6\xb8"),
                                  QByteArray("\xa9 OK\r"), QByteArray("\nERROR\r\n") };

QByteArray joined(const QList<QByteArray> &pieces)
{
    QByteArray all;
    for (const QByteArray &piece : pieces)
        all += piece;
    return all;
}

} // namespace

class TestOutputTools : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void menuOffersTheTools();
    void saveWritesTheBytesReceived_data();
    void saveWritesTheBytesReceived();
    void saveFailureIsReported();

    void hexViewRows_data();
    void hexViewRows();
    void hexViewFollowsArrivingBytes();
    void hexColumnsLineUp();
    void switchingBackShowsTheText();
};

void TestOutputTools::initTestCase()
{
    // Qt's own dialog, which a test can fill in, wherever the test runs.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void TestOutputTools::menuOffersTheTools()
{
    Panel p;
    QMenu *menu = p.openMenu();
    QVERIFY(menu);
    QTRY_VERIFY_WITH_TIMEOUT(menu->isVisible(), kWaitMs);
    QAction *save = Panel::item(menu, QString::fromUtf8("Save transcript…"));
    QAction *hex = Panel::item(menu, QStringLiteral("Show as hex"));
    QVERIFY(save && save->isVisible() && save->isEnabled());
    QVERIFY(hex && hex->isVisible() && hex->isEnabled());
    QVERIFY(hex->isCheckable());
    QVERIFY(!hex->isChecked());
    // The text box's own entries stay.
    QVERIFY(menu->actions().size() > 3);
    menu->close();

    p.widget.appendReceived(QStringLiteral("OK\r\n"));
    p.widget.flushPending();
    QVERIFY(p.choose(QStringLiteral("Show as hex")));
    QCOMPARE(p.output->toPlainText(), QStringLiteral("00000000  4f 4b 0d 0a                                       |OK..|\n00000004"));
    menu = p.openMenu();
    QVERIFY(menu && Panel::item(menu, QStringLiteral("Show as hex"))->isChecked());
    menu->close();
    QVERIFY(p.choose(QStringLiteral("Show as hex")));
    QCOMPARE(p.output->toPlainText(), QStringLiteral("OK\n"));
}

void TestOutputTools::saveWritesTheBytesReceived_data()
{
    QTest::addColumn<bool>("inHexView");
    QTest::newRow("from the text view") << false;
    QTest::newRow("from the hex view") << true;
}

void TestOutputTools::saveWritesTheBytesReceived()
{
    QFETCH(bool, inHexView);
    Panel p;
    // What came before the panel was last left is not part of it.
    p.widget.appendReceivedBytes(QByteArray("OLD\r\n"));
    p.widget.clearTranscript();
    for (const QByteArray &piece : kPieces)
        p.widget.appendReceivedBytes(piece);
    if (inHexView)
        QVERIFY(p.choose(QStringLiteral("Show as hex")));
    QTRY_VERIFY_WITH_TIMEOUT(p.output->toPlainText().contains(QStringLiteral("ERROR")) || inHexView, kWaitMs);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("modem.txt"));
    bool answered = false;
    whenModal<QFileDialog>([&](QFileDialog *dialog) {
        answered = dialog->isVisible() && dialog->acceptMode() == QFileDialog::AcceptSave;
        typeFileName(dialog, path);
    });
    QVERIFY(p.choose(QString::fromUtf8("Save transcript…")));
    QTRY_VERIFY(answered);
    QFile file(path);
    QTRY_VERIFY(file.exists());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), joined(kPieces));
}

void TestOutputTools::saveFailureIsReported()
{
    // A folder no file can be made in, whoever runs the test.
    const QString folder = QStringLiteral("/proc");
    if (!QFileInfo(folder).isDir())
        QSKIP("needs /proc");
    Panel p;
    p.widget.appendReceivedBytes(QByteArray("OK\r\n"));
    const QString path = folder + QStringLiteral("/kvx-transcript.txt");
    whenModal<QFileDialog>([&](QFileDialog *dialog) {
        typeFileName(dialog, path);
    });
    QString message;
    whenModal<QMessageBox>([&](QMessageBox *box) {
        if (box->isVisible())
            message = box->text();
        box->accept();
    });
    QVERIFY(p.choose(QString::fromUtf8("Save transcript…")));
    QTRY_VERIFY2(message.contains(path), qPrintable(message));
    QVERIFY(!QFile::exists(path));
}

void TestOutputTools::hexViewRows_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");

    QTest::newRow("nothing") << QByteArray() << QString();
    QTest::newRow("a frame and a reply")
        << QByteArray("\xfa\xb0\x04\x00\x00\xc2\x01\x00\x5fOK\r\n", 13)
        << "00000000  fa b0 04 00 00 c2 01 00  5f 4f 4b 0d 0a           |........_OK..|\n"
           "0000000d";
    QTest::newRow("fewer than eight") << QByteArray("ABC")
                                      << "00000000  41 42 43                                          |ABC|\n"
                                         "00000003";
    QTest::newRow("one full row") << QByteArray("0123456789abcdef")
                                  << "00000000  30 31 32 33 34 35 36 37  38 39 61 62 63 64 65 66  |0123456789abcdef|\n"
                                     "00000010";
    QTest::newRow("a row and a byte") << QByteArray("0123456789abcdef~")
                                      << "00000000  30 31 32 33 34 35 36 37  38 39 61 62 63 64 65 66  |0123456789abcdef|\n"
                                         "00000010  7e                                                |~|\n"
                                         "00000011";
    QTest::newRow("not printable") << QByteArray("\x00\x1f \x7f\x80\xff", 6)
                                   << "00000000  00 1f 20 7f 80 ff                                 |.. ...|\n"
                                      "00000006";
}

void TestOutputTools::hexViewRows()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    Panel p;
    QVERIFY(p.choose(QStringLiteral("Show as hex")));
    p.widget.appendReceivedBytes(bytes);
    QTRY_COMPARE_WITH_TIMEOUT(p.output->toPlainText(), shown, kWaitMs);
    QCOMPARE(ATInterface::hexDump(bytes), shown.isEmpty() ? shown : shown + QLatin1Char('\n'));
}

// Bytes arriving in pieces of every size while the hex view is shown: the
// view reads as `hexdump -C -v` prints all of them.
void TestOutputTools::hexViewFollowsArrivingBytes()
{
    const QString hexdump = QStandardPaths::findExecutable(QStringLiteral("hexdump"));
    if (hexdump.isEmpty())
        QSKIP("hexdump is not installed");
    Panel p;
    QVERIFY(p.choose(QStringLiteral("Show as hex")));
    QRandomGenerator random(7);
    QByteArray all;
    while (all.size() < 3000) {
        QByteArray piece(random.bounded(1, 40), Qt::Uninitialized);
        for (char &c : piece)
            c = char(random.bounded(256));
        all += piece;
        p.widget.appendReceivedBytes(piece);
        if (random.bounded(3) == 0)
            p.widget.flushPending();
    }
    p.widget.flushPending();

    QProcess dump;
    dump.start(hexdump, { QStringLiteral("-C"), QStringLiteral("-v") });
    QVERIFY(dump.waitForStarted());
    dump.write(all);
    dump.closeWriteChannel();
    QVERIFY(dump.waitForFinished());
    const QString expected = QString::fromLatin1(dump.readAllStandardOutput());
    QCOMPARE(p.output->toPlainText() + QLatin1Char('\n'), expected);
    QCOMPARE(ATInterface::hexDump(all), expected);
}

// The hex view is only readable when its columns line up.
void TestOutputTools::hexColumnsLineUp()
{
    Panel p;
    QVERIFY(p.choose(QStringLiteral("Show as hex")));
    p.widget.appendReceivedBytes(QByteArray("WWWWWWWWWWWWWWWWiiiiiiiiiiiiiiii"));
    p.widget.flushPending();
    QTextCursor first(p.output->document());
    first.setPosition(60); // the "|" before the text of the first row
    QTextCursor second(p.output->document());
    second.setPosition(79 + 60);
    QCOMPARE(p.output->document()->characterAt(60), QLatin1Char('|'));
    QCOMPARE(p.output->document()->characterAt(79 + 60), QLatin1Char('|'));
    QCOMPARE(p.output->cursorRect(first).x(), p.output->cursorRect(second).x());
    QVERIFY(p.output->cursorRect(first).y() < p.output->cursorRect(second).y());
}

// Nothing received is lost by looking at it as hex: what came meanwhile is
// in the text view when it comes back, and in the hex view while it is shown.
void TestOutputTools::switchingBackShowsTheText()
{
    Panel p;
    p.widget.appendReceivedBytes(kPieces.at(0));
    p.widget.appendReceivedBytes(kPieces.at(1));
    QVERIFY(p.choose(QStringLiteral("Show as hex")));
    QVERIFY(p.output->toPlainText().startsWith(QStringLiteral("00000000  fa b0 04 00 00 c2 01 00  5f 41 54 20 e6 b8")));
    p.widget.appendReceivedBytes(kPieces.at(2));
    p.widget.appendReceivedBytes(kPieces.at(3));
    QTRY_VERIFY_WITH_TIMEOUT(p.output->toPlainText().endsWith(QStringLiteral("\n0000001b")), kWaitMs);
    QVERIFY(p.output->toPlainText().contains(QStringLiteral("  |........_AT ... |\n00000010  4f 4b 0d 0a 45 52")));
    QVERIFY(p.output->toPlainText().contains(QStringLiteral("|OK..ERROR..|")));

    QVERIFY(p.choose(QStringLiteral("Show as hex")));
    const QString text = QString::fromUtf8(joined(kPieces));
    QCOMPARE(p.output->toPlainText(), ATInterface::shownText(text));
    QVERIFY(p.output->toPlainText().contains(QString::fromUtf8("AT 温 OK\nERROR\n")));

    // And the text view goes on from there.
    p.widget.appendReceived(QStringLiteral("RING\r\n"));
    QTRY_COMPARE_WITH_TIMEOUT(p.output->toPlainText(), ATInterface::shownText(text + QStringLiteral("RING\r\n")), kWaitMs);
}

QTEST_MAIN(TestOutputTools)
#include "tst_outputtools.moc"
