// Writes the seed corpora and dictionaries of the fuzz targets from the
// program's own writers (profiles, journal rows, write plans), so a seed is
// what the tool itself writes or a unit sends: fuzz_make_seeds FOLDER
// fills FOLDER/corpus/<target>/ and FOLDER/<target>.dict.

#include <QByteArray>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>

#include <cstdio>

#include "protocol/atcommands.h"
#include "protocol/profilefile.h"
#include "protocol/radiosettings.h"
#include "protocol/writeplan.h"
#include "records/recordfile.h"

namespace {

QDir root;

void fail(const QString &what)
{
    std::fprintf(stderr, "fuzz_make_seeds: %s\n", qPrintable(what));
    std::exit(1);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail(path + QStringLiteral(": ") + file.errorString());
}

void seed(const char *target, const QString &name, const QByteArray &bytes)
{
    const QString folder = root.filePath(QStringLiteral("corpus/%1").arg(QLatin1String(target)));
    QDir().mkpath(folder);
    writeFile(QDir(folder).filePath(name), bytes);
}

// The bytes of a literal, NUL bytes within it too.
template<size_t N>
QByteArray raw(const char (&text)[N])
{
    return QByteArray(text, qsizetype(N - 1));
}

QList<QByteArray> utf8(const QStringList &texts)
{
    QList<QByteArray> out;
    for (const QString &text : texts)
        out << text.toUtf8();
    return out;
}

// A dictionary of words, each once, as libFuzzer reads them.
void dictionary(const char *target, const QList<QByteArray> &words)
{
    QByteArray out = QByteArray("# Words of ") + target + ", written by fuzz_make_seeds.\n";
    QSet<QByteArray> seen;
    for (const QByteArray &bytes : words) {
        if (bytes.isEmpty() || seen.contains(bytes))
            continue;
        seen.insert(bytes);
        out += '"';
        for (const char c : bytes) {
            const auto u = quint8(c);
            out += u < 0x20 || u >= 0x7F || c == '"' || c == '\\' ? QByteArray("\\x") + QByteArray::number(u, 16).rightJustified(2, '0')
                                                                 : QByteArray(1, c);
        }
        out += "\"\n";
    }
    writeFile(root.filePath(QStringLiteral("%1.dict").arg(QLatin1String(target))), out);
}

// Every caption of every module's lists.
QStringList captions()
{
    QStringList words;
    for (Module module : allModules()) {
        for (int reg : settingRegisters())
            words += settingRows(module, reg);
    }
    return words;
}

// A unit's settings of each list's `row` (clamped), as a form would hold them.
RadioSettings settingsAt(Module module, LinkMode mode, int row, qint64 network, qint64 unit)
{
    RadioSettings s;
    for (int reg : { int(Reg::WorkMode), int(Reg::SerialBaud), int(Reg::LinkRate), int(Reg::OutputPower) }) {
        const QStringList &rows = settingRows(module, reg);
        int r = std::min(row, int(rows.size()) - 1);
        while (r > 0 && rows.at(r).isEmpty())
            --r;
        s.set(reg, valueForRow(module, reg, r));
    }
    if (s.value(Reg::WorkMode) == 0)
        s.set(Reg::RepeaterEnable, row & 1);
    s.set(Reg::NetworkAddress, network);
    if (isMultipoint(mode))
        s.set(Reg::UnitAddress, unit);
    return s;
}

void profileSeeds()
{
    int n = 0;
    for (Product product : allProducts()) {
        for (Module module : allModules()) {
            for (LinkMode mode : allLinkModes()) {
                const LinkConfig config { QStringLiteral("/dev/ttyUSB0"), product, module, mode };
                const RadioSettings s = settingsAt(module, mode, n, n * 1234567 % MaxAddress, n);
                seed("profile", QStringLiteral("profile_%1").arg(++n), profileToJson(config, s));
                if (n % 4 == 1) {
                    // As `kvx-cli read --json` prints it.
                    QJsonObject object = unitToJson(config);
                    object.insert(QStringLiteral("port"), config.port);
                    object.insert(QStringLiteral("settings"), settingsToJson(s, module, mode));
                    object.insert(QStringLiteral("registers"), registersToJson(s));
                    seed("profile", QStringLiteral("read_json_%1").arg(n), QJsonDocument(object).toJson());
                }
            }
        }
    }
    seed("profile", QStringLiteral("no_mode"), R"({"kvx-profile": 1, "product": "kv5", "module": "tarn"})");
    seed("profile", QStringLiteral("escaped_keys"),
         R"({"kvx-profile": 1, "\u0070roduct": "kv6", "module": "skerry", "settings": {"baud": "9600", "repeater": false}})");
    seed("profile", QStringLiteral("twice"), R"({"kvx-profile": 1, "product": "kv5", "product": "kv6", "module": "tarn"})");
    seed("profile", QStringLiteral("numbers"),
         R"({"kvx-profile": 1.0, "product": "kv6", "module": "half-fjord", "mode": "p2mp", "settings": {"baud": 115200, "networkAddress": 4294967295, "unitAddress": 0}})");

    QStringList words = captions() + productKeys() + moduleKeys() + modeKeys() + settingKeys();
    for (const QString &key : settingKeys())
        words << QStringLiteral("\"%1\":").arg(key);
    words << "\"kvx-profile\": 1" << "\"product\"" << "\"module\"" << "\"mode\"" << "\"settings\"" << "\"port\""
          << "\"registers\"" << "\"passThroughBaud\"" << "true" << "false" << "null" << "4294967295" << "4294967296"
          << "9007199254740993" << "1e3" << "-0" << "0.5" << "\\u0000" << "\\ud800" << "\\\"" << "{}" << "[]" << "master"
          << "slave" << "repeater" << "on" << "off";
    dictionary("profile", utf8(words));
}

void journalSeeds()
{
    QTemporaryDir folder;
    if (!folder.isValid())
        fail(QStringLiteral("no temporary folder"));
    const QString path = QDir(folder.path()).filePath(QStringLiteral("units.csv"));
    RecordFile journal(path);
    QString error;
    if (!journal.prepare(&error))
        fail(error);
    int n = 0;
    for (Module module : allModules()) {
        for (LinkMode mode : allLinkModes()) {
            UnitRecord record;
            record.time = QDateTime(QDate(2026, 12, 8), QTime(9, n, 0), Qt::UTC);
            record.config = { QStringLiteral("/dev/ttyUSB%1").arg(n), allProducts().at(n % 2), module, mode };
            record.settings = settingsAt(module, mode, n, 4000 + n, n + 1);
            record.result = QStringLiteral("pending");
            const QByteArray attempt = journal.writeRow(QByteArray(), record, &error);
            record.result = n % 3 ? QStringLiteral("verified") : QStringLiteral("mismatch");
            record.detail = n % 3 ? QString() : QStringLiteral("S103 reads 7, 8 was written");
            if (attempt.isEmpty() || journal.writeRow(attempt, record, &error).isEmpty())
                fail(error);
            ++n;
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(file.errorString());
    const QByteArray written = file.readAll();
    // Each file for the journal's own reading (0) and for an import (2).
    const auto readerSeed = [](const QString &name, const QByteArray &file) {
        seed("journal", name, '\0' + file);
        seed("journal", QStringLiteral("import_") + name, '\2' + file);
    };
    readerSeed(QStringLiteral("journal"), written);

    // An older file: no attempt column.
    const QList<QStringList> lines = parseCsv(QString::fromUtf8(written));
    QByteArray older;
    for (const QStringList &fields : lines.mid(0, 4)) {
        QStringList quoted;
        for (const QString &field : fields.mid(0, 14))
            quoted << csvField(field);
        older += quoted.join(QLatin1Char(',')).toUtf8() + "\r\n";
    }
    readerSeed(QStringLiteral("older"), older);

    // A row whose texts need quoting, written by the journal.
    UnitRecord odd;
    odd.time = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC);
    odd.config = { QStringLiteral("COM3, \"left\"\r\nport"), Product::Kv6, Module::BraeLoch, LinkMode::PointToMultipoint };
    odd.settings = settingsAt(Module::BraeLoch, LinkMode::PointToMultipoint, 2, MaxAddress, 0);
    odd.result = QStringLiteral("refused");
    odd.detail = QStringLiteral("ATS103=8 refused, \"ERROR\"");
    readerSeed(QStringLiteral("quoted"),
               recordHeader().join(QLatin1Char(',')).toUtf8() + "\r\n" + recordLine(odd, newAttemptId()));

    // The writer's end: bytes that make a row (time, product, module, mode,
    // settings present, rows, addresses, then port, result and detail).
    for (int i = 0; i < 4; ++i) {
        QByteArray bytes("\x01\x69\x55\x2e\x00", 5);
        bytes += char(i % 2) + QByteArray(1, char(i)) + char(i / 2) + char(0xFF) + QByteArray(5, char(i + 1))
                 + raw("\x00\x00\x0f\xa0\x00\x00\x00\x07");
        const QByteArray port = i == 3 ? QByteArray("a,\"b\"\r\nc") : QByteArray("/dev/ttyUSB0");
        bytes += char(port.size()) + port + char(8) + QByteArray("verified") + char(0);
        seed("journal", QStringLiteral("write_%1").arg(i), bytes);
    }

    QStringList words = recordHeader() + productKeys() + moduleKeys() + modeKeys() + captions();
    words << recordHeader().join(QLatin1Char(',')) << "," << "\"" << "\"\"" << "\r\n" << "\n" << "\r" << "on" << "off"
          << "verified" << "written" << "pending" << "released" << "mismatch" << "refused" << "failed" << "reserved"
          << "2026-12-08T09:00:00Z" << "2026-12-08T09:00:00.000+01:00" << newAttemptId() << "4294967295"
          << "4294967296" << "\xef\xbb\xbf";
    dictionary("journal", utf8(words));
}

// A settings report as a unit sends it.
QByteArray report(const RadioSettings &s, const QByteArray &header)
{
    QByteArray out = "\r\n" + header + " - active settings\r\n";
    for (auto it = s.registers.cbegin(); it != s.registers.cend(); ++it)
        out += "S" + QByteArray::number(it.key()) + "=" + QByteArray::number(it.value()) + "\r\n";
    return out + "\r\nOK\r\n";
}

void answerSeeds()
{
    int n = 0;
    for (Module module : allModules()) {
        for (LinkMode mode : allLinkModes()) {
            const RadioSettings s = settingsAt(module, mode, n, 1234, 5);
            // What the unit sends for a write: each line echoed and answered,
            // one refused, then the report of the check.
            QByteArray unit;
            int line = 0;
            for (const WriteLine &w : planWrite(s, module, mode)) {
                if (w.bytes.isEmpty())
                    continue;
                unit += w.bytes.trimmed() + "\r\n" + (++line == n % 5 + 1 ? "ERROR\r\n" : "OK\r\n");
            }
            unit += cmdReadSettings() + report(s, "KV6-KV7 " + moduleKey(module).toLatin1());
            if (n % 2)
                unit += frameLinkClose();
            // Free bytes: cuts of 7, 1 and 30 bytes.
            seed("answers", QStringLiteral("write_%1").arg(++n), raw("\x01\x03\x07\x01\x1e") + unit);
        }
    }
    seed("answers", QStringLiteral("frames"),
         raw("\x01\x01\x03") + QByteArray::fromHex("FAB0040000C201005F") + "OK\r\n" + frameLinkClose()
             + "\r\nERROR\r\n" + QByteArray::fromHex("FAE2000060") + "\rOK\r");
    seed("answers", QStringLiteral("long_lines"),
         raw("\x01\x01\x05") + QByteArray(40, 'x') + "OK\r\n       ERROR      \r\nOK\r\rERROR\n");
    // Sessions: [how][line length][line] per line sent, then the cuts.
    seed("answers", QStringLiteral("session_plain"), raw("\x00\x00\x04S104\x44\x04S105\x0c\x06S103=8\x03\x02\x01"));
    seed("answers", QStringLiteral("session_report"),
         raw("\x00\x1c\x02&V\x03\x05S101=\x07S102=x\x02OK\x9c\x02&W\x00\x05\x01\x07"));

    dictionary("answers", { "OK", "ERROR", "\r\n", "\r", "\n", " ", "AT", "AT&V", "AT&W", "ATS104=", " - active settings",
                            frameLinkClose(), QByteArray::fromHex("FAB00400"), QByteArray(1, FrameStart) });
}

void locationSeeds()
{
    const char *const locations[] = { "units.csv", "UNITS.CSV", "units.kvxdb", "/var/lib/kvx/units.kvxdb",
                                      "postgresql://kvx@localhost/units", "postgres://kvx@db.example:5433/units",
                                      "postgresql://kvx@/units?host=/run/postgresql&port=5433",
                                      "postgresql://k%40x@h%2Fx/un%3Fits", "postgresql:///units" };
    int n = 0;
    for (const char *location : locations)
        seed("location", QStringLiteral("location_%1").arg(++n), QByteArray(1, '\0') + location);
    // A name with a password: [how][user][host][database][options].
    seed("location", QStringLiteral("password_user"), raw("\x01\x01\x03kvx\x09localhost\x05units\x00"));
    seed("location", QStringLiteral("password_query"), raw("\x01\x00\x03kvx\x00\x05units\x06port=5"));
    dictionary("location", { "postgresql://", "postgres://", "@", ":", "/", "?", "&", "=", "host=", "port=", "password=",
                             "user=", "%2F", "%3F", "%40", "%3A", "%25", "%", ".csv", ".CSV", ".kvxdb", "localhost",
                             "5432", "65536", "-1" });
}

void optionSeeds()
{
    // [choice: module, mode and key][text]
    int n = 0;
    for (int key = 0; key < settingKeys().size(); ++key) {
        for (Module module : allModules()) {
            const int reg = QList<int> { Reg::WorkMode,       Reg::SerialBaud,     Reg::LinkRate,   Reg::OutputPower,
                                         Reg::RepeaterEnable, Reg::NetworkAddress, Reg::UnitAddress }
                                .at(key);
            QStringList texts = settingRows(module, reg);
            if (texts.isEmpty())
                texts = QStringList { QStringLiteral("1234"), QStringLiteral(" +0004294967295 ") };
            if (reg == Reg::RepeaterEnable)
                texts = QStringList { QStringLiteral("on"), QStringLiteral("No") };
            const char choice = char(key << 3 | 1 << 2 | int(allModules().indexOf(module)));
            for (const QString &text : texts) {
                if (!text.isEmpty() && n++ % 3 == 0)
                    seed("options", QStringLiteral("option_%1").arg(n), choice + text.toUtf8());
            }
        }
    }
    const char names = char(settingKeys().size() << 3);
    for (const QString &name : productKeys() + moduleKeys() + modeKeys() + QStringList { "4294967295" })
        seed("options", QStringLiteral("name_%1").arg(name), names + name.toUtf8());

    dictionary("options", utf8(captions() + productKeys() + moduleKeys() + modeKeys()
                              + QStringList { "master", "repeater", "slave", "on", "off", "yes", "true", "1", "0", "+",
                                              "-", " ", "4294967295", "4294967296", "18446744073709551616", "0x10" }));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        fail(QStringLiteral("give the folder to write into"));
    root = QDir(QString::fromLocal8Bit(argv[1]));
    profileSeeds();
    journalSeeds();
    answerSeeds();
    locationSeeds();
    optionSeeds();
    return 0;
}
