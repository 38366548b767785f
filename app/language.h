#pragma once
#include <QString>

class QTranslator;

// The interface is Chinese exactly when the system locale is "zh_CN".
bool isChineseLocaleName(const QString &name);
bool systemLocaleIsChinese();
// The language the window starts in: the one chosen last from its menu,
// else the system locale's.
bool startsInChinese();
void rememberLanguage(bool chinese);

// "translations/chinese.qm" or "translations/english.qm".
QString catalogueFile(bool chinese);

// Loads the catalogue from the program's directory.
bool loadCatalogue(QTranslator &translator, bool chinese);

// Qt's own catalogue for the language (its dialogs and standard buttons),
// from the folder Qt was installed with; English needs none.
bool loadQtCatalogue(QTranslator &translator, bool chinese);
