// The application shell: start-up state, languages, validators, the port
// list, the About box and the cache folder.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QLayout>
#include <QScrollBar>
#include <QTreeWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QXmlStreamReader>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QValidator>
#include <QtTest>


#include "advert/cachedir.h"
#include "app/language.h"
#include "app/mainwindow.h"
#include "app/statuslabel.h"
#include "app/toolsettings.h"
#include "terminal/atinterface.h"
#include "protocol/version.h"
#include "ptypair.h"
#include "support/windowlanguages.h"

namespace {

template<typename T>
T *child(QWidget *window, const char *name)
{
    T *widget = window->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

void forgetJob()
{
    QSettings settings = toolSettings();
    settings.remove(QLatin1String(JobNetworkKey));
    settings.remove(QLatin1String(JobNextUnitKey));
}

void trigger(QWidget *window, const char *action)
{
    child<QAction>(window, action)->trigger();
}

// Takes every key a shortcut could want, as a text field's editing keys do.
class TakesEditingKeys : public QObject
{
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        return false;
    }
};

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { qunsetenv("KVX_EXTRA_PORTS"); }

    void startState()
    {
        MainWindow w;
        QCOMPARE(w.windowTitle(), QStringLiteral("KVX_" KVX_VERSION));
        // 915 wide; as tall as the form with the result banner under it.
        QCOMPARE(w.width(), 915);
        QVERIFY(w.height() >= 406);
        const QSize start = w.size();
        for (const char *name : { "WorkModeBox", "BaudSetBox", "AirSpeedBox", "OutputPowerBox" })
            QCOMPARE(child<QComboBox>(&w, name)->count(), 0);
        QCOMPARE(child<QComboBox>(&w, "repeater_state")->count(), 2);
        QCOMPARE(child<QComboBox>(&w, "repeater_state")->currentIndex(), -1);
        QCOMPARE(child<QComboBox>(&w, "SerialSetBox")->count(), 6);
        QCOMPARE(child<QComboBox>(&w, "SerialSetBox")->currentIndex(), -1);
        QVERIFY(!child<QLineEdit>(&w, "AddressEdit")->isEnabled());
        QVERIFY(!child<QPushButton>(&w, "ConfigButton")->isEnabled());
        QVERIFY(child<QRadioButton>(&w, "product_1")->isChecked());
        QVERIFY(child<QRadioButton>(&w, "module_1")->isChecked());
        QVERIFY(child<QRadioButton>(&w, "mode_1")->isChecked());
        for (const char *name : { "SerialBox", "SerialSetBox", "WorkModeBox", "BaudSetBox", "AirSpeedBox",
                                  "OutputPowerBox", "repeater_state" })
            QVERIFY2(child<QComboBox>(&w, name)->styleSheet().contains(QStringLiteral("font-size:18px;")), name);
        // Never smaller than designed: the fixed-size fields would overlap.
        w.show();
        w.resize(400, 200);
        QCOMPARE(w.size(), start);
        // The image buttons really find their pictures in the bundle.
        QVERIFY(QFile::exists(QStringLiteral(":/png/image/reflush.svg")));
        QVERIFY(QFile::exists(QStringLiteral(":/png/image/label.png")));
    }

    // The check marks follow the locale the process was started with.
    void languageMarksFollowLocale()
    {
        const QByteArray expect = qgetenv("KVX_EXPECT_CHINESE");
        if (expect.isEmpty())
            QSKIP("run by the locale variants of this test");
        MainWindow w;
        QCOMPARE(child<QAction>(&w, "ActionChinese")->isChecked(), expect == "1");
        QCOMPARE(child<QAction>(&w, "ActionEnglish")->isChecked(), expect != "1");
    }

    void localeNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("chinese");
        QTest::newRow("zh_CN") << "zh_CN" << true;
        QTest::newRow("zh_TW") << "zh_TW" << false;
        QTest::newRow("zh_HK") << "zh_HK" << false;
        QTest::newRow("en_US") << "en_US" << false;
        QTest::newRow("C") << "C" << false;
    }
    void localeNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, chinese);
        QCOMPARE(isChineseLocaleName(name), chinese);
        QCOMPARE(catalogueFile(chinese),
                 chinese ? QStringLiteral("translations/chinese.qm") : QStringLiteral("translations/english.qm"));
    }

    void cataloguesRelabel()
    {
        MainWindow w;
        trigger(&w, "ActionEnglish");
        QCOMPARE(child<QLabel>(&w, "label_13")->text(), QStringLiteral("Unit address :"));
        QCOMPARE(child<QAction>(&w, "Exit")->text(), QStringLiteral("Exit"));
        QCOMPARE(child<QPushButton>(&w, "ConnectButton")->text(), QStringLiteral("Connect"));
        QVERIFY(child<QAction>(&w, "ActionEnglish")->isChecked());
        QVERIFY(!child<QAction>(&w, "ActionChinese")->isChecked());

        trigger(&w, "ActionChinese");
        QCOMPARE(child<QLabel>(&w, "label_13")->text(), QStringLiteral("单元地址 :"));
        QCOMPARE(child<QAction>(&w, "ATCommand")->text(), QStringLiteral("AT指令界面"));
        QVERIFY(child<QPushButton>(&w, "RefreshButton")->toolTip().contains(QStringLiteral("读取参数")));
        QCOMPARE(child<QPushButton>(&w, "ConnectButton")->text(), QStringLiteral("Connect"));
        QCOMPARE(w.windowTitle(), QStringLiteral("KVX_" KVX_VERSION));
        QVERIFY(child<QAction>(&w, "ActionChinese")->isChecked());

        // Choosing the language on show again keeps it and its mark.
        trigger(&w, "ActionChinese");
        QVERIFY(child<QAction>(&w, "ActionChinese")->isChecked());
        QCOMPARE(child<QLabel>(&w, "label_13")->text(), QStringLiteral("单元地址 :"));
        trigger(&w, "ActionEnglish");
    }

    void switchKeepsStateAndTexts()
    {
        PtyPair pty;
        QVERIFY(pty.isValid());
        qputenv("KVX_EXTRA_PORTS", pty.path().toLocal8Bit());
        MainWindow w;
        auto *ports = child<QComboBox>(&w, "SerialBox");
        ports->setCurrentIndex(ports->findText(pty.path()));
        QVERIFY(ports->currentIndex() >= 0);

        trigger(&w, "ActionEnglish");
        child<QPushButton>(&w, "ConnectButton")->click();
        QTRY_COMPARE(w.linkState(), MainWindow::LinkState::Ready);
        QCOMPARE(child<QPushButton>(&w, "ConnectButton")->text(), QStringLiteral("Disconnect"));
        child<QLineEdit>(&w, "AddressEdit")->setText(QStringLiteral("4321"));
        child<QLineEdit>(&w, "UnitEdit")->setText(QStringLiteral("17"));
        QCOMPARE(child<QLabel>(&w, "DisplayLabel")->text(), QStringLiteral("Connected to %1.").arg(pty.path()));
        trigger(&w, "ATCommand");
        QCOMPARE(child<QAction>(&w, "ATCommand")->text(), QStringLiteral("Main window"));

        trigger(&w, "ActionChinese");
        QCOMPARE(child<QPushButton>(&w, "ConnectButton")->text(), QStringLiteral("断开连接"));
        QCOMPARE(child<QAction>(&w, "ATCommand")->text(), QStringLiteral("主界面"));
        QCOMPARE(child<QLineEdit>(&w, "AddressEdit")->text(), QStringLiteral("4321"));
        QCOMPARE(child<QLineEdit>(&w, "UnitEdit")->text(), QStringLiteral("17"));
        // The message on show, said again in the language chosen.
        QCOMPARE(child<QLabel>(&w, "DisplayLabel")->text(), QStringLiteral("已连接 %1。").arg(pty.path()));

        // The restored captions still work as state: back to the form, then
        // the connect button closes the link.
        trigger(&w, "ATCommand");
        QCOMPARE(w.centralWidget()->objectName(), QStringLiteral("centralwidget"));
        QCOMPARE(child<QAction>(&w, "ATCommand")->text(), QStringLiteral("AT指令界面"));
        child<QPushButton>(&w, "ConnectButton")->click();
        QTRY_COMPARE(w.linkState(), MainWindow::LinkState::Closed);
        QCOMPARE(child<QPushButton>(&w, "ConnectButton")->text(), QStringLiteral("Connect"));
        // A state change replaces what described the state before it.
        trigger(&w, "ActionEnglish");
        QCOMPARE(child<QLabel>(&w, "DisplayLabel")->text(), QStringLiteral("Disconnected from %1.").arg(pty.path()));
    }

    // Qt's own dialogs and buttons follow the language menu.
    void qtTextsFollowLanguage()
    {
        MainWindow w;
        trigger(&w, "ActionChinese");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("是(&Y)"));
        trigger(&w, "ActionEnglish");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
    }

    // While disconnected the port list follows devices coming and going,
    // opening none; the next run starts with the last port, choices and options.
    void followsPortsAndRemembers()
    {
        PtyPair pty;
        PtyPair other;
        // The port that comes and goes is a link, as udev makes them: a
        // closed terminal's number soon names another test's simulator.
        QTemporaryDir links;
        const QString gone = links.filePath(QStringLiteral("ttyKVX0"));
        qputenv("KVX_EXTRA_PORTS", (pty.path() + QDir::listSeparator() + gone).toLocal8Bit());
        const char *chosen[] = { "product_2", "module_4", "mode_2" };
        {
            MainWindow w;
            auto *ports = child<QComboBox>(&w, "SerialBox");
            ports->setCurrentIndex(ports->findText(pty.path()));
            QCOMPARE(ports->findText(gone), -1);
            QVERIFY(QFile::link(other.path(), gone));
            QTRY_VERIFY(ports->findText(gone) >= 0);
            QVERIFY(QFile::remove(gone));
            QTRY_COMPARE(ports->findText(gone), -1);
            QCOMPARE(ports->currentText(), pty.path());
            QVERIFY(pty.readAvailable().isEmpty());
            for (const char *name : chosen)
                child<QRadioButton>(&w, name)->click();
            trigger(&w, "ActionVerifyWrite");
            QVERIFY(!w.quickPauses());
            trigger(&w, "ActionQuickPauses");
            QVERIFY(w.quickPauses());
            trigger(&w, "ActionChinese");
            // The locked address is not typed over.
            auto *address = child<QLineEdit>(&w, "AddressEdit");
            child<QPushButton>(&w, "LockButton")->click();
            QVERIFY(address->isReadOnly());
            child<QPushButton>(&w, "LockButton")->click();
            QVERIFY(!address->isReadOnly());
            child<QPushButton>(&w, "ConnectButton")->click();
            w.close();
        }
        MainWindow w;
        QCOMPARE(child<QComboBox>(&w, "SerialBox")->currentText(), pty.path());
        for (const char *name : chosen)
            QVERIFY2(child<QRadioButton>(&w, name)->isChecked(), name);
        QVERIFY(child<QAction>(&w, "ActionVerifyWrite")->isChecked());
        QVERIFY(child<QAction>(&w, "ActionQuickPauses")->isChecked() && w.quickPauses());
        QVERIFY(startsInChinese() && child<QAction>(&w, "ActionChinese")->isChecked());
        trigger(&w, "ActionEnglish");
        QFile::remove(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                      + QStringLiteral("/kvx-config/kvx-config.ini"));
    }

    // The longest message of each catalogue at the window's smallest: cut
    // with "…", whole in the tooltip and the message log, the font kept, the
    // window not widened.
    void longestMessageFits_data()
    {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<bool>("chinese");
        QTest::newRow("English") << "english.ts" << false;
        QTest::newRow("Chinese") << "chinese.ts" << true;
    }
    void longestMessageFits()
    {
        QFETCH(QString, catalogue);
        QFETCH(bool, chinese);
        QFile file(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../../translations/") + catalogue);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString source;
        QString longest;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                // Plural forms come as children; one of them will do.
                QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                if (text.isEmpty())
                    text = source;
                // A message is one line of plain text (not a rich-text tooltip).
                if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('<')) && text.size() > longest.size())
                    longest = text;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY2(longest.size() > 60, qPrintable(longest));

        MainWindow w;
        trigger(&w, chinese ? "ActionChinese" : "ActionEnglish");
        w.show();
        w.resize(w.minimumSize());
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        emit w.findChild<ATInterface *>()->signal_notice(longest);
        auto *label = child<StatusLabel>(&w, "DisplayLabel");
        QCOMPARE(label->text(), longest);
        QVERIFY2(label->isCut(), qPrintable(longest));
        QVERIFY(label->shownText().endsWith(QChar(0x2026)));
        QCOMPARE(label->toolTip(), longest);
        QVERIFY(label->styleSheet().startsWith(QLatin1String("font-size:17px;")));
        QVERIFY(label->geometry().right() < w.centralWidget()->width());
        // It has the line's room, not a few letters of it.
        QVERIFY(label->shownText().size() > 40);
        QCOMPARE(w.size(), w.minimumSize());
        if (const QString shots = qEnvironmentVariable("KVX_SCREENSHOT_DIR"); !shots.isEmpty())
            QVERIFY(w.grab().save(shots + QStringLiteral("/status-long-%1.png").arg(chinese ? "zh" : "en")));
        trigger(&w, "ActionMessageLog");
        QTRY_VERIFY(w.findChild<QPlainTextEdit *>(QStringLiteral("MessageLogText")));
        QVERIFY(child<QPlainTextEdit>(&w, "MessageLogText")->toPlainText().contains(longest));
        trigger(&w, "ActionEnglish");
    }

    // A locked network address and the next unit address come back after a
    // restart in one question; No starts clean and asks no more.
    void jobOfferedAfterRestart_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("later");
        QTest::newRow("Yes goes on") << true << false;
        QTest::newRow("No starts clean") << false << false;
        QTest::newRow("Escape: asked again next time") << false << true;
    }
    void jobOfferedAfterRestart()
    {
        QFETCH(bool, yes);
        QFETCH(bool, later);
        {
            MainWindow first;
            first.show();
            child<QLineEdit>(&first, "AddressEdit")->setText("25819");
            child<QPushButton>(&first, "LockButton")->click();
            // What a good write leaves with the next unit address stepped.
            toolSettings().setValue(QLatin1String(JobNextUnitKey), "7");
        }
        MainWindow w;
        w.show();
        QMessageBox *box = nullptr;
        QTRY_VERIFY((box = w.findChild<QMessageBox *>("JobQuestion")) && box->isVisible());
        QCOMPARE(box->text(), QStringLiteral("Continue network 25819 from unit 7?"));
        // Over the window, not at the screen's corner.
        QVERIFY(w.frameGeometry().contains(box->frameGeometry().center()));
        if (later)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            QTest::mouseClick(box->button(yes ? QMessageBox::Yes : QMessageBox::No), Qt::LeftButton);
        QVERIFY2(child<StatusLabel>(&w, "DisplayLabel")->text().contains(QStringLiteral("25819")),
                 qPrintable(child<StatusLabel>(&w, "DisplayLabel")->text()));
        auto *address = child<QLineEdit>(&w, "AddressEdit");
        QCOMPARE(address->text(), yes ? QStringLiteral("25819") : QString());
        QCOMPARE(child<QLineEdit>(&w, "UnitEdit")->text(), yes ? QStringLiteral("7") : QString());
        // Locked, it looks it.
        QCOMPARE(address->isReadOnly(), yes);
        QCOMPARE(address->styleSheet().contains("rgb(200, 200, 200)"), yes);
        QCOMPARE(child<QPushButton>(&w, "LockButton")->styleSheet().contains("LockButton_light.svg"), yes);
        if (yes)
            child<QPushButton>(&w, "LockButton")->click();
        MainWindow again;
        again.show();
        if (later) {
            QTRY_VERIFY(again.findChild<QMessageBox *>("JobQuestion"));
            forgetJob();
            return;
        }
        QCoreApplication::processEvents();
        QVERIFY(!again.findChild<QMessageBox *>("JobQuestion"));
    }

    // The window's own Exit key works where a text field would take it.
    void exitFromATextField()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto *field = child<QLineEdit>(&w, "AddressEdit");
        field->setEnabled(true);
        // As a line edit does with X11's key bindings (Ctrl+E: end of line).
        TakesEditingKeys takes;
        field->installEventFilter(&takes);
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        QTest::keyClick(field, Qt::Key_E, Qt::ControlModifier);
        QTRY_VERIFY(!w.isVisible());
    }

    void validators_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("one digit") << "0" << true;
        QTest::newRow("ten digits") << "1234567890" << true;
        QTest::newRow("largest") << "4294967295" << true;
        // Shown as typed, for the form to refuse naming the range.
        QTest::newRow("one above") << "4294967296" << true;
        QTest::newRow("eleven digits") << "12345678901" << true;
        QTest::newRow("twenty-one digits") << "123456789012345678901" << false;
        QTest::newRow("letters") << "12a" << false;
        QTest::newRow("sign") << "-1" << false;
        QTest::newRow("blank") << " 1" << false;
    }
    void validators()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        MainWindow w;
        for (const char *name : { "AddressEdit", "UnitEdit" }) {
            const QValidator *validator = child<QLineEdit>(&w, name)->validator();
            QVERIFY(validator);
            QString input = text;
            int pos = 0;
            QCOMPARE(validator->validate(input, pos) != QValidator::Invalid, accepted);
        }
    }

    // A digit too many is kept and said, never dropped without a word.
    void overflowingAddressSaid()
    {
        MainWindow w;
        auto *edit = child<QLineEdit>(&w, "AddressEdit");
        edit->setEnabled(true);
        QTest::keyClicks(edit, QStringLiteral("4294967296"));
        QCOMPARE(edit->text(), QStringLiteral("4294967296"));
        QVERIFY(!edit->hasAcceptableInput());
        const QString said = child<StatusLabel>(&w, "DisplayLabel")->text();
        QVERIFY2(said.contains(QStringLiteral("4294967296 is out of range (0 to 4294967295)")), qPrintable(said));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(child<StatusLabel>(&w, "DisplayLabel")->text(), QString());
    }

    // Under the terminal the status bar says what happened beside the record.
    void terminalMessagesBesideRecord()
    {
        QTemporaryDir dir;
        toolSettings().setValue(QLatin1String(RecordKey), dir.filePath(QStringLiteral("units.csv")));
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(child<StatusLabel>(&w, "RecordLabel")->isVisible());
        trigger(&w, "ATCommand");
        child<QTextEdit>(&w, "IntputTextEdit")->setPlainText(QStringLiteral("ATI"));
        child<QPushButton>(&w, "pushButton")->click();
        const QString said = w.statusBar()->currentMessage();
        QVERIFY(said.contains(QStringLiteral("No link is open")));
        // The message is drawn left of the record's label: the room is there.
        QVERIFY(child<StatusLabel>(&w, "RecordLabel")->x() > w.statusBar()->fontMetrics().horizontalAdvance(said));
        toolSettings().remove(QLatin1String(RecordKey));
    }

    void extraPorts()
    {
        PtyPair pty;
        QVERIFY(pty.isValid());
        const QString missing = QStringLiteral("/nonexistent/kvx-port");
        qputenv("KVX_EXTRA_PORTS", (pty.path() + QDir::listSeparator() + missing).toLocal8Bit());
        MainWindow w;
        auto *ports = child<QComboBox>(&w, "SerialBox");
        QVERIFY(ports->findText(pty.path()) >= 0);
        QCOMPARE(ports->findText(missing), -1);
        QCOMPARE(ports->itemText(ports->count() - 1), pty.path());
    }

    void clearCache()
    {
        QTemporaryDir root;
        const QString temp = root.filePath(QStringLiteral("temp"));
        const QString local = root.filePath(QStringLiteral("local"));
        QVERIFY(QDir().mkpath(temp + QStringLiteral("/sub/deeper")));
        QVERIFY(QDir().mkpath(local));
        for (const QString &file : { temp + "/a.png", temp + "/sub/b.png",
                                     temp + "/sub/deeper/c", local + "/keep.png" }) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("x");
        }
        clearCacheDirectory(temp);
        QVERIFY(QDir(temp).exists());
        QVERIFY(QDir(temp).isEmpty());
        QVERIFY(QFile::exists(local + "/keep.png"));

        clearCacheDirectory(root.filePath(QStringLiteral("missing")));
        QVERIFY(!QDir(root.filePath(QStringLiteral("missing"))).exists());
    }

    // Shut-down empties the cache the program made, and no folder of the
    // user's that happens to have its name.
    void shutdownEmptiesTemp_data()
    {
        QTest::addColumn<bool>("ours");
        QTest::newRow("the program's cache") << true;
        QTest::newRow("the user's own folder") << false;
    }
    void shutdownEmptiesTemp()
    {
        QFETCH(bool, ours);
        const QString temp = QCoreApplication::applicationDirPath() + QStringLiteral("/temp");
        QDir(temp).removeRecursively();
        QVERIFY(ours ? makeCacheDirectory(temp) : QDir().mkpath(temp));
        QFile f(temp + QStringLiteral("/cached.png"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        {
            MainWindow w;
        }
        QVERIFY(QDir(temp).exists());
        QCOMPARE(QDir(temp).entryList(QDir::Files | QDir::NoDotAndDotDot), ours ? QStringList() : QStringList { "cached.png" });
        QCOMPARE(isOwnCacheDirectory(temp), ours);
        QDir(temp).removeRecursively();
    }

    // The batch dialog at its smallest, in both languages: no widget over
    // another, six rows of ports in view, and a Start that cannot be
    // pressed says why.
    void batchDialogHoldsTogether_data()
    {
        addWindowLanguages();
    }
    void batchDialogHoldsTogether()
    {
        QFETCH(QString, language);
        PtyPair pty;
        QVERIFY(pty.isValid());
        qputenv("KVX_EXTRA_PORTS", pty.path().toLocal8Bit());
        MainWindow w;
        trigger(&w, qPrintable(language));
        w.show();
        trigger(&w, "ActionProvision");
        QDialog *dialog = nullptr;
        QTRY_VERIFY((dialog = w.findChild<QDialog *>(QStringLiteral("ProvisionDialog"))) && dialog->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        dialog->resize(1, 1);
        QTRY_COMPARE(dialog->size(), dialog->minimumSize());
        QVERIFY(dialog->width() > 1);
        // Siblings of every container the layouts fill (it scrolls where
        // the dialog is smaller than all it holds).
        QList<QWidget *> containers { dialog };
        for (QWidget *widget : dialog->findChildren<QWidget *>()) {
            if (widget->layout())
                containers << widget;
        }
        QVERIFY(containers.size() > 3);
        for (QWidget *container : std::as_const(containers)) {
            QList<QWidget *> shown;
            for (QObject *object : container->children()) {
                auto *widget = qobject_cast<QWidget *>(object);
                if (widget && !widget->isWindow() && widget->isVisible())
                    shown << widget;
            }
            for (qsizetype i = 0; i < shown.size(); ++i) {
                for (qsizetype j = i + 1; j < shown.size(); ++j)
                    QVERIFY2(!shown.at(i)->geometry().intersects(shown.at(j)->geometry()),
                             qPrintable(shown.at(i)->objectName() + QStringLiteral(" over ") + shown.at(j)->objectName()));
            }
        }
        auto *list = child<QTreeWidget>(dialog, "PortList");
        QVERIFY(list->topLevelItemCount() > 0);
        const int rowHeight = list->visualItemRect(list->topLevelItem(0)).height();
        QVERIFY2(list->viewport()->height() - list->horizontalScrollBar()->sizeHint().height() >= 6 * rowHeight,
                 qPrintable(QStringLiteral("%1 / %2").arg(list->viewport()->height()).arg(rowHeight)));
        QVERIFY(!child<QPushButton>(dialog, "StartButton")->isEnabled());
        auto *why = child<QLabel>(dialog, "StartWhyLabel");
        QVERIFY(why->isVisible() && !why->text().isEmpty());
        dialog->close();
        trigger(&w, "ActionEnglish");
    }

    void aboutBox()
    {
        MainWindow w;
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        bool checked = false;
        for (int round = 0; round < 2; ++round) {
            QTimer::singleShot(0, &w, [&] {
                auto *dialog = w.findChild<QDialog *>(QStringLiteral("VersionDialog"));
                QVERIFY(dialog);
                QCOMPARE(dialog->windowTitle(), QStringLiteral("About KV5"));
                QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("label"))->text(),
                         QStringLiteral("KV5 Configuration Software"));
                QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("label_3"))->text(), QStringLiteral("2.0.5"));
                QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("label_6"))->text(),
                         QStringLiteral("Copyright © 2024-2026 KVX data-link radios. All rights reserved."));
                auto *link = dialog->findChild<QLabel *>(QStringLiteral("label_7"));
                QVERIFY(link->text().contains(QStringLiteral("https://www.kvx.example.com/")));
                emit link->linkActivated(QStringLiteral("https://www.kvx.example.com/"));
                QVERIFY(dialog->isVisible());
                checked = true;
                dialog->close();
            });
            trigger(&w, "Version");
            QTRY_VERIFY(checked);
            checked = false;
            QTRY_VERIFY(!w.findChild<QDialog *>(QStringLiteral("VersionDialog")));
        }
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.urls.size(), 2);
        QCOMPARE(catcher.urls.first(), QUrl(QStringLiteral("https://www.kvx.example.com/")));
        QVERIFY(!w.findChild<QDialog *>(QStringLiteral("VersionDialog")));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
