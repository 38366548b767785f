#include "advert/advertisedialog.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QImage>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QSignalSpy>
#include <QSslKey>
#include <QSslServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

constexpr int patience = 60000;
constexpr int firstMs = 3600000, rotationMs = 3500000; // no tick comes by itself

QByteArray png(int colour)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::GlobalColor(colour));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "PNG");
    return bytes;
}

QStringList files(const QString &path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// HTTPS/1.1 on 127.0.0.1. Paths are answered from `bodies` (a null body is a
// 404, an unknown path gets a picture); requests for `held` paths wait for
// release(), so a test decides the order of arrival.
struct Site
{
    QSslServer server;
    QHash<QString, QByteArray> bodies;
    QSet<QString> held;
    QHash<QString, QTcpSocket *> waiting;
    QStringList requested;

    explicit Site(const QSslConfiguration &config)
    {
        server.setSslConfiguration(config);
        QObject::connect(&server, &QTcpServer::pendingConnectionAvailable, &server, [this] {
            while (QTcpSocket *socket = server.nextPendingConnection()) {
                QObject::connect(socket, &QIODevice::readyRead, socket, [this, socket] {
                    QByteArray input = socket->property("input").toByteArray() + socket->readAll();
                    for (qsizetype end; (end = input.indexOf("\r\n\r\n")) >= 0; input.remove(0, end + 4)) {
                        const QString path = QString::fromLatin1(input.left(end).split(' ').value(1).mid(1));
                        requested << path;
                        held.contains(path) ? void(waiting.insert(path, socket)) : answer(socket, path);
                    }
                    socket->setProperty("input", input);
                });
            }
        });
        server.listen(QHostAddress::LocalHost);
    }
    QString root(const char *host = "127.0.0.1") const
    {
        return QStringLiteral("https://%1:%2/").arg(QLatin1String(host)).arg(server.serverPort());
    }
    void answer(QTcpSocket *socket, const QString &path)
    {
        const QByteArray body = bodies.value(path, png(Qt::gray));
        socket->write((body.isNull() ? "HTTP/1.1 404 Not Found" : "HTTP/1.1 200 OK")
                      + QByteArray("\r\nContent-Length: ") + QByteArray::number(body.size()) + "\r\n\r\n" + body);
    }
    void release(const QString &path)
    {
        held.remove(path);
        if (QTcpSocket *socket = waiting.take(path))
            answer(socket, path);
    }
};

} // namespace

class TestAdvertiseDialog : public QObject
{
    Q_OBJECT

public slots:
    void openUrl(const QUrl &url) { opened << url; }

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler("https"); }
    void download_data();
    void download();
    void readyWhenLastSaved();
    void decision_data();
    void decision();
    void rotation_data();
    void rotation();
    void click_data();
    void click();

private:
    std::unique_ptr<AdvertiseDialog> dialog()
    {
        auto dlg = std::make_unique<AdvertiseDialog>(nullptr, site->root(), app->path());
        dlg->setTimerIntervals(firstMs, rotationMs);
        return dlg;
    }
    void put(const QString &relativePath, const QByteArray &bytes)
    {
        QFile file(app->path() + relativePath);
        QDir().mkpath(QFileInfo(file).path());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    // %1: the site root; %2: the same server by another name.
    QByteArray expand(QString index) const
    {
        return index.replace("%1", site->root()).replace("%2", site->root("localhost")).toUtf8();
    }
    static QLabel *label(AdvertiseDialog &dlg) { return dlg.findChild<QLabel *>("label"); }
    static QRgb shown(AdvertiseDialog &dlg) { return label(dlg)->pixmap().toImage().pixel(0, 0); }

    QTemporaryDir certDir;
    QSslConfiguration serverConfig;
    std::unique_ptr<Site> site;
    std::unique_ptr<QTemporaryDir> app;
    QList<QUrl> opened;
};

void TestAdvertiseDialog::initTestCase()
{
    // A throwaway certificate for the test server, trusted by this process only.
    const QString key = certDir.filePath("key.pem"), cert = certDir.filePath("cert.pem");
    QProcess openssl;
    openssl.start("openssl", {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                              "-nodes", "-keyout", key, "-out", cert, "-days", "30", "-subj", "/CN=127.0.0.1",
                              "-addext", "subjectAltName=IP:127.0.0.1,DNS:localhost"});
    if (!openssl.waitForStarted())
        QSKIP("the openssl command is needed to make a test certificate");
    QVERIFY(openssl.waitForFinished(patience) && openssl.exitCode() == 0);
    const QList<QSslCertificate> certificates = QSslCertificate::fromPath(cert);
    QFile keyFile(key);
    QVERIFY(certificates.size() == 1 && keyFile.open(QIODevice::ReadOnly));

    QSslConfiguration client = QSslConfiguration::defaultConfiguration();
    client.addCaCertificates(certificates);
    QSslConfiguration::setDefaultConfiguration(client);
    serverConfig = client;
    serverConfig.setLocalCertificate(certificates.first());
    serverConfig.setPrivateKey(QSslKey(&keyFile, QSsl::Ec));
    QDesktopServices::setUrlHandler("https", this, "openUrl");
}

void TestAdvertiseDialog::init()
{
    AdvertiseDialog::firstTimeout = true;
    site = std::make_unique<Site>(serverConfig);
    QVERIFY(site->server.isListening());
    app = std::make_unique<QTemporaryDir>();
    opened.clear();
}

void TestAdvertiseDialog::download_data()
{
    QTest::addColumn<QString>("index");
    QTest::addColumn<int>("requests");
    QTest::addColumn<QStringList>("saved");
    QTest::addColumn<bool>("ready");

    const QStringList ab{"a.png", "b.jpg"};
    QTest::newRow("crlf") << "%1a.png\r\n%1b.jpg\r\n" << 2 << ab << true;
    QTest::newRow("lf, words before") << "new %1a.png\nold https://x.invalid/ %1b.jpg\n" << 2 << ab << true;
    QTest::newRow("last line unterminated") << "%1a.png\n%1b.png" << 1 << QStringList{"a.png"} << true;
    QTest::newRow("upper-case extension") << "%1A.PNG\n%1b.png\n" << 2 << QStringList{"b.png"} << false;
    QTest::newRow("png elsewhere") << "%1png-banner.gif\n" << 1 << QStringList{"png-banner.gif"} << true;
    QTest::newRow("unsafe names") << "%1../up.png\n%1sub/x.png\n%1a:b.png\n%2other.png\n%1ok.png\n" << 5
                                  << QStringList{"ok.png"} << false;
    QTest::newRow("size limit") << "%1edge.png\n%1big.png\n" << 2 << QStringList{"edge.png"} << false;
    QTest::newRow("failed picture") << "%1missing.png\n%1a.png\n" << 2 << QStringList{"a.png"} << false;
    QString many;
    QStringList first;
    for (int i = 0; i < 300; ++i) {
        many += "%1p" + QString::number(i) + ".png\n";
        if (i < AdvertiseDialog::maxIndexEntries)
            first << "p" + QString::number(i) + ".png";
    }
    QTest::newRow("index cut to 255") << many << 255 << first << true;
}

void TestAdvertiseDialog::download()
{
    QFETCH(QString, index);
    QFETCH(int, requests);
    QFETCH(QStringList, saved);
    QFETCH(bool, ready);
    const QByteArray indexBytes = expand(index);
    site->bodies = {{"url.txt", indexBytes}, {"missing.png", QByteArray()},
                    {"edge.png", QByteArray(AdvertiseDialog::maxPictureBytes, 'x')},
                    {"big.png", QByteArray(AdvertiseDialog::maxPictureBytes + 1, 'x')}};
    put("/temp/stale.png", "old");

    auto dlg = dialog();
    QSignalSpy replies(dlg->manager, &QNetworkAccessManager::finished);
    QSignalSpy readySpy(dlg.get(), &AdvertiseDialog::signal_readyFinished);
    QTRY_COMPARE_WITH_TIMEOUT(replies.count(), 1 + requests, patience);
    QCOMPARE(site->requested.size(), 1 + requests);
    QCOMPARE(readySpy.count(), int(ready));

    QStringList pictures = dlg->pictures, cached = saved + QStringList{"url.ini"};
    pictures.sort();
    saved.sort();
    cached.sort();
    QCOMPARE(pictures, saved.replaceInStrings(QRegularExpression("^"), "/temp/"));
    QCOMPARE(files(app->path() + "/temp"), cached);
    QCOMPARE(files(app->path()), QStringList{"temp"}); // nothing lands beside the cache
    QFile copy(app->path() + "/temp/url.ini");
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), indexBytes);
}

void TestAdvertiseDialog::readyWhenLastSaved()
{
    site->bodies = {{"url.txt", expand("%1a.png\n%1b.png\n%1c.png\n")},
                    {"a.png", png(Qt::red)}, {"b.png", png(Qt::green)}, {"c.png", png(Qt::blue)}};
    site->held = {"a.png", "b.png", "c.png"};
    put("/temp/stale.png", "old");
    auto dlg = dialog();
    QList<qsizetype> sizesWhenReady;
    connect(dlg.get(), &AdvertiseDialog::signal_readyFinished, this, [&] { sizesWhenReady << dlg->pictures.size(); });
    QTRY_COMPARE_WITH_TIMEOUT(site->waiting.size(), 3, patience);
    for (const char *name : {"c.png", "a.png", "b.png"}) {
        QVERIFY(sizesWhenReady.isEmpty());
        const qsizetype before = dlg->pictures.size();
        site->release(name);
        QTRY_COMPARE_WITH_TIMEOUT(dlg->pictures.size(), before + 1, patience);
    }
    QCOMPARE(sizesWhenReady, QList<qsizetype>{3});
    QCOMPARE(dlg->pictures, (QStringList{"/temp/c.png", "/temp/a.png", "/temp/b.png"}));

    // The first arrival is on show for two rotation intervals: the tick after
    // the start is still the source decision.
    QCOMPARE(dlg->timer->interval(), rotationMs);
    QCOMPARE(shown(*dlg), QColor(Qt::blue).rgb());
    dlg->slot_Timeout();
    QCOMPARE(dlg->source, AdvertiseDialog::Online);
    QCOMPARE(shown(*dlg), QColor(Qt::blue).rgb());
    dlg->slot_Timeout();
    QCOMPARE(shown(*dlg), QColor(Qt::red).rgb());
}

void TestAdvertiseDialog::decision_data()
{
    QTest::addColumn<bool>("cacheExists");
    QTest::addColumn<QByteArray>("index"); // null: 404
    QTest::addColumn<QStringList>("held");
    QTest::addColumn<bool>("earlierDialog");
    QTest::addColumn<QStringList>("downloaded"); // after the local pictures
    QTest::addColumn<QStringList>("cached");

    const QByteArray one = "%1a.png\n";
    const QStringList none, stale{"stale.png"};
    // The folder it makes is marked as the program's cache.
    QTest::newRow("first run") << false << one << none << false << none << QStringList{".kvx-config-cache"};
    QTest::newRow("index fails") << true << QByteArray() << none << false << none << stale;
    QTest::newRow("empty index") << true << QByteArray("") << none << false << none << stale;
    QTest::newRow("index after the tick") << true << one << QStringList{"url.txt"} << false << none
                                          << QStringList{"url.ini"};
    QTest::newRow("nothing saved by the tick") << true << one << QStringList{"a.png"} << false
                                               << QStringList{"/temp/a.png"} << QStringList{"a.png", "url.ini"};
    QTest::newRow("second dialog of the run") << true << QByteArray() << none << true << none << stale;
}

void TestAdvertiseDialog::decision()
{
    QFETCH(bool, cacheExists);
    QFETCH(QByteArray, index);
    QFETCH(QStringList, held);
    QFETCH(bool, earlierDialog);
    QFETCH(QStringList, downloaded);
    QFETCH(QStringList, cached);
    site->bodies = {{"url.txt", index.isNull() ? index : expand(QString::fromUtf8(index))}};
    site->held = {held.begin(), held.end()};
    for (const char *name : {"b.png", "A.png", "notes.txt", ".hidden.png", "folder/c.png"})
        put(QStringLiteral("/local/") + name, png(Qt::red));
    if (cacheExists)
        put("/temp/stale.png", "old");
    std::unique_ptr<AdvertiseDialog> earlier;
    if (earlierDialog) {
        earlier = dialog();
        QSignalSpy earlierReplies(earlier->manager, &QNetworkAccessManager::finished);
        QTRY_COMPARE_WITH_TIMEOUT(earlierReplies.count(), 1, patience);
        earlier->slot_Timeout();
    }

    auto dlg = dialog();
    QSignalSpy replies(dlg->manager, &QNetworkAccessManager::finished);
    const int requests = 1 + downloaded.size();
    QTRY_COMPARE_WITH_TIMEOUT(replies.count() + site->waiting.size(), requests, patience);
    dlg->slot_Timeout();
    QVERIFY(!AdvertiseDialog::firstTimeout);
    QCOMPARE(dlg->source, AdvertiseDialog::Local);
    QCOMPARE(dlg->displayState, AdvertiseDialog::Showing);
    for (const QString &path : held)
        site->release(path);
    QTRY_COMPARE_WITH_TIMEOUT(replies.count(), requests, patience);
    QCOMPARE(dlg->pictures, QStringList({"/local/A.png", "/local/b.png", "/local/notes.txt"}) + downloaded);
    QCOMPARE(files(app->path() + "/temp"), cached);
    QCOMPARE(site->requested.size(), requests + int(earlierDialog));
}

void TestAdvertiseDialog::rotation_data()
{
    QTest::addColumn<QList<int>>("colours"); // of the local pictures in turn; 0: not a picture
    QTest::addColumn<QList<int>>("shown");   // from the decision on, one per tick

    QTest::newRow("three") << QList<int>{Qt::red, Qt::green, Qt::blue}
                           << QList<int>{Qt::red, Qt::green, Qt::blue, Qt::red};
    QTest::newRow("not a picture") << QList<int>{Qt::red, 0, Qt::blue}
                                   << QList<int>{Qt::red, Qt::red, Qt::blue, Qt::red};
    QTest::newRow("one") << QList<int>{Qt::red} << QList<int>{Qt::red, Qt::red};
    QTest::newRow("none") << QList<int>() << QList<int>{0, 0};
}

void TestAdvertiseDialog::rotation()
{
    QFETCH(QList<int>, colours);
    QFETCH(QList<int>, shown);
    for (int i = 0; i < colours.size(); ++i)
        put(QStringLiteral("/local/p%1.png").arg(i), colours[i] ? png(colours[i]) : QByteArray("text"));
    AdvertiseDialog dlg(nullptr, site->root(), app->path());
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QCOMPARE(dlg.timer->interval(), 30000);
    dlg.slot_Timeout();
    QCOMPARE(dlg.timer->interval(), colours.isEmpty() ? 30000 : 5000);
    dlg.setTimerIntervals(firstMs, rotationMs);
    for (int i = 0; i < shown.size(); ++i) {
        if (i > 0)
            dlg.slot_Timeout();
        if (colours.isEmpty()) {
            QVERIFY(label(dlg)->pixmap().isNull());
            continue;
        }
        QCOMPARE(dlg.currentIndex, i % colours.size());
        QCOMPARE(TestAdvertiseDialog::shown(dlg), QColor(Qt::GlobalColor(shown[i])).rgb());
    }
}

void TestAdvertiseDialog::click_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("page"); // after the site root; null: nothing opened

    const int Local = AdvertiseDialog::Local, Online = AdvertiseDialog::Online;
    QTest::newRow("local") << Local << QStringList{"/local/spring.png"} << 0 << "spring.html";
    QTest::newRow("online") << Online << QStringList{"/temp/spring.png"} << 0 << "spring.html";
    QTest::newRow("picture on show") << Online << QStringList{"/temp/a.png", "/temp/b.jpg"} << 1 << "b.html";
    QTest::newRow("download after falling back") << Local << QStringList{"/temp/late.png"} << 0 << "ate.html";
    QTest::newRow("last dot") << Online << QStringList{"/temp/a.b.png"} << 0 << "a.b.html";
    QTest::newRow("no dot") << Local << QStringList{"/local/banner"} << 0 << ".html";
    QTest::newRow("undecided") << int(AdvertiseDialog::Unset) << QStringList{"/local/a.png"} << 0 << "";
    QTest::newRow("no pictures") << Local << QStringList() << 0 << QString();
}

void TestAdvertiseDialog::click()
{
    QFETCH(int, source);
    QFETCH(QStringList, pictures);
    QFETCH(int, index);
    QFETCH(QString, page);
    auto dlg = dialog();
    dlg->source = quint8(source);
    dlg->pictures = pictures;
    dlg->currentIndex = index;
    dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(dlg.get()));
    QTest::mouseClick(label(*dlg), Qt::LeftButton); // the picture passes presses on
    QCOMPARE(opened, page.isNull() ? QList<QUrl>() : QList<QUrl>{QUrl(site->root() + page)});
}

QTEST_MAIN(TestAdvertiseDialog)
#include "tst_advertisedialog.moc"
