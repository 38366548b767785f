// kvx-config and kvx-cli as a shell user meets them: help and version with
// no display, the bash completion made from the command table, the wire's
// trace, a JSON object for every failure, and the Chinese catalogue.

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "protocol/version.h"
#include "support/simprocess.h"

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// `program` from beside the test, with no display at all and the locale given.
Run run(const QString &program, const QStringList &arguments, const QString &locale = QStringLiteral("C.UTF-8"))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.insert(QStringLiteral("LANG"), locale);
    process.setProcessEnvironment(environment);
    process.start(QCoreApplication::applicationDirPath() + QLatin1Char('/') + program, arguments);
    Run result;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void helpWithoutDisplay_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("kvx-config --help") << "kvx-config" << QStringList { "--help" } << QByteArray("--port P");
        QTest::newRow("kvx-config -h") << "kvx-config" << QStringList { "-h" } << QByteArray("--version");
        QTest::newRow("kvx-config --version") << "kvx-config" << QStringList { "--version" } << QByteArray("kvx-config " KVX_VERSION "\n");
        QTest::newRow("kvx-cli --help") << "kvx-cli" << QStringList { "--help" } << QByteArray("--trace");
        QTest::newRow("kvx-cli --version") << "kvx-cli" << QStringList { "--version" } << QByteArray("kvx-cli " KVX_VERSION "\n");
    }
    void helpWithoutDisplay()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, expected);
        const Run result = run(program, arguments);
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.out.contains(expected), result.out.constData());
        QVERIFY2(result.err.isEmpty(), result.err.constData());
    }

    // The script kvx-cli prints for bash, sourced and asked as bash asks it.
    void completion_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QStringList>("notOffered");
        QTest::newRow("commands") << "kvx-cli re" << QStringList { "read", "record" } << QStringList { "write" };
        QTest::newRow("options") << "kvx-cli write --li" << QStringList { "--link-rate" } << QStringList { "--port" };
        QTest::newRow("no other command's options") << "kvx-cli read --" << QStringList { "--port", "--trace" }
                                                    << QStringList { "--link-rate", "--profile" };
        QTest::newRow("modules") << "kvx-cli read --module " << QStringList { "tarn", "half-fjord" } << QStringList();
        QTest::newRow("the module's own powers") << "kvx-cli write --module tarn --power 1"
                                                 << QStringList { "1000mW" } << QStringList { "10dBm" };
        QTest::newRow("subcommands") << "kvx-cli record l" << QStringList { "list" } << QStringList { "check" };
        QTest::newRow("a subcommand's options") << "kvx-cli record import --" << QStringList { "--record" }
                                                << QStringList { "--network", "--csv" };
    }
    void completion()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, offered);
        QFETCH(QStringList, notOffered);
        const Run script = run(QStringLiteral("kvx-cli"), { "__generate", "bash-completion" });
        QCOMPARE(script.exitCode, 0);
        QTemporaryDir dir;
        QFile file(dir.filePath("kvx-cli"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(script.out);
        file.close();
        QStringList arguments { "-c", "source \"$1\"; shift; COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); _kvx_cli; "
                                      "printf '%s\\n' \"${COMPREPLY[@]}\"",
                                "_", file.fileName() };
        arguments += line.split(QLatin1Char(' '));
        QProcess bash;
        bash.start(QStringLiteral("bash"), arguments);
        QVERIFY(bash.waitForFinished(30000));
        QCOMPARE(bash.readAllStandardError(), QByteArray());
        const QStringList reply = QString::fromUtf8(bash.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString &word : offered)
            QVERIFY2(reply.contains(word), qPrintable(reply.join(QLatin1Char(' '))));
        for (const QString &word : notOffered)
            QVERIFY2(!reply.contains(word), qPrintable(reply.join(QLatin1Char(' '))));
    }

    // Every byte of a read, with its time, in hex where a frame is.
    void traceShowsTheRead_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("KV5") << "kv5" << QStringList { "sent     AT&V\\r\\n", "received \\r\\nKV5 Tarn", "S101=0\\r\\n" };
        QTest::newRow("KV6 - KV7 frames") << "kv6" << QStringList { "sent     AT&V\\r\\n", "(hex: fa ", "received " };
    }
    void traceShowsTheRead()
    {
        QFETCH(QString, product);
        QFETCH(QStringList, expected);
        SimProcess sim;
        QVERIFY2(sim.start({ "--product", product, "--module", "tarn" }), qPrintable(sim.errorString()));
        const Run result = run(QStringLiteral("kvx-cli"), { "read", "--port", sim.portPath(), "--product", product,
                                                            "--module", "tarn", "--trace", "--quiet" });
        QVERIFY2(result.exitCode == 0, result.err.constData());
        const QString trace = QString::fromUtf8(result.err);
        for (const QString &text : expected)
            QVERIFY2(trace.contains(text), qPrintable(trace));
        const QRegularExpression timed(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d %1 sent     AT&V\\\\r\\\\n$")
                                           .arg(QRegularExpression::escape(sim.portPath())),
                                       QRegularExpression::MultilineOption);
        QVERIFY2(timed.match(trace).hasMatch(), qPrintable(trace));
        // The trace is on stderr only: stdout holds the settings.
        QVERIFY(!result.out.contains("AT&V"));
    }

    void jsonFailure_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown option") << QStringList { "read", "--bogus", "--json" } << 1 << "bogus";
        QTest::newRow("missing option") << QStringList { "read", "--json" } << 1 << "--port";
        QTest::newRow("record not there") << QStringList { "record", "list", "--record", "/nonexistent/units.kvxdb", "--json" }
                                          << 1 << "/nonexistent/units.kvxdb";
        QTest::newRow("port not there") << QStringList { "read", "--port", "/nonexistent/ttyKVX", "--product", "kv5",
                                                         "--module", "tarn", "--json" }
                                        << 2 << "/nonexistent/ttyKVX";
    }
    void jsonFailure()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, error);
        const Run result = run(QStringLiteral("kvx-cli"), arguments);
        QCOMPARE(result.exitCode, status);
        QJsonParseError parseError;
        const QJsonObject object = QJsonDocument::fromJson(result.out, &parseError).object();
        QVERIFY2(parseError.error == QJsonParseError::NoError, result.out.constData());
        QCOMPARE(object.value("exitStatus").toInt(-1), status);
        QVERIFY2(object.value("error").toString().contains(error), result.out.constData());
        // One rule for all JSON: an object a line.
        QCOMPARE(result.out.count('\n'), 1);
    }

    // A command line either program cannot take: said in its own words,
    // naming the help to read, before any window (no display here).
    void refusedCommandLines_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("said");
        QTest::newRow("kvx-config --bogus") << "kvx-config" << QStringList { "--bogus" } << 2
                                            << QStringList { "kvx-config: --bogus: no such option", "Usage: kvx-config [--port P]" };
        QTest::newRow("kvx-config --port") << "kvx-config" << QStringList { "--port" } << 2
                                           << QStringList { "kvx-config: --port needs a value" };
        QTest::newRow("kvx-cli write --bogus") << "kvx-cli" << QStringList { "write", "--bogus" } << 1
                                               << QStringList { "kvx-cli: --bogus: no such option (see kvx-cli help write)" };
        QTest::newRow("kvx-cli read --port") << "kvx-cli" << QStringList { "read", "--port" } << 1
                                             << QStringList { "kvx-cli: --port needs a value (see kvx-cli help read)" };
        QTest::newRow("kvx-cli label, its helper's words") << "kvx-cli" << QStringList { "label", "--record", "/nonexistent.csv", "--serial", "X", "--pdf", "/tmp/x.pdf" }
                                                           << 1 << QStringList { "kvx-cli: --record /nonexistent.csv: no such record" };
    }
    void refusedCommandLines()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QStringList, said);
        const Run result = run(program, arguments);
        QCOMPARE(result.exitCode, status);
        for (const QString &text : said)
            QVERIFY2(result.err.contains(text.toUtf8()), result.err.constData());
        QVERIFY2(!result.err.contains("kvx-print") && !result.err.contains("QStandardPaths"), result.err.constData());
        QVERIFY(result.out.isEmpty());
    }

    // In Chinese the help and the values are Chinese, the keys of a read
    // stay the words scripts look for, each with ": ".
    void chineseKeepsKeys()
    {
        SimProcess sim;
        QVERIFY2(sim.start({ "--product", "kv5", "--module", "tarn" }), qPrintable(sim.errorString()));
        const Run result = run(QStringLiteral("kvx-cli"), { "read", "--port", sim.portPath(), "--product", "kv5", "--module", "tarn", "--quiet" },
                               QStringLiteral("zh_CN.UTF-8"));
        QVERIFY2(result.exitCode == 0, result.err.constData());
        const QStringList lines = QString::fromUtf8(result.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 6);
        for (const QString &line : lines)
            QVERIFY2(QRegularExpression(QStringLiteral("^[a-z ]+: \\S")).match(line).hasMatch(), qPrintable(line));
        QVERIFY2(lines.contains(QString::fromUtf8("work mode: 主站")) && lines.contains(QString::fromUtf8("repeater: 关")),
                 qPrintable(lines.join(QLatin1Char('|'))));
        const Run help = run(QStringLiteral("kvx-cli"), { "help", "write" }, QStringLiteral("zh_CN.UTF-8"));
        QVERIFY2(QString::fromUtf8(help.out).contains(QString::fromUtf8("无线链路速率")), help.out.constData());
    }

    // The window's catalogues speak for kvx-cli too, plurals included.
    void followsTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zh_CN usage") << "zh_CN.UTF-8" << QStringList { "read" } << QString::fromUtf8("需要 --port");
        QTest::newRow("zh_CN engine") << "zh_CN.UTF-8"
                                      << QStringList { "read", "--port", "/nonexistent/ttyKVX", "--product", "kv5", "--module", "tarn" }
                                      << QString::fromUtf8("无法打开端口");
        QTest::newRow("en usage") << "en_US.UTF-8" << QStringList { "read" } << "--port is needed";
    }
    void followsTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        const Run result = run(QStringLiteral("kvx-cli"), arguments, locale);
        QVERIFY(result.exitCode > 0);
        QVERIFY2(QString::fromUtf8(result.err).contains(expected), result.err.constData());
    }
};

QTEST_GUILESS_MAIN(TestShell)
#include "tst_shell.moc"
