#include "advert/advertisedialog.h"
#include "ui_advertisedialog.h"

#include "advert/advertindex.h"
#include "advert/cachedir.h"
#include "advert/logging.h"

#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPixmap>
#include <QTimer>
#include <QUrl>

bool AdvertiseDialog::firstTimeout = true;

namespace {

// Entries of the rotation list are paths relative to the program directory.
const QLatin1String localPrefix("/local/");
const QLatin1String cachePrefix("/temp/");

// The name comes from the network and becomes a path under "temp": accept
// only a single plain file name, and none that Windows would refuse.
bool isPlainFileName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control || forbidden.contains(c))
            return false;
    }
    return true;
}

} // namespace

AdvertiseDialog::AdvertiseDialog(QWidget *parent, const QString &root, const QString &programDir)
    : QDialog(parent)
    , ui(new Ui::AdvertiseDialog)
    , siteRoot(root)
    , appDir(programDir)
{
    ui->setupUi(this);

    const QNetworkRequest request(QUrl(siteRoot + QLatin1String("url.txt")));
    manager = new QNetworkAccessManager(this);
    manager->get(request);
    connect(manager, &QNetworkAccessManager::finished, this, &AdvertiseDialog::slot_httpFinished);
    connect(this, &AdvertiseDialog::signal_readyFinished, this, &AdvertiseDialog::slot_readyFinished);

    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &AdvertiseDialog::slot_Timeout);
    timer->start(firstInterval);
}

AdvertiseDialog::~AdvertiseDialog()
{
    // Replies still in flight are destroyed with the manager; they must not
    // reach this half-destroyed dialog.
    manager->disconnect(this);
    qDeleteAll(requests);
    delete ui;
}

void AdvertiseDialog::setTimerIntervals(int firstMs, int rotationMs)
{
    firstInterval = firstMs;
    rotationInterval = rotationMs;
    timer->start(displayState == Showing ? rotationInterval : firstInterval);
}

void AdvertiseDialog::slot_httpFinished(QNetworkReply *reply)
{
    if (reply->error() != QNetworkReply::NoError) {
        qCDebug(lcAdvert) << reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        reply->deleteLater();
        return;
    }

    const QByteArray body = reply->readAll();
    if (!body.isEmpty()) {
        if (reply->url() == QUrl(siteRoot + QLatin1String("url.txt"))) {
            // The index reply stays with the manager.
            handleIndex(body);
            return;
        }

        const QString address = reply->url().toDisplayString();
        qCDebug(lcAdvert) << address;
        if (address.contains(QLatin1String("png")) || address.contains(QLatin1String("jpg"))) {
            const QString name = address.mid(siteRoot.size());
            // A name that is no plain file name, an address off the site or an
            // oversized body: dropped like a picture of an unknown type.
            if (address.startsWith(siteRoot) && isPlainFileName(name) && body.size() <= maxPictureBytes) {
                if (!savePicture(name, body))
                    return;
            }
        }
        qCDebug(lcAdvert) << "dataList data :" << body.size();
    }

    if (validObject == indexUrls.size())
        emit signal_readyFinished();
    qCDebug(lcAdvert) << "validObject :" << int(validObject);
    reply->deleteLater();
}

void AdvertiseDialog::handleIndex(const QByteArray &body)
{
    const QString cachePath = appDir + QLatin1String("/temp");
    if (!QDir(cachePath).exists()) {
        // First run: from now on there is a cache to download into.
        makeCacheDirectory(cachePath);
        return;
    }
    // Emptied, and still the program's own cache where it was.
    if (isOwnCacheDirectory(cachePath))
        clearOwnCacheDirectory(cachePath);
    else
        clearCacheDirectory(cachePath);
    const QString indexPath = cachePath + QLatin1String("/url.ini");
    QFile file(indexPath);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(body);
        file.close();
    }

    // A late index only refreshes the cache; the source is decided already.
    if (source != Unset || !readIndexFile(indexPath))
        return;
    displayState = Fetching;
    source = Online;
    for (const QString &address : std::as_const(indexUrls)) {
        auto *request = new QNetworkRequest(QUrl(address, QUrl::TolerantMode));
        requests.append(request);
        QNetworkReply *reply = manager->get(*request);
        // Stop an oversized download early rather than buffering all of it.
        connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64 total) {
            if (received > maxPictureBytes || total > maxPictureBytes)
                reply->abort();
        });
    }
}

bool AdvertiseDialog::savePicture(const QString &name, const QByteArray &body)
{
    QFile file(appDir + cachePrefix + name);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(body) != body.size()) {
        file.remove();
        return false;
    }
    file.close();
    ++validObject;
    pictures.append(cachePrefix + name);
    qCDebug(lcAdvert) << pictures.constLast();
    return true;
}

bool AdvertiseDialog::readIndexFile(QString path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        qCDebug(lcAdvert) << "File open success";
        const QString text = QString::fromUtf8(file.readAll());
        qCDebug(lcAdvert) << text;
        const QStringList entries = parseAdvertIndex(text);
        for (const QString &entry : entries) {
            if (indexUrls.size() >= maxIndexEntries)
                break;
            indexUrls.append(entry);
            qCDebug(lcAdvert) << indexUrls.size() << " : " << entry;
        }
        file.close();
    }
    return !indexUrls.isEmpty();
}

void AdvertiseDialog::loadLocalPictures()
{
    const QDir local(appDir + QLatin1String("/local"));
    const QStringList files = local.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString &file : files) {
        pictures.append(localPrefix + file);
        qCDebug(lcAdvert) << pictures.constLast();
    }
}

void AdvertiseDialog::slot_Timeout()
{
    // `firstTimeout` is shared by all dialogs of the process; a dialog created
    // after another one ticked still owes its own decision.
    if (!decided) {
        firstTimeout = false;
        decided = true;
        if (source != Unset && validObject != 0) {
            emit signal_readyFinished();
            qCDebug(lcAdvert) << "Timeout Finished";
            qCDebug(lcAdvert) << "FlagState::Online";
        } else {
            // Undecided, or online without a single saved picture yet.
            source = Local;
            pictures.clear();
            loadLocalPictures();
            emit signal_readyFinished();
            qCDebug(lcAdvert) << "FlagState::Local";
        }
        return;
    }

    if (pictures.isEmpty())
        return;
    ++currentIndex;
    if (currentIndex >= pictures.size())
        currentIndex = 0;
    showPicture(pictures.at(currentIndex));
}

void AdvertiseDialog::slot_readyFinished()
{
    if (currentIndex >= pictures.size())
        return;
    QFile file(appDir + pictures.at(currentIndex));
    if (!file.open(QIODevice::ReadOnly))
        return;
    if (displayState != Showing) {
        displayState = Showing;
        timer->stop();
        timer->start(rotationInterval);
        setLabelPicture(file.readAll());
    }
    file.close();
}

void AdvertiseDialog::showPicture(QString relativePath)
{
    QFile file(appDir + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    setLabelPicture(file.readAll());
}

void AdvertiseDialog::setLabelPicture(const QByteArray &picture)
{
    QPixmap pixmap;
    if (!pixmap.loadFromData(picture))
        return;
    const QSize size = ui->label->size();
    // Scaling to an empty size would yield no picture at all.
    if (!size.isEmpty())
        pixmap = pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    ui->label->setPixmap(pixmap);
    ui->label->setScaledContents(true);
}

void AdvertiseDialog::mousePressEvent(QMouseEvent *event)
{
    if (currentIndex < pictures.size()) {
        QString address = siteRoot;
        if (source != Unset) {
            // The page of a picture is named like the picture, minus its
            // folder prefix and its extension.
            QString name = pictures.at(currentIndex);
            name.remove(0, source == Local ? localPrefix.size() : cachePrefix.size());
            const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
            name = dot < 0 ? QString() : name.left(dot);
            address = siteRoot + name + QLatin1String(".html");
        }
        QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
    }
    QDialog::mousePressEvent(event);
}
