#include "engine/station.h"

#include <QCoreApplication>
#include <QTimer>

#include "engine/linkcontroller.h"
#include "engine/provisionbatch.h"
#include "engine/unitjob.h"
#include "protocol/writeplan.h"
#include "records/recordfile.h"
#include "records/recordlocation.h"

namespace {

struct StationText {
    Q_DECLARE_TR_FUNCTIONS(Station)
};

} // namespace

Station::Station(QObject *parent)
    : QObject(parent)
{
}

Station::~Station()
{
    // Nobody is left to hear of it.
    blockSignals(true);
    closeRecords();
}

void Station::openRecords(const QString &journal, const QString &database, int reservationTimeoutS)
{
    // The records in use (or being opened) stay: units may be writing to them.
    if (m_opened && journal == m_journal && database == m_database && m_error.isEmpty())
        return;
    m_opened = true;
    m_journal = journal;
    m_database = database;
    closeRecords();
    m_ready = false;
    m_error.clear();
    if (journal.isEmpty() && database.isEmpty()) {
        m_ready = true;
        QTimer::singleShot(0, this, [this] {
            if (!m_records)
                emit recordsOpened(true, QString());
        });
        return;
    }
    m_records = std::make_unique<RecordService>();
    RecordService *records = m_records.get();
    connect(records, &RecordService::opened, this, [this, records](bool ok, const QString &error) {
        if (records != m_records.get())
            return;
        m_ready = ok;
        m_error = error;
        emit recordsOpened(ok, error);
    });
    connect(records, &RecordService::waitingChanged, this, &Station::waitingChanged);
    connect(records, &RecordService::rowsSetAside, this, &Station::rowsSetAside);
    RecordServiceOptions options;
    options.journal = journal;
    options.database = database;
    options.reservationTimeoutS = reservationTimeoutS;
    options.boundMs = m_boundMs;
    options.who = m_identity;
    records->open(options);
}

void Station::closeRecords()
{
    if (!m_records)
        return;
    // Its requests are answered now and its threads end by themselves: the
    // caller's thread never waits for a record.
    m_records->close();
    const bool waited = m_records->waiting() > 0;
    m_records.reset();
    if (waited)
        emit waitingChanged(0);
}

void Station::openRecord(const QString &location, int reservationTimeoutS)
{
    if (recordKind(location) == RecordKind::Csv)
        openRecords(location, QString(), reservationTimeoutS);
    else
        openRecords(QString(), location, reservationTimeoutS);
}

void Station::equip(UnitJob &job) const
{
    job.setRecords(m_records.get());
    job.setRecordIdentity(m_identity);
}

void Station::equip(ProvisionBatch &batch) const
{
    batch.setRecords(m_records.get());
    batch.setRecordIdentity(m_identity);
}

void Station::equip(LinkController &link) const
{
    link.setRecords(m_records.get());
    link.setRecordIdentity(m_identity);
}

bool Station::planUnitAddresses(const QString &first, const RadioSettings &profile, LinkMode mode, int units,
                                bool recordReserves, UnitAddressPlan *plan, QString *problem)
{
    *plan = UnitAddressPlan();
    const QString text = first.trimmed();
    const bool multipoint = isMultipoint(mode);
    if (text.isEmpty()) {
        if (multipoint)
            plan->first = profile.value(Reg::UnitAddress, 1);
        return true;
    }
    if (!multipoint) {
        *problem = StationText::tr("first unit address %1: the profile is point to point, its units have no unit address")
                       .arg(text);
        return false;
    }
    if (text.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0) {
        if (!recordReserves) {
            *problem = StationText::tr("first unit address auto: the unit addresses come from a database record "
                                       "(a .kvxdb file or postgresql://...); this record cannot hand them out");
            return false;
        }
        plan->first = profile.value(Reg::UnitAddress, 1);
        plan->fromRecord = true;
        return true;
    }
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    // Every unit of the batch gets an address the unit can hold.
    const qulonglong last = ok ? value + qulonglong(std::max(units, 1) - 1) : 0;
    if (!ok || value > qulonglong(MaxAddress) || last > qulonglong(MaxAddress)) {
        *problem = StationText::tr("first unit address %1: allowed: 0 … %2 (for %n unit(s)), or auto", nullptr,
                                   std::max(units, 1))
                       .arg(text)
                       .arg(MaxAddress - qint64(std::max(units, 1) - 1));
        return false;
    }
    plan->first = qint64(value);
    return true;
}

QString Station::profileMismatch(const ProvisionProfile &profile, const LinkConfig &link)
{
    // Named as the operator sees them on the form's buttons.
    const auto modeCaption = [](LinkMode mode) {
        return isMultipoint(mode) ? StationText::tr("point to multipoint") : StationText::tr("point to point");
    };
    if (profile.product != link.product)
        return StationText::tr("The profile was refused: it is for a %1, the unit is a %2.")
            .arg(productCaption(profile.product), productCaption(link.product));
    if (profile.module != link.module)
        return StationText::tr("The profile was refused: it is for the %1 module, the unit has %2.")
            .arg(moduleCaption(profile.module), moduleCaption(link.module));
    if (profile.hasMode && profile.mode != link.mode)
        return StationText::tr("The profile was refused: it is for %1, the unit runs %2.")
            .arg(modeCaption(profile.mode), modeCaption(link.mode));
    return QString();
}

void Station::askUnitHeld(QObject *context, const RadioSettings &settings, LinkMode mode,
                          const std::function<void(bool, const QString &)> &done) const
{
    if (!isMultipoint(mode) || !hasRecords()) {
        done(false, QString());
        return;
    }
    // Asked on the records' threads: a long journal or a busy database
    // never holds up the window.
    m_records->askHeld(context, QString::number(settings.value(Reg::UnitAddress, 0)),
                       QString::number(settings.value(Reg::NetworkAddress, 0)),
                       [done](const HeldAnswer &answer) { done(answer.held, answer.error); });
}

void Station::askCodesHeld(QObject *context, const QStringList &codes,
                           const std::function<void(const QList<RecordRow> &, const QString &)> &done) const
{
    if (!hasRecords() || codes.isEmpty()) {
        done({}, QString());
        return;
    }
    m_records->askCodes(context, codes, [done](const CodesAnswer &answer) { done(answer.holders, answer.error); });
}

void Station::askNextUnit(QObject *context, const LinkController &link, const std::function<void(qint64)> &done) const
{
    const qint64 next = link.nextUnitAddress();
    if (next < 0 || !reserves()) {
        done(next);
        return;
    }
    // A record that reserves knows the addresses other stations gave out.
    m_records->askNextUnit(context, addressText(link.outcome().settings, Reg::NetworkAddress), next,
                           [done](const NextUnitAnswer &answer) { done(answer.unit); });
}
