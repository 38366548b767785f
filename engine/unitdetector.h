#pragma once
// Finds out what answers on a port: a KV5 at 9600 baud (AT&V), else a
// KV6 - KV7 at 115200 (link-open frame, then the read), and which modules'
// lists hold every value the unit reported. Each try closes its link
// properly before the next.

#include <QList>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>

#include "protocol/radiosettings.h"

class UnitJob;

class UnitDetector : public QObject
{
    Q_OBJECT

public:
    explicit UnitDetector(const QString &port, QObject *parent = nullptr);
    ~UnitDetector() override;

    // How long each try waits for a report; units answer within a few
    // hundred milliseconds, so a try that hears nothing ends soon.
    static constexpr int QuickReportTimeoutMs = 700;
    void setReportTimeout(int ms) { m_timeoutMs = ms; }
    void start();
    // Stops after the current try, closing its link properly.
    void interrupt();

    QString port() const { return m_port; }
    bool isDone() const { return m_done; }
    // The product that answered; none when nothing did.
    std::optional<Product> product() const { return m_product; }
    // The report as the unit holds it.
    const RadioSettings &settings() const { return m_settings; }
    // The module whose lists name the report's values: the first that fits.
    Module shownModule() const { return m_modules.value(0, Module::Tarn); }
    // Every module whose lists hold all the reported values.
    const QList<Module> &modules() const { return m_modules; }
    // "Tarn or Skerry", or "none of the modules" when no list fits.
    QString modulesText() const;
    // How the report's value of the listed setting `reg` reads: its caption
    // where every candidate module reads it alike, else what each would
    // read with the register value ("230400 on Tarn; 115200 on Skerry or
    // Half Fjord (S103=1)"), or only the register value where no module fits.
    // Empty when the unit did not report it.
    QString reading(int reg) const;
    // Why nothing was found (the port would not open, no answer).
    QString failure() const { return m_failure; }
    bool portOpened() const { return m_portOpened; }
    // The port opened for a try, and vanished before the end.
    bool portLost() const { return m_portLost; }

signals:
    // "KV5 at 9600 baud", then "KV6 - KV7 at 115200 baud".
    void trying(Product product);
    void done();

private:
    void tryProduct(Product product);
    void tried();

    QString m_port;
    int m_timeoutMs = QuickReportTimeoutMs;
    std::unique_ptr<UnitJob> m_job;
    Product m_trying = Product::Kv5;
    bool m_interrupted = false;
    bool m_done = false;
    bool m_portOpened = false;
    bool m_portLost = false;
    std::optional<Product> m_product;
    RadioSettings m_settings;
    QList<Module> m_modules;
    QString m_failure;
};
