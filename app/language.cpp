#include "app/language.h"

#include "app/toolsettings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool isChineseLocaleName(const QString &name)
{
    return name == QLatin1String("zh_CN");
}

bool systemLocaleIsChinese()
{
    return isChineseLocaleName(QLocale::system().name());
}

bool startsInChinese()
{
    const QString chosen = toolSettings().value(QLatin1String(LanguageKey)).toString();
    if (chosen == QLatin1String("zh_CN") || chosen == QLatin1String("en"))
        return chosen == QLatin1String("zh_CN");
    return systemLocaleIsChinese();
}

void rememberLanguage(bool chinese)
{
    toolSettings().setValue(QLatin1String(LanguageKey), QLatin1String(chinese ? "zh_CN" : "en"));
}

QString catalogueFile(bool chinese)
{
    return chinese ? QStringLiteral("translations/chinese.qm") : QStringLiteral("translations/english.qm");
}

bool loadCatalogue(QTranslator &translator, bool chinese)
{
    return translator.load(catalogueFile(chinese), QCoreApplication::applicationDirPath(), QString(), QString());
}

bool loadQtCatalogue(QTranslator &translator, bool chinese)
{
    if (!chinese)
        return false;
    return translator.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
