#pragma once
// The window's two languages as a test's data rows: the menu action that
// switches to each.

#include <QtTest>

inline void addWindowLanguages()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "ActionEnglish";
    QTest::newRow("Chinese") << "ActionChinese";
}
