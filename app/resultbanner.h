#pragma once
// A write's result, readable from the bench a metre away: the outcome word
// first and large, on its colour (VERIFIED green, WRITTEN, NOT CHECKED blue,
// FAILED red), then the cause of a failure and the values the unit holds,
// cut at the end with the whole in the tooltip; the outcome word itself has
// the room for the longest of them and is never cut. Beside it, the day at
// this station: units verified on the network today and the next unit
// address, and the last units (with their codes) a click away.

#include <QFrame>

#include <functional>

class QLabel;
class QPushButton;
class StatusLabel;
struct UnitOutcome;

class ResultBanner : public QFrame
{
    Q_OBJECT

public:
    explicit ResultBanner(QWidget *parent = nullptr);

    // The end of a write; `values`: what the unit was written, named
    // (empty where nothing was stored). Said again on a language change.
    void showOutcome(const UnitOutcome &outcome, const std::function<QString()> &values);
    // No result on show (a new unit is linked, a write runs): `note` says why.
    void showNote(const std::function<QString()> &note);
    // The day's line.
    void setDay(const QString &text, const QString &toolTip);

    // Every outcome word, in the language installed now.
    static QStringList outcomeWords();
    QLabel *outcomeLabel() const { return m_outcome; }
    StatusLabel *detailLabel() const { return m_detail; }

signals:
    void lastUnitsRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    enum class Kind { None, Verified, Written, Failed };
    void paint();
    // The outcome word's room: its longest, in the language on show.
    void fitOutcomeWidth();

    QLabel *m_outcome = nullptr;
    StatusLabel *m_detail = nullptr;
    StatusLabel *m_day = nullptr;
    QPushButton *m_lastUnits = nullptr;
    Kind m_kind = Kind::None;
    std::function<QString()> m_detailText;
};
