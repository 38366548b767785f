#pragma once
// One unit handled from start to end without an operator: open, read, then
// (for a write) write with the unit's own values where no change is given,
// check, close. Used by kvx-cli; any number run side by side.

#include <QObject>
#include <QString>

#include "radio/radiosession.h"
#include "radio/radiosettings.h"
#include "radio/settingschange.h"

class UnitJob : public QObject
{
    Q_OBJECT

public:
    // Exit statuses of kvx-cli, also the order of severity.
    enum Status {
        Success = 0,
        Usage = 1,         // usage or invalid value; nothing sent
        CannotOpen = 2,
        NoReport = 3,      // no complete settings report within the timeout
        Mismatch = 4,      // the check found differences
        PortLost = 5,      // the port vanished mid-sequence
    };

    UnitJob(const LinkConfig &config, QObject *parent = nullptr);

    void setReportTimeout(int ms) { m_timeoutMs = ms; }
    // Starts open, read, close.
    void startRead();
    // Starts open, read, write of the read values with `change` over them,
    // the check (unless `verify` is false), close.
    void startWrite(const SettingsChange &change, bool verify);
    // Starts open (the unit answers with its pass-through rate), the new rate
    // when `rate` is not 0, close.
    void startBaud(qint32 rate);

    const LinkConfig &config() const { return m_config; }
    Status status() const { return m_status; }
    bool isDone() const { return m_done; }
    QString failure() const { return m_failure; }        // one line, naming the port
    const RadioSettings &settings() const { return m_settings; }   // as read
    const WriteForm &form() const { return m_form; }               // as written
    const SequenceResult &writeResult() const { return m_writeResult; }
    bool wrote() const { return m_wrote; }
    quint32 passThroughRate() const { return m_rate; }

signals:
    void done();

private:
    void begin();
    void opened();
    void reportIn(const RadioSettings &settings);
    void sequenceEnded(int id, const SequenceResult &result);
    void fail(Status status, const QString &message);
    void closeAndFinish();

    enum Task { ReadTask, WriteTask, BaudTask };

    RadioSession m_session;
    LinkConfig m_config;
    Task m_task = ReadTask;
    SettingsChange m_change;
    bool m_verify = true;
    qint32 m_newRate = 0;
    int m_timeoutMs = RadioSession::DefaultReportTimeoutMs;

    int m_openId = 0;
    int m_readId = 0;
    int m_writeId = 0;
    int m_closeId = 0;
    bool m_readPaused = false;   // the read's own pause is over
    bool m_reportIn = false;

    Status m_status = Success;
    bool m_done = false;
    bool m_wrote = false;
    QString m_failure;
    RadioSettings m_settings;
    WriteForm m_form;
    SequenceResult m_writeResult;
    quint32 m_rate = 0;
    bool m_rateSeen = false;
};
