// The window's radio buttons as the engine's names: the module ids both
// ways, and an id no button has (the lists then show Half Fjord's rows).

#include "app/radiobuttons.h"

#include <QtTest>

class tst_RadioButtons : public QObject
{
    Q_OBJECT

private slots:
    void moduleButtons_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<Module>("module");
        QTest::addColumn<bool>("isButton");

        QTest::newRow("Tarn") << 0 << Module::Tarn << true;
        QTest::newRow("Brae - Loch") << 1 << Module::BraeLoch << true;
        QTest::newRow("Skerry") << 2 << Module::Skerry << true;
        QTest::newRow("Half Fjord") << 3 << Module::HalfFjord << true;
        QTest::newRow("-1") << -1 << Module::HalfFjord << false;
        QTest::newRow("4") << 4 << Module::HalfFjord << false;
        QTest::newRow("100") << 100 << Module::HalfFjord << false;
    }

    void moduleButtons()
    {
        QFETCH(int, id);
        QFETCH(Module, module);
        QFETCH(bool, isButton);

        QCOMPARE(moduleForButton(id), module);
        if (isButton)
            QCOMPARE(buttonFor(module), id);
    }
};

QTEST_GUILESS_MAIN(tst_RadioButtons)
#include "tst_radiobuttons.moc"
