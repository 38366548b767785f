#pragma once
// The simulator's modem model answering on a pseudo-terminal inside the test
// process: nothing to start, and the test sets how slowly the unit answers.

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSocketNotifier>
#include <QTimer>

#include <memory>

#include "sim/modemmodel.h"
#include "sim/modemsession.h"

class PtyModem : public QObject
{
public:
    PtyModem(Product product, Module module);
    ~PtyModem() override;

    QString portPath() const { return m_path; }
    modemsim::ModemModel &model() { return m_model; }
    // A slow unit: each answer goes out `ms` after the one before it.
    void setAnswerGap(int ms) { m_gapMs = ms; }
    // From now on the unit answers no line (frames still).
    void setMute(bool mute) { m_mute = mute; }
    // Every byte received, and the last line among them (without its end).
    QByteArray received() const { return m_received; }
    QByteArray lastLine() const;
    // Each line received (without its end) with the time its end came, in
    // milliseconds since the modem was made.
    const QList<QPair<qint64, QByteArray>> &timedLines() const { return m_lines; }
    // When the unit last sent an answer, and when the link-close frame came
    // (-1 before it did), in the same milliseconds.
    qint64 lastAnswerAt() const { return m_lastAnswerAt; }
    qint64 closeFrameAt() const { return m_closeFrameAt; }

private:
    void readable();
    void sendDue();

    modemsim::ModemModel m_model;
    modemsim::ModemSession m_session;
    int m_master = -1;
    int m_slave = -1;   // kept open, so the master never reads a hang-up
    QString m_path;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QByteArray m_received;
    int m_gapMs = 0;
    bool m_mute = false;
    QElapsedTimer m_clock;
    QList<QPair<qint64, QByteArray>> m_due;   // answers, each with the time it goes out
    QTimer m_timer;
    QList<QPair<qint64, QByteArray>> m_lines;
    QByteArray m_partial;
    qint64 m_lastAnswerAt = -1;
    qint64 m_closeFrameAt = -1;
};
