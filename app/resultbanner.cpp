#include "app/resultbanner.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "app/statuslabel.h"
#include "engine/unitoutcome.h"
#include "protocol/writeplan.h"

namespace {

// Each outcome's colour, as the status line's: a failure cannot pass for
// a success at a glance, nor a write nobody checked for a verified one.
const char *const OutcomeSheets[] = {
    "background-color: rgb(85, 85, 85); color: rgb(200, 200, 200);",
    "background-color: rgb(0, 110, 0); color: rgb(255, 255, 255);",
    "background-color: rgb(0, 80, 150); color: rgb(255, 255, 255);",
    "background-color: rgb(170, 0, 0); color: rgb(255, 255, 255);",
};

} // namespace

ResultBanner::ResultBanner(QWidget *parent)
    : QFrame(parent)
{
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(2);

    m_outcome = new QLabel(this);
    m_outcome->setObjectName(QStringLiteral("OutcomeLabel"));
    m_outcome->setAlignment(Qt::AlignCenter);
    m_outcome->setStyleSheet(QLatin1String(OutcomeSheets[0]));
    m_outcome->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_detail = new StatusLabel(this);
    m_detail->setObjectName(QStringLiteral("ResultDetailLabel"));
    m_day = new StatusLabel(this);
    m_day->setObjectName(QStringLiteral("DayLabel"));
    m_day->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lastUnits = new QPushButton(this);
    m_lastUnits->setObjectName(QStringLiteral("LastUnitsButton"));
    m_lastUnits->setFocusPolicy(Qt::NoFocus);
    connect(m_lastUnits, &QPushButton::clicked, this, &ResultBanner::lastUnitsRequested);
    connect(m_day, &StatusLabel::clicked, this, &ResultBanner::lastUnitsRequested);

    // The word on top at the left, the day beside it; the cause and the
    // values under both, across the whole window.
    layout->addWidget(m_outcome, 0, 0);
    layout->addWidget(m_day, 0, 1);
    layout->addWidget(m_lastUnits, 0, 2);
    layout->addWidget(m_detail, 1, 0, 1, 3);
    layout->setColumnStretch(1, 1);

    // The sizes of the window's own texts: its labels' 17px, the word far larger.
    setStyleSheet(QStringLiteral(
        "QLabel#OutcomeLabel { font-size: 26px; font-weight: bold; padding: 1px 12px; border-radius: 4px; }"
        "QLabel#ResultDetailLabel { font-size: 17px; }"
        "QLabel#ResultDetailLabel[result=\"true\"] { font-weight: bold; }"
        "QLabel#DayLabel { font-size: 15px; }"
        "QPushButton#LastUnitsButton { font-size: 14px; padding: 2px 8px; }"));
    showNote([] { return QString(); });
    changeEvent(nullptr);
}

QStringList ResultBanner::outcomeWords()
{
    return { tr("VERIFIED"), tr("WRITTEN, NOT CHECKED"), tr("FAILED") };
}

void ResultBanner::showOutcome(const UnitOutcome &outcome, const std::function<QString()> &values)
{
    // Good is the one rule of the window's colour and kvx-cli's status:
    // anything else is set aside as failed, its cause said first.
    if (outcome.isGood())
        m_kind = outcome.result == UnitOutcome::Verified ? Kind::Verified : Kind::Written;
    else
        m_kind = Kind::Failed;
    const bool failed = m_kind == Kind::Failed;
    m_detailText = [outcome, values, failed] {
        QStringList parts;
        if (failed)
            parts << outcome.words();
        else if (!outcome.recordNote().isEmpty())
            parts << outcome.recordNote().mid(2);
        const QString written = outcome.keptSettings() ? values() : QString();
        if (!written.isEmpty())
            parts << written;
        return parts.join(QString::fromUtf16(SummarySeparator));
    };
    paint();
}

void ResultBanner::showNote(const std::function<QString()> &note)
{
    m_kind = Kind::None;
    m_detailText = note;
    paint();
}

void ResultBanner::setDay(const QString &text, const QString &toolTip)
{
    m_day->setText(text);
    m_day->setToolTip(toolTip);
}

void ResultBanner::paint()
{
    const QStringList words = outcomeWords();
    m_outcome->setText(m_kind == Kind::None ? QStringLiteral("—") : words.at(int(m_kind) - 1));
    const QString sheet = QLatin1String(OutcomeSheets[int(m_kind)]);
    if (m_outcome->styleSheet() != sheet)
        m_outcome->setStyleSheet(sheet);
    // Where the detail is cut, its whole is in the tooltip; the word is
    // never cut.
    m_detail->setMessage(m_detailText ? m_detailText() : QString());
    // A result in bold, a note plain.
    if (m_detail->property("result").toBool() != (m_kind != Kind::None)) {
        m_detail->setProperty("result", m_kind != Kind::None);
        m_detail->style()->unpolish(m_detail);
        m_detail->style()->polish(m_detail);
    }
}

void ResultBanner::fitOutcomeWidth()
{
    ensurePolished();
    m_outcome->ensurePolished();
    const QString shown = m_outcome->text();
    int widest = 0;
    int tallest = 0;
    for (const QString &word : outcomeWords()) {
        m_outcome->setText(word);
        widest = qMax(widest, m_outcome->sizeHint().width());
        tallest = qMax(tallest, m_outcome->sizeHint().height());
    }
    m_outcome->setText(shown);
    m_outcome->setFixedSize(widest, tallest);
}

void ResultBanner::changeEvent(QEvent *event)
{
    if (!event || event->type() == QEvent::LanguageChange) {
        m_lastUnits->setText(tr("Last units…"));
        m_lastUnits->setToolTip(tr("The last units written here, with their codes; a verified unit's label written again from there"));
        fitOutcomeWidth();
        paint();
    }
    if (event)
        QFrame::changeEvent(event);
}
