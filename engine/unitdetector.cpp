#include "engine/unitdetector.h"

#include <QCoreApplication>

#include "engine/unitjob.h"

namespace {

struct UnitDetectorText {
    Q_DECLARE_TR_FUNCTIONS(UnitDetector)
};

} // namespace

UnitDetector::UnitDetector(const QString &port, QObject *parent)
    : QObject(parent)
    , m_port(port)
{
}

UnitDetector::~UnitDetector() = default;

void UnitDetector::start()
{
    tryProduct(Product::Kv5);
}

void UnitDetector::interrupt()
{
    m_interrupted = true;
    if (m_job)
        m_job->interrupt();
}

void UnitDetector::tryProduct(Product product)
{
    m_trying = product;
    LinkConfig config;
    config.port = m_port;
    config.product = product;
    // The module only names the rows; which ones fit is decided below.
    config.module = Module::Tarn;
    // Point to multipoint, so a unit address is shown when there is one.
    config.mode = LinkMode::PointToMultipoint;
    m_job = std::make_unique<UnitJob>(config);
    // A try only reads, so it need not wait out the pauses a write needs:
    // a KV5 is asked at once and its link closed as soon as the frame is
    // out; a KV6 - KV7's frames end their pauses when it answers them.
    SessionTiming timing;
    timing.reportTimeoutMs = m_timeoutMs;
    timing.pauseEndsOnReply = true;
    if (product == Product::Kv5) {
        timing.openMs = 100;
        timing.closeMs = 100;
    }
    m_job->setTiming(timing);
    // Queued: the try's job may go once its own signal has returned.
    connect(m_job.get(), &UnitJob::done, this, &UnitDetector::tried, Qt::QueuedConnection);
    emit trying(product);
    m_job->startRead();
}

void UnitDetector::tried()
{
    UnitJob *job = m_job.get();
    if (job->cause() == UnitOutcome::PortLost || (m_portOpened && job->cause() == UnitOutcome::CannotOpen))
        m_portLost = true;
    if (job->cause() != UnitOutcome::CannotOpen)
        m_portOpened = true;
    if (job->cause() == UnitOutcome::NoCause && !job->wasInterrupted()) {
        m_product = m_trying;
        m_settings = job->settings();
        for (Module module : allModules()) {
            if (reportFitsModule(m_settings, module))
                m_modules << module;
        }
    } else if (job->cause() == UnitOutcome::CannotOpen || m_portLost) {
        m_failure = job->failure();
    } else if (m_trying == Product::Kv5 && !m_interrupted) {
        tryProduct(Product::Kv6);
        return;
    } else {
        m_failure = m_interrupted ? UnitDetectorText::tr("%1: interrupted").arg(m_port)
                                  : UnitDetectorText::tr("%1: nothing answered, neither a KV5 at 9600 baud nor a "
                                                         "KV6 - KV7 at 115200 baud")
                                        .arg(m_port);
    }
    m_done = true;
    emit done();
}

QString UnitDetector::modulesText() const
{
    if (m_modules.isEmpty())
        return UnitDetectorText::tr("none of the modules");
    QStringList names;
    for (Module module : m_modules)
        names << moduleCaption(module);
    return names.join(UnitDetectorText::tr(" or "));
}

QString UnitDetector::reading(int reg) const
{
    if (!m_settings.has(reg))
        return QString();
    const QString value = QStringLiteral("S%1=%2").arg(reg).arg(m_settings.value(reg));
    if (m_modules.isEmpty())
        return value;
    // The candidates grouped by what they read, in the order of the modules.
    QStringList captions;
    QList<QStringList> readers;
    for (Module module : m_modules) {
        const QString caption = settingWords(m_settings, module, reg);
        const qsizetype at = captions.indexOf(caption);
        if (at < 0) {
            captions << caption;
            readers.append({ moduleCaption(module) });
        } else {
            readers[at] << moduleCaption(module);
        }
    }
    if (captions.size() == 1)
        return captions.first();
    QStringList readings;
    for (qsizetype i = 0; i < captions.size(); ++i)
        readings << UnitDetectorText::tr("%1 on %2").arg(captions.at(i), readers.at(i).join(UnitDetectorText::tr(" or ")));
    return QStringLiteral("%1 (%2)").arg(readings.join(QStringLiteral("; ")), value);
}
