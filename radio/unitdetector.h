#pragma once
// Finds out what answers on a port: a KV5 at 9600 baud (AT&V), else a
// KV6 - KV7 at 115200 (link-open frame, then the read), and which modules'
// lists hold every value the unit reported. Each try closes its link
// properly before the next.

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

#include "radio/radiosettings.h"

class UnitJob;

class UnitDetector : public QObject
{
    Q_OBJECT

public:
    explicit UnitDetector(const QString &port, QObject *parent = nullptr);
    ~UnitDetector() override;

    void setReportTimeout(int ms) { m_timeoutMs = ms; }
    void start();
    // Stops after the current try, closing its link properly.
    void interrupt();

    QString port() const { return m_port; }
    bool isDone() const { return m_done; }
    // -1 when nothing answered.
    int productId() const { return m_productId; }
    // The report, its captions taken from the first module that fits.
    const RadioSettings &settings() const { return m_settings; }
    // Every module whose lists hold all the reported values.
    const QList<int> &modules() const { return m_modules; }
    // "Tarn or Skerry", or "none of the modules" when no list fits.
    QString modulesText() const;
    // Why nothing was found (the port would not open, no answer).
    QString failure() const { return m_failure; }
    bool portOpened() const { return m_portOpened; }

signals:
    // "KV5 at 9600 baud", then "KV6 - KV7 at 115200 baud".
    void trying(int productId);
    void done();

private:
    void tryProduct(int productId);
    void tried();

    QString m_port;
    int m_timeoutMs = 3000;
    std::unique_ptr<UnitJob> m_job;
    int m_trying = -1;
    bool m_interrupted = false;
    bool m_done = false;
    bool m_portOpened = false;
    int m_productId = -1;
    RadioSettings m_settings;
    QList<int> m_modules;
    QString m_failure;
};
