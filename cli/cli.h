#pragma once
// kvx-cli: the command line read once, the commands run from one table
// (commands.h), and what every command shares: the options that name a unit
// and its settings, the records, the units run to their ends.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QMap>
#include <QSocketNotifier>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

#include "cli/progress.h"
#include "engine/unitjob.h"
#include "protocol/profilefile.h"
#include "records/recordfile.h"

class ProvisionBatch;
class Station;
class QCoreApplication;
struct CliCommand;

// Parses the command line, runs the command, returns the exit status.
int runCli(int argc, char *argv[]);

// A usage error or an invalid value: said on stderr, nothing sent (exit 1).
struct UsageError {
    QString message;
};

class Cli
{
    Q_DECLARE_TR_FUNCTIONS(Cli)

public:
    // The hidden command that prints the manual page or the bash completion
    // (the build makes both from the table of commands).
    static constexpr char GenerateCommand[] = "__generate";

    explicit Cli(QCoreApplication &app);
    int run();
    // The folder of the catalogues (chinese.qm, english.qm): beside kvx-cli
    // in the build tree, or the window's where the package put both.
    static QString catalogueFolder();

    // The commands (commands.cpp); `arguments` are the positional ones,
    // the command's name first.
    int ports(const QStringList &arguments);
    int read(const QStringList &arguments);
    int write(const QStringList &arguments);
    int provision(const QStringList &arguments);
    int check(const QStringList &arguments);
    int baud(const QStringList &arguments);
    int detect(const QStringList &arguments);
    int recordList(const QStringList &arguments);
    int recordCheck(const QStringList &arguments);
    int recordImport(const QStringList &arguments);
    int recordExport(const QStringList &arguments);
    int recordRelease(const QStringList &arguments);
    int recordReport(const QStringList &arguments);
    int label(const QStringList &arguments);
    int recordSync(const QStringList &arguments);
    int serve(const QStringList &arguments);

private:
    void addOptions();
    // A command line the parser refused, said in kvx-cli's own words.
    QString parseError() const;
    // The command named first, or one of its subcommands, after the options
    // given were checked against those it takes.
    int dispatch(const CliCommand &command, const QStringList &arguments);
    int generate(const QStringList &arguments);
    // With --json, a failure that printed no JSON prints an object with the
    // error and the exit status; returns `status`.
    int failedJson(int status);
    void allowOnly(const QStringList &names) const;
    QString need(const char *name) const;
    QString onePort() const;
    int timeout() const;
    int reservationTimeout() const;
    QString addressOption(const char *name) const;
    LinkConfig configFromOptions(const QString &port, const ProvisionProfile *profile, bool modeNeeded) const;
    RadioSettings changeFromOptions(const LinkConfig &config, const ProvisionProfile *profile) const;
    ProvisionProfile loadProfile(const QString &path) const;

    // The station: --log and --record, opened and checked writable before
    // any port is opened, and who writes.
    void openStation();
    // Waits a bounded time (--record-wait) for rows still kept here for the
    // shared record and says what still waits; the exit status for it when
    // `status` says nothing else.
    int waitForRecord(int status);
    int recordWait() const;
    // --record-timeout: the longest a unit waits for the record before its
    // first line, in seconds.
    int recordTimeout() const;
    // How long the end waits for the records' threads once they are closed.
    static constexpr int EndJoinMs = 900;
    // Runs kvx-print with `arguments`, its output and status as ours.
    int runPrinter(const QStringList &arguments);
    // The units' own codes of --serial and --serials, by port; codes given
    // without a port go to the ports without one in order or, with --watch,
    // into `queued` for the units that appear.
    QMap<QString, QString> unitCodes(const QStringList &ports, QStringList *queued = nullptr) const;
    // Refuses (a usage error) codes the record holds for a unit already,
    // unless --replace; before any port is opened.
    void refuseHeldCodes(const QStringList &codes);
    // On an assembly line: each line of standard input is the code of the
    // next unit, read as it comes, refused when it breaks the rule, was
    // given before (`given` and every line since) or, for a write, is held.
    void readCodesFromInput(ProvisionBatch &batch, const QStringList &given);
    // A batch's codes (unitCodes()), and standard input's on --watch.
    void takeUnitCodes(ProvisionBatch &batch, const QMap<QString, QString> &codes, const QStringList &queued);
    // " [code X]" after a unit's result line; empty without a code.
    static QString codeNote(const UnitJob &unit);
    QString stationName() const;
    QString operatorName() const;
    // A record subcommand's files after its name: `files` of them.
    void takeFiles(const QStringList &arguments, int files) const;
    // The --record that record's subcommands work on.
    void openRecordOption();
    // Its rows (of --network, when given); false when they cannot be read,
    // with the exit status in `status`.
    bool recordRows(QList<RecordRow> *rows, int *status);

    // Runs the jobs to their ends; `unitEnded` is called for each the moment
    // its outcome is known. Returns the signal that stopped them, or 0.
    int runJobs(const std::vector<std::unique_ptr<UnitJob>> &jobs, const std::function<void(UnitJob &)> &start,
                const std::function<void(const UnitJob &)> &unitEnded);
    // One unit asked what it holds (read, baud): its failure printed, the
    // exit status returned; Success when it answered.
    int askOneUnit(const std::vector<std::unique_ptr<UnitJob>> &jobs, const std::function<void(UnitJob &)> &start);
    // The --port list of a batch: each port once, none empty; or --watch.
    QStringList batchPorts() const;
    // Starts watching for ports that appear, saying what it waits for.
    void watchPorts(ProvisionBatch &batch);
    // The step a unit is at, on the progress board.
    void showStep(const QString &port, UnitStep step, int line, int lines);

    QCoreApplication &m_app;
    QCommandLineParser m_parser;
    QList<QCommandLineOption> m_options;
    QString m_command;
    bool m_json = false;
    QString m_failure;   // a usage error, for --json
    std::unique_ptr<ProgressBoard> m_board;
    std::unique_ptr<Station> m_station;        // --log, --record and who writes, for the units
    std::unique_ptr<RecordStore> m_database;   // --record, for the record's subcommands
    std::unique_ptr<QFile> m_input;            // standard input, for codes
    std::unique_ptr<QSocketNotifier> m_inputNotifier;
    QByteArray m_inputLine;
    QStringList m_codesGiven;                  // this run's codes, for the lines that follow
};
