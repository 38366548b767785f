#include "protocol/unitcode.h"

#include <QCoreApplication>
#include <QSet>

namespace {

struct UnitCodeText {
    Q_DECLARE_TR_FUNCTIONS(UnitCode)
};

// What a label prints and a scanner gives back as it was printed.
bool isShownCharacter(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return false;
    default:
        return true;
    }
}

QString escapedCharacter(char32_t c)
{
    return c < 0x100 ? QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'))
                     : QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
}

} // namespace

QString shownUnitCode(const QString &code)
{
    constexpr int Shown = 40;
    const QList<uint> characters = code.toUcs4();
    QString text;
    for (qsizetype i = 0; i < characters.size() && i < Shown; ++i) {
        const char32_t c = characters.at(i);
        text += isShownCharacter(c) ? QString::fromUcs4(&c, 1) : escapedCharacter(c);
    }
    if (characters.size() > Shown)
        text += QStringLiteral("…");
    return text;
}

QString unitCodeProblem(const QString &code)
{
    const QList<uint> characters = code.toUcs4();
    if (characters.isEmpty())
        return UnitCodeText::tr("the unit code is empty");
    for (const uint c : characters) {
        if (c == 0xFFFD)
            return UnitCodeText::tr("unit code %1 holds U+FFFD, the mark of text that was not UTF-8")
                .arg(shownUnitCode(code));
        if (!isShownCharacter(c)) {
            const QString which = escapedCharacter(c);
            return QChar::category(char32_t(c)) == QChar::Other_Control
                       ? UnitCodeText::tr("unit code %1 holds a control character (%2)").arg(shownUnitCode(code), which)
                       : UnitCodeText::tr("unit code %1 holds a character a label cannot show (%2)")
                             .arg(shownUnitCode(code), which);
        }
    }
    if (characters.size() > MaxUnitCodeLength)
        return UnitCodeText::tr("unit code %1 is %2 characters long; a unit code has at most %3")
            .arg(shownUnitCode(code))
            .arg(characters.size())
            .arg(MaxUnitCodeLength);
    if (QChar::category(char32_t(characters.first())) == QChar::Separator_Space
        || QChar::category(char32_t(characters.last())) == QChar::Separator_Space)
        return UnitCodeText::tr("unit code \"%1\" begins or ends with a space").arg(shownUnitCode(code));
    return QString();
}

QString repeatedUnitCode(const QStringList &codes)
{
    QSet<QString> seen;
    for (const QString &code : codes) {
        if (code.isEmpty())
            continue;
        if (seen.contains(code))
            return code;
        seen.insert(code);
    }
    return QString();
}

QString batchCodesProblem(const QStringList &codes)
{
    for (const QString &code : codes) {
        if (code.isEmpty())
            continue;
        const QString problem = unitCodeProblem(code);
        if (!problem.isEmpty())
            return problem;
    }
    const QString twice = repeatedUnitCode(codes);
    return twice.isEmpty() ? QString()
                           : UnitCodeText::tr("unit code %1 is given twice: one code, one unit").arg(shownUnitCode(twice));
}
