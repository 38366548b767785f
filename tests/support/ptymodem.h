#pragma once
// The simulator's modem model answering on a pseudo-terminal inside the test
// process: no simulator to start, and the test decides how slowly the unit
// answers. The engine opens portPath() as it would a serial port.

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QTimer>

#include <memory>

#include "sim/modemmodel.h"
#include "sim/modemsession.h"

class QSocketNotifier;

class PtyModem : public QObject
{
    Q_OBJECT

public:
    PtyModem(Product product, Module module, QObject *parent = nullptr);
    ~PtyModem() override;

    bool isValid() const { return m_master >= 0; }
    QString portPath() const { return m_path; }
    modemsim::ModemModel &model() { return m_model; }

    // A slow unit: each answer goes out `ms` after the one before it (and
    // after its line came), so answers fall behind the lines.
    void setAnswerGap(int ms) { m_gapMs = ms; }
    // A unit that stops answering lines (frames still) from now on.
    void setMute(bool mute) { m_mute = mute; }

    // Every byte the unit received, and the lines among them (without their
    // line ends; frames left out).
    QByteArray received() const { return m_received; }
    QList<QByteArray> receivedLines() const;

private:
    void readable();
    void sendDue();

    modemsim::ModemModel m_model;
    modemsim::ModemSession m_session;
    int m_master = -1;
    int m_slave = -1;   // kept open, so the master never reads a hang-up
    QString m_path;
    QSocketNotifier *m_notifier = nullptr;
    QByteArray m_received;
    int m_gapMs = 0;
    bool m_mute = false;
    QElapsedTimer m_clock;
    qint64 m_lastDueMs = 0;
    QList<QPair<qint64, QByteArray>> m_queue;   // answers with the time each is due
    QTimer m_timer;
};
