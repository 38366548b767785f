#pragma once
// Follows the serial ports of the machine as devices come and go, without
// opening any of them (opening may toggle a modem's control lines). For a
// port list that stays current, and for anything that acts on a newly
// plugged adapter.
//
// Waiting costs nothing: where the system tells of changes to its device
// folders (Linux, through inotify: /dev, /dev/serial/by-id), the watcher
// sleeps until one changes and then looks only at the entries that changed.
// The paths of KVX_EXTRA_PORTS are followed through their folders (and the
// folder a link points into), so a simulator's link is seen the moment it
// is made. Where no such event exists, every port is listed again every
// FallbackPollMs.

#include <QHash>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>

#include "engine/serialports.h"

class QFileSystemWatcher;

class PortWatcher : public QObject
{
    Q_OBJECT

public:
    // Gentle: listing every port walks every terminal device of the system.
    static constexpr int FallbackPollMs = 2000;

    explicit PortWatcher(QObject *parent = nullptr);
    ~PortWatcher() override;

    // Takes the ports listed now as the starting point (no signal for them)
    // and follows them from then on. KVX_EXTRA_PORTS is read here.
    void start();
    void stop();
    bool isActive() const { return m_active; }
    // Changes are found by the timed poll, as no event tells of them.
    bool isPolling() const { return m_timer.isActive(); }

    // Lists every port again now, with the same signals as a change.
    void poll();
    // The ports followed: the system's in the order they were found, then
    // the extra paths.
    QList<PortEntry> ports() const { return m_system + m_extra; }

    // The ports listed right now, none of them opened.
    static QList<PortEntry> listedPorts();

signals:
    // Per port, then portsChanged() once for the change.
    void portAppeared(const PortEntry &port);
    void portVanished(const QString &name);
    void portsChanged();

private:
    bool watchFolders();
    void folderChanged(const QString &folder);
    void deviceFolderChanged(const QString &folder);
    void checkExtraPaths();
    void apply(const QList<PortEntry> &system, const QList<PortEntry> &extra);

    QTimer m_timer;
    QFileSystemWatcher *m_folders = nullptr;
    bool m_active = false;
    bool m_changed = false;                    // a signal went out in this turn
    QStringList m_extraPaths;                  // KVX_EXTRA_PORTS as read at start()
    QList<PortEntry> m_system;
    QList<PortEntry> m_extra;
    QHash<QString, QSet<QString>> m_entries;   // device folder -> its entries at the last look
};

Q_DECLARE_METATYPE(PortEntry)
