#include "server/linepage.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

namespace {

// The page's one script: the live part of the page replaced by what the
// server sends over the WebSocket, and the connection made again (later
// each time, up to 30 s) when it drops. Without it the page is whole too.
const char LiveScript[] = R"((function () {
  var main = document.getElementById('line');
  var live = document.getElementById('live');
  var delay = 1000;
  function connect() {
    var scheme = location.protocol === 'https:' ? 'wss://' : 'ws://';
    var socket = new WebSocket(scheme + location.host + '/live?lang=' + document.documentElement.lang);
    socket.onopen = function () { delay = 1000; live.textContent = live.dataset.on; live.className = 'on'; };
    socket.onmessage = function (event) {
      var message = JSON.parse(event.data);
      if (typeof message.html === 'string') main.innerHTML = message.html;
    };
    socket.onclose = function () {
      live.textContent = live.dataset.off; live.className = 'off';
      setTimeout(connect, delay); delay = Math.min(delay * 2, 30000);
    };
  }
  connect();
})();)";

const char Style[] = R"(:root{--good:#1e7b34;--bad:#b3261e;--mute:#5f6368;--line:#d0d4d9;--bg:#f5f6f8}
*{box-sizing:border-box}
body{margin:0;font:15px/1.45 system-ui,"Noto Sans CJK SC","WenQuanYi Micro Hei","Microsoft YaHei",sans-serif;background:var(--bg);color:#1f2328}
header{background:#17324d;color:#fff;padding:12px 24px;display:flex;flex-wrap:wrap;align-items:baseline;gap:6px 24px}
header h1{margin:0;font-size:22px}
header .meta{color:#c9d6e3}
header a{color:#fff}
#live{padding:2px 10px;border-radius:10px;background:#55606b;color:#fff;font-size:13px}
#live.on{background:var(--good)}
#live.off{background:var(--bad)}
main{padding:16px 24px;display:grid;gap:16px}
section{background:#fff;border:1px solid var(--line);border-radius:6px;padding:12px 16px;min-width:0}
h2{font-size:16px;margin:0 0 8px}
.tiles{display:grid;grid-template-columns:repeat(auto-fit,minmax(170px,1fr));gap:12px}
.tile{background:#fff;border:1px solid var(--line);border-radius:6px;padding:8px 16px}
.tile b{display:block;font-size:30px;font-variant-numeric:tabular-nums}
.tile span{color:var(--mute)}
.two{display:grid;grid-template-columns:3fr 2fr;gap:16px}
@media(max-width:900px){.two{grid-template-columns:1fr}}
.scroll{overflow-x:auto}
table{border-collapse:collapse;width:100%}
th,td{text-align:left;padding:4px 8px;border-bottom:1px solid var(--line);white-space:nowrap}
th{color:var(--mute);font-weight:600;font-size:13px;white-space:normal;vertical-align:bottom}
td.wrap{white-space:normal;min-width:16em}
td.n,th.n{text-align:right;font-variant-numeric:tabular-nums}
.good{color:var(--good)}
.bad{color:var(--bad)}
.mute{color:var(--mute)}
.banner{background:#fde7e4;border:1px solid var(--bad);color:#5c1a14;border-radius:6px;padding:10px 16px}
.bars td{border:0;padding:3px 8px}
.bars i{display:inline-block;height:12px;background:var(--bad);border-radius:2px;vertical-align:middle}
svg text{font:11px system-ui,sans-serif;fill:#5f6368}
.legend i{display:inline-block;width:10px;height:10px;margin:0 4px 0 12px;border-radius:2px}
.foot{color:var(--mute);font-size:13px;margin:0}
form input{font:inherit;padding:4px 8px;width:24em;max-width:100%}
a{color:#0b57d0;white-space:nowrap})";

QString esc(const QString &text)
{
    return text.toHtmlEscaped();
}

QString localTime(const QString &iso, bool withDay = false)
{
    const QDateTime time = QDateTime::fromString(iso, Qt::ISODate).toLocalTime();
    if (!time.isValid())
        return QString();
    if (withDay || time.date() != QDate::currentDate())
        return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return time.toString(QStringLiteral("HH:mm:ss"));
}

QString isoText(const QDateTime &time)
{
    return time.isValid() ? time.toUTC().toString(Qt::ISODate) : QString();
}

QString percent(const FigureCount &count)
{
    if (count.attempts == 0)
        return QStringLiteral("—");
    return QStringLiteral("%1%").arg(100.0 * count.good / count.attempts, 0, 'f', 1);
}

QJsonValue yieldValue(const FigureCount &count)
{
    if (count.attempts == 0)
        return QJsonValue();
    return double(count.good) / count.attempts;
}

bool goodResult(const QString &result)
{
    return result == QLatin1String("verified") || result == QLatin1String("written") || result == QLatin1String("matches");
}

bool inProgressResult(const QString &result)
{
    return result == QLatin1String("reserved") || result == QLatin1String("pending");
}

QString resultClass(const QString &result)
{
    if (goodResult(result))
        return QStringLiteral("good");
    return inProgressResult(result) ? QStringLiteral("mute") : QStringLiteral("bad");
}

QString shownStation(const QString &station)
{
    return station.isEmpty() ? QStringLiteral("?") : station;
}

QJsonObject recordStateJson(const RecordState &state)
{
    QJsonObject object { { "record", state.name }, { "recordAnswers", state.answering } };
    if (!state.answering) {
        object.insert(QStringLiteral("recordError"), state.error);
        object.insert(QStringLiteral("recordFailingSince"), isoText(state.since));
    }
    return object;
}

QJsonArray stationArray(const LineSummary &summary)
{
    QJsonArray stations;
    for (const StationFigures &s : summary.stations) {
        stations.append(QJsonObject {
            { "station", s.station },
            { "operator", s.operatorName },
            { "attempts", s.today.attempts },
            { "good", s.today.good },
            { "verified", s.verified },
            { "yield", yieldValue(s.today) },
            { "inProgress", s.inProgress },
            { "inspections", s.inspections },
            { "rowsWaiting", s.rowsWaiting < 0 ? QJsonValue() : QJsonValue(s.rowsWaiting) },
            { "seen", s.seen.isValid() ? QJsonValue(isoText(s.seen)) : QJsonValue() },
            { "lastUnit", s.last.isEmpty() ? QJsonValue() : QJsonValue(s.last) },
        });
    }
    return stations;
}

QByteArray compact(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace

PageLanguage pageLanguage(const QByteArray &acceptLanguage, const QString &lang)
{
    if (lang == QLatin1String("zh"))
        return PageLanguage::Chinese;
    if (lang == QLatin1String("en"))
        return PageLanguage::English;
    // The first of the two the browser prefers, by its weights.
    double chinese = -1;
    double english = -1;
    for (const QByteArray &part : acceptLanguage.split(',')) {
        const QList<QByteArray> fields = part.split(';');
        const QByteArray tag = fields.value(0).trimmed().toLower();
        double weight = 1.0;
        for (const QByteArray &field : fields.mid(1)) {
            const QByteArray f = field.trimmed();
            if (f.startsWith("q="))
                weight = f.mid(2).toDouble();
        }
        if (tag == "zh" || tag.startsWith("zh-"))
            chinese = std::max(chinese, weight);
        else if (tag == "en" || tag.startsWith("en-"))
            english = std::max(english, weight);
    }
    return chinese > 0 && chinese > english ? PageLanguage::Chinese : PageLanguage::English;
}

QString languageKey(PageLanguage language)
{
    return language == PageLanguage::Chinese ? QStringLiteral("zh") : QStringLiteral("en");
}

LinePage::LinePage(const QString &catalogues)
{
    if (!catalogues.isEmpty()) {
        (void)m_chinese.load(QStringLiteral("chinese.qm"), catalogues);
        (void)m_english.load(QStringLiteral("english.qm"), catalogues);
    }
}

QString LinePage::text(PageLanguage language, const char *source, int n) const
{
    const QTranslator &catalogue = language == PageLanguage::Chinese ? m_chinese : m_english;
    QString translated = catalogue.translate("Serve", source, nullptr, n);
    if (translated.isEmpty())
        translated = QString::fromUtf8(source);
    if (n >= 0)
        translated.replace(QLatin1String("%n"), QString::number(n));
    return translated;
}

QString LinePage::resultText(PageLanguage language, const QString &result) const
{
    const char *source = resultCaptionSource(result);
    if (!source)
        return result;
    const QTranslator &catalogue = language == PageLanguage::Chinese ? m_chinese : m_english;
    const QString translated = catalogue.translate("UnitOutcome", source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

QString LinePage::unitTitle(PageLanguage language, const QString &network, const QString &unit) const
{
    QStringList parts;
    if (!unit.isEmpty())
        parts << text(language, QT_TRANSLATE_NOOP("Serve", "unit %1")).arg(unit);
    if (!network.isEmpty())
        parts << text(language, QT_TRANSLATE_NOOP("Serve", "network %1")).arg(network);
    return parts.join(QStringLiteral(" · "));
}

QString LinePage::unitLabel(PageLanguage language, const QJsonObject &unit) const
{
    const auto number = [&unit](const char *column) {
        const QJsonValue value = unit.value(QLatin1String(column));
        return value.isNull() || value.isUndefined() ? QString() : QString::number(value.toInteger());
    };
    return unitTitle(language, number("network_address"), number("unit_address"));
}

QString LinePage::historyLink(PageLanguage language, const QJsonObject &unit) const
{
    const auto item = [](const char *key, const QString &value) {
        return QLatin1String(key) + QLatin1Char('=') + QString::fromLatin1(QUrl::toPercentEncoding(value));
    };
    const QString serial = unit.value(QLatin1String("serial")).toString();
    const QJsonValue network = unit.value(QLatin1String("network_address"));
    const QJsonValue address = unit.value(QLatin1String("unit_address"));
    QStringList query;
    if (!serial.isEmpty()) {
        query << item("serial", serial);
    } else if (!network.isNull()) {
        query << item("network", QString::number(network.toInteger()));
        if (!address.isNull())
            query << item("unit", QString::number(address.toInteger()));
    } else {
        return QString();
    }
    query << item("lang", languageKey(language));
    return QStringLiteral("/units?") + query.join(QLatin1Char('&'));
}

QString LinePage::hourChart(const LineSummary &summary, PageLanguage language) const
{
    // A bar per hour of the day so far: the good units, and above them
    // the attempts that were not.
    const int hours = std::max(1, int(summary.perHour.size()));
    int most = 1;
    for (const FigureCount &count : summary.perHour)
        most = std::max(most, count.attempts);
    const double width = 640.0;
    const double top = 16;
    const double height = 150;
    const double slot = width / std::max(hours, 12);
    QString svg = QStringLiteral("<svg id=\"per-hour\" viewBox=\"0 0 %1 %2\" width=\"100%\" role=\"img\" aria-label=\"%3\">")
                      .arg(width)
                      .arg(top + height + 20)
                      .arg(esc(text(language, QT_TRANSLATE_NOOP("Serve", "Units per hour"))));
    svg += QStringLiteral("<line x1=\"0\" y1=\"%1\" x2=\"%2\" y2=\"%1\" stroke=\"#d0d4d9\"/>").arg(top + height).arg(width);
    int i = 0;
    for (auto it = summary.perHour.cbegin(); it != summary.perHour.cend(); ++it, ++i) {
        const FigureCount &count = it.value();
        const double x = i * slot + slot * 0.15;
        const double w = slot * 0.7;
        const double good = height * count.good / most;
        const double failed = height * (count.attempts - count.good) / most;
        svg += QStringLiteral("<g data-hour=\"%1\" data-attempts=\"%2\" data-good=\"%3\">")
                   .arg(isoText(it.key()))
                   .arg(count.attempts)
                   .arg(count.good);
        if (count.good)
            svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"#1e7b34\"/>")
                       .arg(x, 0, 'f', 1).arg(top + height - good, 0, 'f', 1).arg(w, 0, 'f', 1).arg(good, 0, 'f', 1);
        if (count.attempts > count.good)
            svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"#b3261e\"/>")
                       .arg(x, 0, 'f', 1).arg(top + height - good - failed, 0, 'f', 1).arg(w, 0, 'f', 1).arg(failed, 0, 'f', 1);
        if (count.attempts)
            svg += QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"middle\">%3</text>")
                       .arg(x + w / 2, 0, 'f', 1).arg(top + height - good - failed - 3, 0, 'f', 1).arg(count.attempts);
        svg += QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"middle\">%3</text></g>")
                   .arg(x + w / 2, 0, 'f', 1).arg(top + height + 14).arg(it.key().toLocalTime().toString(QStringLiteral("HH")));
    }
    svg += QStringLiteral("</svg>");
    svg += QStringLiteral("<p class=\"legend mute\"><i style=\"background:#1e7b34\"></i>%1<i style=\"background:#b3261e\"></i>%2</p>")
               .arg(esc(text(language, QT_TRANSLATE_NOOP("Serve", "good"))),
                    esc(text(language, QT_TRANSLATE_NOOP("Serve", "not good"))));
    return svg;
}

QString LinePage::lineFragment(const LineSummary &summary, const RecordState &state, PageLanguage language) const
{
    const auto t = [&](const char *source, int n = -1) { return esc(text(language, source, n)); };
    // A unit being written now is said so, not "result unknown".
    const auto outcome = [&](const QJsonObject &unit) {
        const QString result = unit.value(QLatin1String("result")).toString();
        const QDateTime time = QDateTime::fromString(unit.value(QLatin1String("time")).toString(), Qt::ISODate);
        if (inProgressResult(result) && time >= summary.freshSince)
            return t(QT_TRANSLATE_NOOP("Serve", "being written now"));
        return esc(resultText(language, result));
    };
    QString html;
    if (!state.answering) {
        html += QStringLiteral("<p class=\"banner\" id=\"record-error\">%1</p>")
                    .arg(esc(text(language, QT_TRANSLATE_NOOP("Serve", "The record does not answer since %1: %2. "
                                                                       "The figures below were read at %3."))
                                 .arg(localTime(isoText(state.since)), state.error, localTime(isoText(summary.read)))));
    }
    const int failures = summary.total.attempts - summary.total.good;
    html += QStringLiteral("<div class=\"tiles\">");
    const auto tile = [&](const QString &id, const QString &value, const QString &label, const QString &cls = QString()) {
        html += QStringLiteral("<div class=\"tile\"><b id=\"%1\" class=\"%2\">%3</b><span>%4</span></div>")
                    .arg(id, cls, esc(value), label);
    };
    tile(QStringLiteral("verified-today"), QString::number(summary.verified), t(QT_TRANSLATE_NOOP("Serve", "units verified today")), QStringLiteral("good"));
    tile(QStringLiteral("yield-today"), percent(summary.total),
         esc(text(language, QT_TRANSLATE_N_NOOP("Serve", "yield: %1 good of %n attempt(s)"), summary.total.attempts)
                 .arg(summary.total.good)));
    tile(QStringLiteral("failed-today"), QString::number(failures), t(QT_TRANSLATE_NOOP("Serve", "not good today")),
         failures ? QStringLiteral("bad") : QString());
    tile(QStringLiteral("in-progress"), QString::number(summary.inProgress), t(QT_TRANSLATE_NOOP("Serve", "being written now")));
    html += QStringLiteral("</div>");

    // The stations.
    html += QStringLiteral("<section><h2>%1</h2><div class=\"scroll\"><table id=\"stations\"><tr>").arg(t(QT_TRANSLATE_NOOP("Serve", "Stations")));
    for (const char *head : { QT_TRANSLATE_NOOP("Serve", "Station"), QT_TRANSLATE_NOOP("Serve", "Operator"),
                              QT_TRANSLATE_NOOP("Serve", "Last unit"), QT_TRANSLATE_NOOP("Serve", "Outcome") })
        html += QStringLiteral("<th>%1</th>").arg(t(head));
    for (const char *head : { QT_TRANSLATE_NOOP("Serve", "Verified today"), QT_TRANSLATE_NOOP("Serve", "Yield"),
                              QT_TRANSLATE_NOOP("Serve", "Rows waiting for the shared record"),
                              QT_TRANSLATE_NOOP("Serve", "Last heard") })
        html += QStringLiteral("<th class=\"n\">%1</th>").arg(t(head));
    html += QStringLiteral("</tr>");
    if (summary.stations.isEmpty())
        html += QStringLiteral("<tr><td colspan=\"8\" class=\"mute\">%1</td></tr>").arg(t(QT_TRANSLATE_NOOP("Serve", "No station has written a unit today.")));
    for (const StationFigures &s : summary.stations) {
        const QString result = s.last.value(QLatin1String("result")).toString();
        QString last = QStringLiteral("—");
        if (!s.last.isEmpty()) {
            last = esc(localTime(s.last.value(QLatin1String("time")).toString())) + QStringLiteral(" ")
                   + esc(unitLabel(language, s.last));
            const QString serial = s.last.value(QLatin1String("serial")).toString();
            const QString link = historyLink(language, s.last);
            if (!serial.isEmpty())
                last += QStringLiteral(" <a href=\"%1\">%2</a>").arg(esc(link), esc(serial));
            else if (!link.isEmpty())
                last = QStringLiteral("<a href=\"%1\">%2</a>").arg(esc(link), last);
        }
        QString waiting = QStringLiteral("<span class=\"mute\" title=\"%1\">—</span>")
                              .arg(t(QT_TRANSLATE_NOOP("Serve", "not known: the station has not said (an older version, or a record without the table of stations)")));
        if (s.rowsWaiting >= 0)
            waiting = QStringLiteral("<span class=\"%1\">%2</span>").arg(s.rowsWaiting ? QStringLiteral("bad") : QString()).arg(s.rowsWaiting);
        // One arg() for all: a value holding "%1" is never read as a place.
        html += QStringLiteral("<tr data-station=\"%1\"><td>%2</td><td>%3</td><td class=\"wrap\">%4</td><td class=\"%5\">%6</td>"
                               "<td class=\"n verified\">%7</td><td class=\"n\">%8</td><td class=\"n waiting\">%9</td>")
                    .arg(esc(s.station), esc(shownStation(s.station)), esc(s.operatorName), last, resultClass(result),
                         s.last.isEmpty() ? QString() : outcome(s.last), QString::number(s.verified),
                         esc(percent(s.today)), waiting);
        html += QStringLiteral("<td class=\"n\">%1</td></tr>").arg(s.seen.isValid() ? esc(localTime(isoText(s.seen))) : QStringLiteral("—"));
    }
    html += QStringLiteral("</table></div></section>");

    // The hours, and what went wrong.
    html += QStringLiteral("<div class=\"two\"><section><h2>%1</h2>%2</section>")
                .arg(t(QT_TRANSLATE_NOOP("Serve", "Units per hour")), hourChart(summary, language));
    html += QStringLiteral("<section><h2>%1</h2>").arg(t(QT_TRANSLATE_NOOP("Serve", "Failures by cause")));
    if (summary.failures.isEmpty()) {
        html += QStringLiteral("<p class=\"mute\" id=\"failures\">%1</p>").arg(t(QT_TRANSLATE_NOOP("Serve", "No failures today.")));
    } else {
        QList<QPair<QString, int>> causes;
        int most = 1;
        for (auto it = summary.failures.cbegin(); it != summary.failures.cend(); ++it) {
            causes << qMakePair(it.key(), it.value());
            most = std::max(most, it.value());
        }
        std::stable_sort(causes.begin(), causes.end(), [](const auto &a, const auto &b) { return a.second > b.second; });
        html += QStringLiteral("<table class=\"bars\" id=\"failures\">");
        for (const auto &cause : causes) {
            html += QStringLiteral("<tr data-result=\"%1\"><td>%2</td><td class=\"n\">%3</td><td><i style=\"width:%4px\"></i></td></tr>")
                        .arg(esc(cause.first), esc(resultText(language, cause.first)), QString::number(cause.second),
                             QString::number(std::max(2, 160 * cause.second / most)));
        }
        html += QStringLiteral("</table>");
    }
    html += QStringLiteral("</section></div>");

    // The latest units.
    html += QStringLiteral("<section><h2>%1</h2><div class=\"scroll\"><table id=\"last-units\"><tr>")
                .arg(esc(text(language, QT_TRANSLATE_NOOP("Serve", "The last %1 units")).arg(LineReader::LastUnits)));
    for (const char *head : { QT_TRANSLATE_NOOP("Serve", "Time"), QT_TRANSLATE_NOOP("Serve", "Station"),
                              QT_TRANSLATE_NOOP("Serve", "Unit"), QT_TRANSLATE_NOOP("Serve", "Code"),
                              QT_TRANSLATE_NOOP("Serve", "Product"), QT_TRANSLATE_NOOP("Serve", "Result") })
        html += QStringLiteral("<th>%1</th>").arg(t(head));
    html += QStringLiteral("</tr>");
    if (summary.lastUnits.isEmpty())
        html += QStringLiteral("<tr><td colspan=\"6\" class=\"mute\">%1</td></tr>").arg(t(QT_TRANSLATE_NOOP("Serve", "The record holds no unit yet.")));
    for (const QJsonObject &unit : summary.lastUnits) {
        const QString result = unit.value(QLatin1String("result")).toString();
        const QString link = historyLink(language, unit);
        const QString serial = unit.value(QLatin1String("serial")).toString();
        QString label = esc(unitLabel(language, unit));
        QString code = esc(serial);
        if (!link.isEmpty() && !serial.isEmpty())
            code = QStringLiteral("<a href=\"%1\">%2</a>").arg(esc(link), code);
        else if (!link.isEmpty())
            label = QStringLiteral("<a href=\"%1\">%2</a>").arg(esc(link), label);
        QString detail = unit.value(QLatin1String("differences")).toString();
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5 %6</td><td class=\"%7\" title=\"%8\">%9</td></tr>")
                    .arg(esc(localTime(unit.value(QLatin1String("time")).toString())),
                         esc(shownStation(unit.value(QLatin1String("station")).toString())), label, code,
                         esc(unit.value(QLatin1String("product")).toString().toUpper()),
                         esc(unit.value(QLatin1String("module")).toString()), resultClass(result), esc(detail),
                         outcome(unit));
    }
    html += QStringLiteral("</table></div></section>");
    html += QStringLiteral("<p class=\"foot\" id=\"read-at\" data-read=\"%1\">%2</p>")
                .arg(isoText(summary.read),
                     esc(text(language, QT_TRANSLATE_NOOP("Serve", "Read from the record at %1 (the day from %2).")))
                         .arg(esc(localTime(isoText(summary.read))), esc(summary.from.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")))));
    return html;
}

QString LinePage::document(PageLanguage language, const QString &title, const QString &body, bool live) const
{
    QString html = QStringLiteral("<!DOCTYPE html><html lang=\"%1\"><head><meta charset=\"utf-8\">"
                                  "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                                  "<link rel=\"icon\" href=\"data:,\"><title>%2</title><style>%3</style>")
                       .arg(languageKey(language), esc(title), QLatin1String(Style));
    // Without script the page is read again now and then.
    if (live)
        html += QStringLiteral("<noscript><meta http-equiv=\"refresh\" content=\"30\"></noscript>");
    html += QStringLiteral("</head><body>") + body;
    if (live)
        html += QStringLiteral("<script>%1</script>").arg(QLatin1String(LiveScript));
    html += QStringLiteral("</body></html>");
    return html;
}

QByteArray LinePage::linePage(const QString &fragment, const RecordState &state, PageLanguage language) const
{
    const QString title = text(language, QT_TRANSLATE_NOOP("Serve", "The line at a glance"));
    const QString other = language == PageLanguage::Chinese ? QStringLiteral("English") : QStringLiteral("中文");
    const QString otherKey = language == PageLanguage::Chinese ? QStringLiteral("en") : QStringLiteral("zh");
    const QString body =
        QStringLiteral("<header><h1>%1</h1><span class=\"meta\">%2</span>"
                       "<span id=\"live\" data-on=\"%3\" data-off=\"%4\">%5</span>"
                       "<span class=\"meta\"><a href=\"/?lang=%6\" lang=\"%6\">%7</a></span></header><main id=\"line\">%8</main>")
            .arg(esc(title), esc(text(language, QT_TRANSLATE_NOOP("Serve", "Record: %1")).arg(state.name)),
                 esc(text(language, QT_TRANSLATE_NOOP("Serve", "live"))),
                 esc(text(language, QT_TRANSLATE_NOOP("Serve", "not live: connecting again…"))),
                 esc(text(language, QT_TRANSLATE_NOOP("Serve", "reload the page for the latest figures"))), otherKey, other,
                 fragment);
    return document(language, title, body, true).toUtf8();
}

QByteArray LinePage::historyPage(const QString &what, const UnitsAnswer &answer, PageLanguage language) const
{
    const auto t = [&](const char *source) { return esc(text(language, source)); };
    const QString title = text(language, QT_TRANSLATE_NOOP("Serve", "History: %1")).arg(what);
    QString body = QStringLiteral("<header><h1>%1</h1><span class=\"meta\"><a href=\"/?lang=%2\">%3</a></span></header><main>")
                       .arg(esc(title), languageKey(language), t(QT_TRANSLATE_NOOP("Serve", "Back to the line")));
    body += QStringLiteral("<section><div class=\"scroll\"><table id=\"history\"><tr>");
    for (const char *head : { QT_TRANSLATE_NOOP("Serve", "Time"), QT_TRANSLATE_NOOP("Serve", "Station"),
                              QT_TRANSLATE_NOOP("Serve", "Operator"), QT_TRANSLATE_NOOP("Serve", "Port"),
                              QT_TRANSLATE_NOOP("Serve", "Product"), QT_TRANSLATE_NOOP("Serve", "Unit"),
                              QT_TRANSLATE_NOOP("Serve", "Code"), QT_TRANSLATE_NOOP("Serve", "Settings"),
                              QT_TRANSLATE_NOOP("Serve", "Result"), QT_TRANSLATE_NOOP("Serve", "Detail") })
        body += QStringLiteral("<th>%1</th>").arg(t(head));
    body += QStringLiteral("</tr>");
    if (answer.units.isEmpty())
        body += QStringLiteral("<tr><td colspan=\"10\" class=\"mute\">%1</td></tr>").arg(t(QT_TRANSLATE_NOOP("Serve", "The record holds no such unit.")));
    for (const QJsonObject &unit : answer.units) {
        const QString result = unit.value(QLatin1String("result")).toString();
        QStringList settings;
        for (const char *column : { "work_mode", "baud", "link_rate", "power" }) {
            const QJsonValue value = unit.value(QLatin1String(column));
            const QString shown = value.isDouble() ? QString::number(value.toInteger()) : value.toString();
            if (!shown.isEmpty())
                settings << shown;
        }
        QString detail = unit.value(QLatin1String("differences")).toString();
        if (unit.value(QLatin1String("superseded")).toBool())
            detail = text(language, QT_TRANSLATE_NOOP("Serve", "(superseded)")) + QLatin1Char(' ') + detail;
        body += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td><td>%6</td><td>%7</td><td class=\"wrap\">%8</td>"
                               "<td class=\"%9\">")
                    .arg(esc(localTime(unit.value(QLatin1String("time")).toString(), true)),
                         esc(shownStation(unit.value(QLatin1String("station")).toString())),
                         esc(unit.value(QLatin1String("operator")).toString()), esc(unit.value(QLatin1String("port")).toString()),
                         esc(unit.value(QLatin1String("product")).toString().toUpper() + QLatin1Char(' ')
                             + unit.value(QLatin1String("module")).toString() + QLatin1Char(' ')
                             + unit.value(QLatin1String("mode")).toString()),
                         esc(unitLabel(language, unit)), esc(unit.value(QLatin1String("serial")).toString()),
                         esc(settings.join(QStringLiteral(" · "))), resultClass(result));
        body += QStringLiteral("%1</td><td class=\"wrap\">%2</td></tr>").arg(esc(resultText(language, result)), esc(detail.trimmed()));
    }
    body += QStringLiteral("</table></div>");
    if (answer.more)
        body += QStringLiteral("<p class=\"mute\">%1</p>").arg(t(QT_TRANSLATE_NOOP("Serve", "Only the first rows are shown; /api/units gives them all.")));
    body += QStringLiteral("</section></main>");
    return document(language, title, body, false).toUtf8();
}

QByteArray LinePage::tokenPage(PageLanguage language, bool wrong) const
{
    const auto t = [&](const char *source) { return esc(text(language, source)); };
    const QString title = text(language, QT_TRANSLATE_NOOP("Serve", "The line at a glance"));
    QString body = QStringLiteral("<header><h1>%1</h1></header><main><section><h2>%2</h2>")
                       .arg(esc(title), t(QT_TRANSLATE_NOOP("Serve", "This view asks for its token")));
    if (wrong)
        body += QStringLiteral("<p class=\"banner\">%1</p>").arg(t(QT_TRANSLATE_NOOP("Serve", "That is not the token.")));
    body += QStringLiteral("<p>%1</p><form method=\"get\" action=\"/\"><input type=\"hidden\" name=\"lang\" value=\"%2\">"
                           "<input type=\"password\" name=\"token\" autocomplete=\"current-password\" aria-label=\"%3\"> "
                           "<button type=\"submit\">%4</button></form></section></main>")
                .arg(t(QT_TRANSLATE_NOOP("Serve", "The token is in the line server's token file; ask whoever set it up.")),
                     languageKey(language), t(QT_TRANSLATE_NOOP("Serve", "Token")), t(QT_TRANSLATE_NOOP("Serve", "Open")));
    return document(language, title, body, false).toUtf8();
}

QByteArray LinePage::errorPage(int status, const QString &message, PageLanguage language) const
{
    const QString title = QStringLiteral("%1 · %2").arg(status).arg(text(language, QT_TRANSLATE_NOOP("Serve", "The line at a glance")));
    const QString body = QStringLiteral("<header><h1>%1</h1></header><main><section><p>%2</p><p><a href=\"/?lang=%3\">%4</a></p></section></main>")
                             .arg(QString::number(status), esc(message), languageKey(language),
                                  esc(text(language, QT_TRANSLATE_NOOP("Serve", "Back to the line"))));
    return document(language, title, body, false).toUtf8();
}

QByteArray LinePage::securityPolicy()
{
    static const QByteArray policy = "default-src 'none'; style-src 'unsafe-inline'; img-src data:; connect-src 'self'; "
                                     "form-action 'self'; base-uri 'none'; frame-ancestors 'none'; script-src 'sha256-"
        + QCryptographicHash::hash(QByteArray(LiveScript), QCryptographicHash::Sha256).toBase64() + "'";
    return policy;
}

QByteArray summaryJson(const LineSummary &summary, const RecordState &state)
{
    QJsonObject object = recordStateJson(state);
    object.insert(QStringLiteral("read"), isoText(summary.read));
    object.insert(QStringLiteral("day"), QJsonObject { { "from", isoText(summary.from) }, { "to", isoText(summary.to) } });
    object.insert(QStringLiteral("total"), QJsonObject { { "attempts", summary.total.attempts },
                                                         { "good", summary.total.good },
                                                         { "verified", summary.verified },
                                                         { "yield", yieldValue(summary.total) },
                                                         { "inProgress", summary.inProgress },
                                                         { "inspections", summary.inspections } });
    QJsonArray hours;
    for (auto it = summary.perHour.cbegin(); it != summary.perHour.cend(); ++it)
        hours.append(QJsonObject { { "hour", isoText(it.key()) }, { "attempts", it->attempts }, { "good", it->good } });
    object.insert(QStringLiteral("perHour"), hours);
    QJsonArray failures;
    for (auto it = summary.failures.cbegin(); it != summary.failures.cend(); ++it)
        failures.append(QJsonObject { { "result", it.key() }, { "units", it.value() } });
    object.insert(QStringLiteral("failures"), failures);
    object.insert(QStringLiteral("stations"), stationArray(summary));
    QJsonArray last;
    for (const QJsonObject &unit : summary.lastUnits)
        last.append(unit);
    object.insert(QStringLiteral("lastUnits"), last);
    return compact(object);
}

QByteArray stationsJson(const LineSummary &summary, const RecordState &state)
{
    QJsonObject object = recordStateJson(state);
    object.insert(QStringLiteral("read"), isoText(summary.read));
    object.insert(QStringLiteral("stationsKept"), summary.stationsKept);
    object.insert(QStringLiteral("stations"), stationArray(summary));
    return compact(object);
}

QByteArray unitsJson(const UnitsAnswer &answer, const QString &next)
{
    // The rows come as one array already; the page's link beside them.
    const QByteArray link = next.isEmpty() ? QByteArray("null")
                                           : QJsonDocument(QJsonArray { next }).toJson(QJsonDocument::Compact).mid(1).chopped(1);
    return "{\"units\":" + (answer.json.isEmpty() ? QByteArray("[]") : answer.json) + ",\"next\":" + link + '}';
}

QByteArray errorJson(const QString &message)
{
    return compact(QJsonObject { { "error", message } });
}

QString liveMessage(const QString &fragment)
{
    return QString::fromUtf8(QJsonDocument(QJsonObject { { "html", fragment } }).toJson(QJsonDocument::Compact));
}
