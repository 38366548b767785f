#pragma once
// What the line's view shows and answers: the page (one self-contained HTML
// document: its style, its charts as inline SVG and its one script inside,
// nothing fetched), the part of it a live page is sent when the record
// changes, a unit's history, the page that asks for the token, and the
// API's JSON. In Chinese or English, each request in its own.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTranslator>

#include "records/recordqueries.h"
#include "server/linereader.h"

enum class PageLanguage { English, Chinese };

// The language of a request: `lang=zh|en` when given, else the first of
// Chinese and English the browser prefers (Accept-Language), else English.
PageLanguage pageLanguage(const QByteArray &acceptLanguage, const QString &lang);
QString languageKey(PageLanguage language);

// How the record answers the reader.
struct RecordState {
    QString name;              // as shown: a file's name, a database without its password
    bool answering = true;
    QString error;             // why it does not
    QDateTime since;           // since when (UTC)
};

class LinePage
{
public:
    // `catalogues`: the folder of chinese.qm and english.qm.
    explicit LinePage(const QString &catalogues);

    // The page's changing part (inside <main>), as the page holds it and a
    // live page is sent it.
    QString lineFragment(const LineSummary &summary, const RecordState &state, PageLanguage language) const;
    // The whole page around it.
    QByteArray linePage(const QString &fragment, const RecordState &state, PageLanguage language) const;
    // A unit's rows (those of its code, or of its address), oldest first.
    QByteArray historyPage(const QString &what, const UnitsAnswer &answer, PageLanguage language) const;
    // A browser without the token is asked for it.
    QByteArray tokenPage(PageLanguage language, bool wrong) const;
    // A short page for an error a browser may meet.
    QByteArray errorPage(int status, const QString &message, PageLanguage language) const;

    // The Content-Security-Policy of every page: nothing from elsewhere,
    // and no script but the page's own.
    static QByteArray securityPolicy();

    // A translated text of the view (context "Serve").
    QString text(PageLanguage language, const char *source, int n = -1) const;
    // "unit 3 · network 1234" (the unit address where there is one).
    QString unitTitle(PageLanguage language, const QString &network, const QString &unit) const;
    // A record's result word as the operator reads it.
    QString resultText(PageLanguage language, const QString &result) const;

private:
    QString document(PageLanguage language, const QString &title, const QString &body, bool live) const;
    QString unitLabel(PageLanguage language, const QJsonObject &unit) const;
    QString historyLink(PageLanguage language, const QJsonObject &unit) const;
    QString hourChart(const LineSummary &summary, PageLanguage language) const;

    QTranslator m_chinese;
    QTranslator m_english;
};

// The API's JSON (UTF-8, one object).
QByteArray summaryJson(const LineSummary &summary, const RecordState &state);
QByteArray stationsJson(const LineSummary &summary, const RecordState &state);
// A page of units; `next` is the path and query of the next page, empty on
// the last.
QByteArray unitsJson(const UnitsAnswer &answer, const QString &next);
QByteArray errorJson(const QString &message);
// What a live page is sent: the page's changing part, {"html": …}.
QString liveMessage(const QString &fragment);
