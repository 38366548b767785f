#include "engine/portwatcher.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSerialPortInfo>

#include <optional>

namespace {

bool listsName(const QList<PortEntry> &ports, const QString &name)
{
    for (const PortEntry &port : ports) {
        if (port.name == name)
            return true;
    }
    return false;
}

QStringList extraPaths()
{
    return qEnvironmentVariable("KVX_EXTRA_PORTS").split(QDir::listSeparator(), Qt::SkipEmptyParts);
}

// Walks every terminal device of the system: only at the start, on request,
// and where nothing tells of changes.
QList<PortEntry> systemPorts()
{
    QList<PortEntry> ports;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos)
        ports.append({ info.portName(), info.systemLocation(),
                       portDescription(info.description(), info.manufacturer(), info.serialNumber()) });
    return ports;
}

QList<PortEntry> existingExtraPorts(const QStringList &paths, const QList<PortEntry> &system)
{
    QList<PortEntry> ports;
    for (const QString &path : paths) {
        if (!listsName(system, path) && !listsName(ports, path) && QFileInfo::exists(path))
            ports.append({ path, path, QString() });
    }
    return ports;
}

// The folder `path` is in, or the nearest one above it that exists, whose
// change tells of the folder being made.
QString nearestFolder(const QString &path)
{
    QString folder = QFileInfo(path).absolutePath();
    while (!QFileInfo(folder).isDir()) {
        const QString up = QFileInfo(folder).absolutePath();
        if (up == folder)
            break;
        folder = up;
    }
    return folder;
}

#ifdef Q_OS_LINUX

const char DeviceFolder[] = "/dev";
// udev's names for the adapters it has set up, made with the first one.
const char *const UdevFolders[] = { "/dev/serial", "/dev/serial/by-id" };

bool isDeviceFolder(const QString &folder)
{
    return folder == QLatin1String(DeviceFolder) || folder == QLatin1String(UdevFolders[0])
           || folder == QLatin1String(UdevFolders[1]);
}

QSet<QString> entriesOf(const QString &folder)
{
    const QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    return QSet<QString>(names.begin(), names.end());
}

// Whether the device /dev/`name` is a serial port as the system lists them,
// looking at this one device: a terminal with a device behind it (an
// adapter, a built-in port), or one of the virtual kinds listed as well
// (Bluetooth rfcomm, tty0tty null modems, a USB gadget's serial function).
std::optional<PortEntry> serialDevice(const QString &name)
{
    const QString tty = QStringLiteral("/sys/class/tty/") + name;
    if (!QFileInfo::exists(tty))
        return std::nullopt;
    // What the system says of a port found, looked up once when it appears.
    const auto found = [&name] {
        return std::optional<PortEntry>(
            PortEntry { name, QLatin1String(DeviceFolder) + QLatin1Char('/') + name, describePort(name) });
    };
    if (QFileInfo::exists(tty + QStringLiteral("/device"))) {
        // A built-in UART counts only when fitted, which the system's own
        // listing finds out; such ports are seldom plugged in.
        if (QFileInfo(tty + QStringLiteral("/device/driver")).symLinkTarget().endsWith(QLatin1String("/serial8250"))) {
            const QList<PortEntry> listed = systemPorts();
            return listsName(listed, name) ? found() : std::nullopt;
        }
        return found();
    }
    for (const char *prefix : { "rfcomm", "tnt", "ttyGS" }) {
        if (name.startsWith(QLatin1String(prefix)))
            return found();
    }
    return std::nullopt;
}

#endif

} // namespace

PortWatcher::PortWatcher(QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(FallbackPollMs);
    connect(&m_timer, &QTimer::timeout, this, &PortWatcher::poll);
}

PortWatcher::~PortWatcher() = default;

void PortWatcher::start()
{
    stop();
    m_active = true;
    m_extraPaths = extraPaths();
    // Watched before the first listing, so that nothing falls between them.
    const bool events = watchFolders();
    m_system = systemPorts();
    m_extra = existingExtraPorts(m_extraPaths, m_system);
    if (!events)
        m_timer.start();
}

void PortWatcher::stop()
{
    m_active = false;
    m_timer.stop();
    m_entries.clear();
    if (m_folders) {
        // Later: this may run inside the watcher's own signal.
        m_folders->disconnect(this);
        m_folders->deleteLater();
        m_folders = nullptr;
    }
}

void PortWatcher::poll()
{
    m_changed = false;
    m_extraPaths = extraPaths();
    const QList<PortEntry> system = systemPorts();
    apply(system, existingExtraPorts(m_extraPaths, system));
    if (m_active && m_folders)
        watchFolders();
    if (m_changed)
        emit portsChanged();
}

QList<PortEntry> PortWatcher::listedPorts()
{
    const QList<PortEntry> system = systemPorts();
    return system + existingExtraPorts(extraPaths(), system);
}

// Watches the folders whose changes matter now; false when the system's
// device folder cannot be watched, so that only a poll finds its changes.
bool PortWatcher::watchFolders()
{
#ifdef Q_OS_LINUX
    if (!m_folders) {
        m_folders = new QFileSystemWatcher(this);
        connect(m_folders, &QFileSystemWatcher::directoryChanged, this, &PortWatcher::folderChanged);
    }
    QStringList wanted { QLatin1String(DeviceFolder) };
    for (const char *folder : UdevFolders) {
        if (QFileInfo(QLatin1String(folder)).isDir())
            wanted << QLatin1String(folder);
    }
    for (const QString &path : std::as_const(m_extraPaths)) {
        wanted << nearestFolder(path);
        // A link is gone with what it points to (a pseudo-terminal closed).
        const QFileInfo info(path);
        if (info.isSymLink() && info.exists())
            wanted << QFileInfo(info.canonicalFilePath()).absolutePath();
    }
    wanted.removeDuplicates();

    const QStringList watched = m_folders->directories();
    QStringList unwanted;
    for (const QString &folder : watched) {
        if (!wanted.contains(folder))
            unwanted << folder;
    }
    if (!unwanted.isEmpty())
        m_folders->removePaths(unwanted);
    for (const QString &folder : unwanted)
        m_entries.remove(folder);
    for (const QString &folder : std::as_const(wanted)) {
        if (watched.contains(folder) || !m_folders->addPath(folder))
            continue;
        if (isDeviceFolder(folder))
            m_entries.insert(folder, entriesOf(folder));
    }
    return m_folders->directories().contains(QLatin1String(DeviceFolder));
#else
    return false;
#endif
}

void PortWatcher::folderChanged(const QString &folder)
{
    m_changed = false;
    if (m_entries.contains(folder))
        deviceFolderChanged(folder);
    if (!m_active)
        return;
    // A folder made (udev's, an extra path's), a link pointing elsewhere.
    watchFolders();
    checkExtraPaths();
    if (m_changed)
        emit portsChanged();
}

// Only the entries that changed are looked at, and each port followed is
// checked for being gone.
void PortWatcher::deviceFolderChanged(const QString &folder)
{
#ifdef Q_OS_LINUX
    const QSet<QString> now = entriesOf(folder);
    QSet<QString> &before = m_entries[folder];
    QStringList candidates;
    for (const QString &name : now) {
        if (before.contains(name))
            continue;
        if (folder == QLatin1String(DeviceFolder)) {
            candidates << name;
            continue;
        }
        // udev's name links to the device, which may have been no port yet
        // when it appeared.
        const QFileInfo device(QFileInfo(folder + QLatin1Char('/') + name).canonicalFilePath());
        if (device.absolutePath() == QLatin1String(DeviceFolder))
            candidates << device.fileName();
    }
    before = now;

    QList<PortEntry> system;
    for (const PortEntry &port : std::as_const(m_system)) {
        if (QFileInfo::exists(port.path))
            system << port;
    }
    for (const QString &name : std::as_const(candidates)) {
        if (listsName(system, name))
            continue;
        if (const std::optional<PortEntry> port = serialDevice(name))
            system << *port;
    }
    apply(system, m_extra);
#else
    Q_UNUSED(folder)
#endif
}

void PortWatcher::checkExtraPaths()
{
    apply(m_system, existingExtraPorts(m_extraPaths, m_system));
}

// Takes the new lists, then tells what differs from the old ones.
void PortWatcher::apply(const QList<PortEntry> &system, const QList<PortEntry> &extra)
{
    const QList<PortEntry> before = ports();
    m_system = system;
    m_extra = extra;
    const QList<PortEntry> now = ports();
    for (const PortEntry &port : before) {
        if (!listsName(now, port.name)) {
            m_changed = true;
            emit portVanished(port.name);
        }
    }
    for (const PortEntry &port : now) {
        if (!listsName(before, port.name)) {
            m_changed = true;
            emit portAppeared(port);
        }
    }
}
