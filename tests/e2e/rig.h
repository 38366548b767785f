#pragma once
// A main window connected to a simulated modem over a pseudo-terminal.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QtTest>

#include <memory>

#include "app/mainwindow.h"
#include "app/radiobuttons.h"
#include "support/simprocess.h"

// The engine's names, short, as the tests read best with them.
inline constexpr Product KV5 = Product::Kv5;
inline constexpr Product KV6 = Product::Kv6;
inline constexpr Module Tarn = Module::Tarn;
inline constexpr Module BraeLoch = Module::BraeLoch;
inline constexpr Module Skerry = Module::Skerry;
inline constexpr Module HalfFjord = Module::HalfFjord;
inline constexpr LinkMode PointToPoint = LinkMode::PointToPoint;
inline constexpr LinkMode PointToMultipoint = LinkMode::PointToMultipoint;
Q_DECLARE_METATYPE(Product)
Q_DECLARE_METATYPE(Module)
Q_DECLARE_METATYPE(LinkMode)

// The simulator's and kvx-cli's words for them.
inline QString productArg(Product product) { return productKey(product); }
inline QString moduleArg(Module module) { return moduleKey(module); }

class Rig
{
public:
    SimProcess sim;
    std::unique_ptr<MainWindow> window;

    // Starts the simulator for `product`/`module` and a window that offers its
    // port, with the radio buttons set; does not connect.
    bool start(Product product, Module module, LinkMode mode = PointToPoint, const QStringList &extraSimArgs = {})
    {
        QStringList args { "--product", productArg(product), "--module", moduleArg(module) };
        args += extraSimArgs;
        if (!sim.start(args)) {
            qWarning() << "simulator:" << sim.errorString();
            return false;
        }
        qputenv("KVX_EXTRA_PORTS", sim.portPath().toLocal8Bit());
        window = std::make_unique<MainWindow>();
        window->show();
        auto *ports = combo("SerialBox");
        const int row = ports->findText(sim.portPath());
        if (row < 0)
            return false;
        ports->setCurrentIndex(row);
        radio(QStringLiteral("product_%1").arg(buttonFor(product) + 1))->click();
        radio(QStringLiteral("module_%1").arg(buttonFor(module) + 1))->click();
        radio(QStringLiteral("mode_%1").arg(buttonFor(mode) + 1))->click();
        return true;
    }

    template<typename T>
    T *find(const QString &name) const
    {
        T *w = window->findChild<T *>(name);
        if (!w)
            qFatal("no child %s", qPrintable(name));
        return w;
    }
    QComboBox *combo(const QString &name) const { return find<QComboBox>(name); }
    QLineEdit *edit(const QString &name) const { return find<QLineEdit>(name); }
    QPushButton *button(const QString &name) const { return find<QPushButton>(name); }
    QRadioButton *radio(const QString &name) const { return find<QRadioButton>(name); }
    QLabel *label(const QString &name) const { return find<QLabel>(name); }
    QAction *action(const QString &name) const { return find<QAction>(name); }

    bool isOpen() const { return button("ConnectButton")->text() != QLatin1String("Connect"); }
    QString status() const { return label("DisplayLabel")->text(); }
    MainWindow::LinkState state() const { return window->linkState(); }

    // Waits until no sequence runs: the link is closed or ready.
    bool settle(int timeoutMs = 20000) const
    {
        return QTest::qWaitFor([this] {
            return (state() == MainWindow::LinkState::Closed || state() == MainWindow::LinkState::Ready)
                   && !window->waitsForRecord() && !QApplication::activeModalWidget();
        }, timeoutMs);
    }

    // Connects or disconnects once no sequence runs, and waits until the
    // link is ready or closed (connecting and disconnecting take a second).
    void toggleLink()
    {
        settle();
        button("ConnectButton")->click();
        settle();
    }

    // Reads the modem's parameters; true once the write button is released.
    bool read()
    {
        settle();
        button("RefreshButton")->click();
        settle();
        return button("ConfigButton")->isEnabled();
    }

    // Clicks Write and waits until the write (and a question before it) is over.
    void write()
    {
        button("ConfigButton")->click();
        settle();
    }

    QList<QByteArray> linesAfter(qsizetype firstItem) const
    {
        QList<QByteArray> out;
        const auto items = sim.receivedLines();
        for (qsizetype i = firstItem; i < items.size(); ++i)
            out << items.at(i).bytes;
        return out;
    }
};
