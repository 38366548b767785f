#pragma once
// The keyboard as the bench uses it, for the whole main window: a barcode
// scanner's burst is taken as a unit code wherever the focus is (while the
// code field is shown), and the window's own keys (Exit's Ctrl+E) act also
// where a text field would take them for editing.
//
// A character typed into the window is held for a moment: the next one
// coming within a scanner's pace holds it on, a Return at that pace makes
// the held characters a code (scanned()), and anything else (a pause, a
// key that is no character) lets them go on, in order, to where they were
// typed. So a scan never lands in a field or a list it was not meant for.

#include <QElapsedTimer>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

#include "app/scanburst.h"

class QKeyEvent;
class QWidget;

class StationKeys : public QObject
{
    Q_OBJECT

public:
    // Keys of `window` (and the widgets in it); `active` says whether bursts
    // are looked for now (the code field is shown), `exempt` the widget that
    // takes its typing itself (the code field).
    StationKeys(QWidget *window, std::function<bool()> active, QWidget *exempt);
    ~StationKeys() override;

    // Keys the window keeps for itself, whatever field has the focus.
    void setWindowKeys(const QList<QKeySequence> &keys) { windowKeys = keys; }

signals:
    void scanned(const QString &code);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct HeldKey {
        QPointer<QWidget> to;
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
    };

    bool ours(QObject *watched) const;
    qint64 timeOf(const QKeyEvent *key) const;
    // The held characters go on, as typed.
    void release();

    QWidget *m_window;
    std::function<bool()> m_active;
    QWidget *m_exempt;
    QList<QKeySequence> windowKeys;
    ScanBurst burst;
    QList<HeldKey> held;
    QTimer releaseTimer;
    QElapsedTimer clock;
    bool replaying = false;
};
