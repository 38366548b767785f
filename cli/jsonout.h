#pragma once
// kvx-cli's JSON: what --json prints for each command, built in one place.

#include <QJsonArray>
#include <QJsonObject>
#include <QList>

#include "engine/serialports.h"
#include "protocol/radiosettings.h"
#include "records/recordstore.h"

class UnitDetector;
class UnitJob;

// Printed on stdout, one line each.
void printJson(const QJsonObject &object);
void printJson(const QJsonArray &array);
// A document went to stdout already.
bool jsonPrinted();

QJsonArray portsJson(const QList<PortEntry> &ports);
// A read: the unit (a profile as it stands), its port, settings and registers.
QJsonObject readJson(const LinkConfig &config, const RadioSettings &settings);
// One unit's write: status, exit status, lines, settings, check, refusals.
QJsonObject unitJson(const UnitJob &job);
QJsonObject provisionJson(const QJsonArray &units, qint64 networkAddress, int verified, bool interrupted,
                          int exitStatus);
// One unit checked: status (matches, differs, or why it failed), exit
// status, the settings it holds, and each setting that differs.
QJsonObject checkJson(const UnitJob &job);
QJsonObject checkBatchJson(const QJsonArray &units, int matching, bool interrupted, int exitStatus);
QJsonObject baudJson(const QString &port, quint32 rate);
QJsonObject detectJson(const UnitDetector &detector);
QJsonArray recordRowsJson(const QList<RecordRow> &rows);
// Each finding; one an unfinished attempt left names who left it.
QJsonArray findingsJson(const QList<RecordFinding> &findings, const QList<RecordRow> &rows);
