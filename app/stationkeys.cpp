#include "app/stationkeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <utility>

StationKeys::StationKeys(QWidget *window, std::function<bool()> active, QWidget *exempt)
    : QObject(window)
    , m_window(window)
    , m_active(std::move(active))
    , m_exempt(exempt)
{
    clock.start();
    // Twice a scanner's gap: a key of the burst held up by a busy moment
    // still comes in time, and a person's typing is late by no more.
    releaseTimer.setSingleShot(true);
    releaseTimer.setInterval(2 * ScanBurst::maxGapMs);
    connect(&releaseTimer, &QTimer::timeout, this, &StationKeys::release);
    qApp->installEventFilter(this);
}

StationKeys::~StationKeys()
{
    qApp->removeEventFilter(this);
}

// The key's own time where the system gives one (the moment it was typed,
// however late it is handled), else the moment it is handled.
qint64 StationKeys::timeOf(const QKeyEvent *key) const
{
    return key->timestamp() ? qint64(key->timestamp()) : clock.elapsed();
}

// A key meant for the window: one the application hands to the focused
// widget of the window (it passes on to the widget's parents unseen).
bool StationKeys::ours(QObject *watched) const
{
    if (!watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    return widget == QApplication::focusWidget() && widget->window() == m_window;
}

bool StationKeys::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (replaying || (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) || !ours(watched))
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (type == QEvent::ShortcutOverride) {
        // Left unaccepted, the key goes to the window's menus rather than to
        // the field's editing (a line edit's Ctrl+E moves to the line's end).
        for (const QKeySequence &sequence : std::as_const(windowKeys)) {
            if (key->keyCombination() == sequence[0]) {
                event->ignore();
                return true;
            }
        }
        return false;
    }
    if (!m_active() || watched == m_exempt) {
        release();
        return false;
    }
    // A scanner presses Shift around its capitals as a keyboard does; a
    // modifier alone is neither typing nor a character.
    switch (key->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
        return false;
    default:
        break;
    }
    const qint64 at = timeOf(key);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const bool returnKey = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (returnKey && modifiers == Qt::NoModifier && burst.endsScan(at)) {
        const QString code = burst.code();
        burst.clear();
        held.clear();
        releaseTimer.stop();
        emit scanned(code);
        return true;
    }
    const bool character = modifiers == Qt::NoModifier && !key->isAutoRepeat() && key->text().size() == 1
                           && key->text().at(0).isPrint();
    if (!character) {
        // Typing, not a scan: what was held goes first, then this key.
        release();
        return false;
    }
    if (!burst.continues(at))
        release();
    burst.hold(key->text(), at);
    held.append({ static_cast<QWidget *>(watched), key->key(), key->modifiers(), key->text() });
    releaseTimer.start();
    return true;
}

void StationKeys::release()
{
    releaseTimer.stop();
    burst.clear();
    const QList<HeldKey> keys = std::exchange(held, {});
    replaying = true;
    for (const HeldKey &key : keys) {
        if (!key.to)
            continue;
        QKeyEvent press(QEvent::KeyPress, key.key, key.modifiers, key.text);
        QCoreApplication::sendEvent(key.to, &press);
    }
    replaying = false;
}
