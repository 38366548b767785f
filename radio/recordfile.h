#pragma once
// The provisioning record: one CSV row (RFC 4180) per unit written, appended
// to a file shared by the window and kvx-cli --log:
//   time,port,product,module,mode,unit_address,network_address,work_mode,
//   baud,link_rate,power,repeater,result,differences

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include "radio/radiosettings.h"

struct SequenceResult;

struct UnitRecord {
    QDateTime time;            // written in UTC
    LinkConfig config;         // port, product, module and mode
    RadioSettings settings;    // what was written
    QString result;            // verified, written, mismatch or failed
    QList<RegisterDifference> differences;
};

// verified, written (not checked), mismatch, or failed (not stored).
QString recordResult(const SequenceResult &result);

const QStringList &recordHeader();

// Appends one row (the header first when the file is new). Earlier rows are
// never rewritten, and a row torn by a crash is closed off before the next.
bool appendRecord(const QString &path, const UnitRecord &record, QString *error = nullptr);
// Every row of the file, the header included; empty when there is no file.
QList<QStringList> readRecordRows(const QString &path);
// Whether a row already holds this unit address on this network address.
bool recordHoldsUnit(const QString &path, const QString &unitAddress, const QString &networkAddress);

QString csvField(const QString &text);
QList<QStringList> parseCsv(const QString &text);
