#pragma once
#include <QCoreApplication>
#include <QDialog>
#include <QList>
#include <QString>

class QMouseEvent;
class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;
class QTimer;

namespace Ui {
class AdvertiseDialog;
}

// Rotating advertisement picture. The pictures come either from the maker's
// web site (index "url.txt" plus one download per listed address, cached in
// "temp" beside the program) or from the "local" folder shipped with the
// program; the choice is made once, at the dialog's first timer tick.
// Construction starts the download and the timer; showing is up to the caller.
class AdvertiseDialog : public QDialog
{
    Q_OBJECT

public:
    enum DisplayState : quint8 { Idle = 0, Fetching = 1, Showing = 2 };
    enum FlagState : quint8 { Unset = 0, Local = 1, Online = 2 };

    // The counters below are bytes, so a longer index is cut to this many.
    static constexpr int maxIndexEntries = 255;
    // Larger downloads are dropped instead of filling the disk.
    static constexpr qint64 maxPictureBytes = 10 * 1024 * 1024;

    static QString defaultSiteRoot() { return QStringLiteral("https://www.kvx.example.com/"); }

    // `siteRoot` ends in "/"; `appDir` is the folder holding "temp" and "local".
    explicit AdvertiseDialog(QWidget *parent = nullptr,
                             const QString &siteRoot = defaultSiteRoot(),
                             const QString &appDir = QCoreApplication::applicationDirPath());
    ~AdvertiseDialog() override;

    // Interval until the first picture is shown, and of the rotation after it
    // (30000 and 5000 ms unless changed). Restarts the timer.
    void setTimerIntervals(int firstMs, int rotationMs);

    // Appends the addresses of the index file at `path` to `indexUrls`;
    // true when the list then holds any.
    bool readIndexFile(QString path);
    // Appends every file of the "local" folder to `pictures`.
    void loadLocalPictures();

signals:
    void signal_readyFinished();

private slots:
    void slot_httpFinished(QNetworkReply *reply);
    void slot_readyFinished();
    void slot_Timeout();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    friend class TestAdvertiseDialog;

    void handleIndex(const QByteArray &body);
    // Stores a downloaded picture; false when the file could not be written.
    bool savePicture(const QString &name, const QByteArray &body);
    void showPicture(QString relativePath);
    void setLabelPicture(const QByteArray &data);

    Ui::AdvertiseDialog *ui;
    QList<QString> indexUrls;
    QList<QNetworkRequest *> requests;
    QList<QString> pictures;
    quint8 displayState = Idle;
    quint8 source = Unset;
    quint8 validObject = 0;
    // Not a byte: the local folder may hold any number of pictures, and every
    // one of them must get its turn.
    int currentIndex = 0;
    QTimer *timer = nullptr;
    QNetworkAccessManager *manager = nullptr;

    const QString siteRoot;
    const QString appDir;
    int firstInterval = 30000;
    int rotationInterval = 5000;
    // Whether this dialog has taken its own source decision.
    bool decided = false;

    // Cleared by the first tick of any dialog in this process.
    static bool firstTimeout;
};
