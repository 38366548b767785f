#include "print/unitlabel.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <qrencode.h>

#include <memory>

namespace {

struct LabelText {
    Q_DECLARE_TR_FUNCTIONS(UnitLabel)
};

// A value kept apart from the line's separators, as it is: a backslash
// before each backslash, semicolon and equals sign, so a scan gives back
// exactly what the record holds.
QString escaped(const QString &value)
{
    QString text;
    text.reserve(value.size());
    for (const QChar c : value) {
        if (c == QLatin1Char('\\') || c == QLatin1Char(';') || c == QLatin1Char('='))
            text += QLatin1Char('\\');
        text += c;
    }
    return text;
}

// The smallest QR module a label printer draws so a scanner reads it (two
// dots of a 203 dpi printer), and the smallest height of the code's letters.
constexpr qreal SmallestModuleMm = 0.25;
constexpr qreal SmallestCodeMm = 1.2;
constexpr int MostCodeLines = 4;

QString labelDate(const UnitRecord &r)
{
    return r.time.toLocalTime().date().toString(Qt::ISODate);
}

QSizeF labelMm(LabelSize size)
{
    return size == LabelSize::Label50x25 ? QSizeF(50, 25) : QSizeF(62, 29);
}

// A 24-label A4 sheet: 3 x 8 labels of 70 x 37 mm, edge to edge.
constexpr int SheetColumns = 3;
constexpr int SheetRows = 8;
const QSizeF SheetCellMm(70, 37.125);

// The QR code as one filled path of its dark modules, `module` units each.
QPainterPath qrPath(const QString &text, qreal module, int *modules)
{
    QPainterPath path;
    const QByteArray bytes = text.toUtf8();
    std::unique_ptr<QRcode, void (*)(QRcode *)> code(QRcode_encodeString(bytes.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1),
                                                     QRcode_free);
    *modules = 0;
    if (!code)
        return path;
    *modules = code->width;
    path.setFillRule(Qt::WindingFill);
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            if (code->data[y * code->width + x] & 1)
                path.addRect(QRectF(x * module, y * module, module, module));
        }
    }
    return path;
}

// Where everything of a label goes, worked out before anything is drawn, so
// a label that cannot carry its QR code or its code is refused whole.
struct LabelLayout {
    QString error;
    qreal module = 0;                 // the QR code's module, in the device's units
    QPainterPath qr;
    QRectF qrArea;
    QList<std::pair<QString, QFont>> lines;
    QRectF words;
    qreal lineHeight = 0;
};

// `text` cut into `parts` lines of about as many characters each.
QStringList cutInto(const QString &text, int parts)
{
    QStringList lines;
    const QList<uint> characters = text.toUcs4();
    const qsizetype each = (characters.size() + parts - 1) / parts;
    for (qsizetype i = 0; i < characters.size(); i += each) {
        const QList<uint> part = characters.mid(i, each);
        lines << QString::fromUcs4(reinterpret_cast<const char32_t *>(part.constData()), part.size());
    }
    return lines;
}

LabelLayout layoutLabel(const QRectF &area, const UnitRecord &r, const QPaintDevice *device)
{
    LabelLayout layout;
    const qreal perMm = device->logicalDpiX() / 25.4;
    const QString line = labelLine(r);
    // The QR code fills the label's height on the left (its quiet zone of
    // two modules inside the label's margin), the words take the rest.
    int modules = 0;
    qrPath(line, 1, &modules);
    const qreal side = area.height();
    if (modules == 0) {
        layout.error = LabelText::tr("the QR code of %1 cannot be made (its line is %2 bytes)")
                           .arg(r.serial.isEmpty() ? recordNetworkAddress(r) : r.serial)
                           .arg(line.toUtf8().size());
        return layout;
    }
    layout.module = side / (modules + 4);
    if (layout.module < SmallestModuleMm * perMm) {
        layout.error = LabelText::tr("the QR code of %1 would be too fine to scan on this label (its line is %2 bytes)")
                           .arg(r.serial)
                           .arg(line.toUtf8().size());
        return layout;
    }
    layout.qr = qrPath(line, layout.module, &modules);
    layout.qrArea = QRectF(area.topLeft(), QSizeF(side, side));
    layout.words = QRectF(area.left() + side + side * 0.06, area.top(), area.width() - side - side * 0.06, area.height());
    QString unit = LabelText::tr("network %1").arg(recordNetworkAddress(r));
    if (isMultipoint(r.config.mode))
        unit += LabelText::tr(" · unit %1").arg(recordUnitAddress(r));
    const QStringList before { QStringLiteral("%1 · %2").arg(productCaption(r.config.product), moduleCaption(r.config.module)),
                               isMultipoint(r.config.mode) ? LabelText::tr("point to multipoint")
                                                           : LabelText::tr("point to point"),
                               unit };
    const QString after = r.station.isEmpty() ? labelDate(r) : QStringLiteral("%1 · %2").arg(labelDate(r), r.station);
    const auto fitted = [&](const QString &text, QFont font, qreal pixels) {
        font.setPixelSize(qMax(1, int(pixels)));
        // A long line shrinks to fit the label's width.
        const qreal width = QFontMetricsF(font, device).horizontalAdvance(text);
        if (width > layout.words.width() && width > 0)
            font.setPixelSize(qMax(1, int(font.pixelSize() * layout.words.width() / width)));
        return font;
    };
    QFont plain(QStringLiteral("Sans Serif"));
    QFont bold = plain;
    bold.setBold(true);
    // The code whole, on as few lines as keep its letters readable.
    for (int parts = 1; parts <= MostCodeLines && layout.lines.isEmpty(); ++parts) {
        const QStringList codeLines = r.serial.isEmpty() ? QStringList { QString() } : cutInto(r.serial, parts);
        const qreal lineHeight = layout.words.height() / (before.size() + codeLines.size() + 1);
        QList<std::pair<QString, QFont>> lines;
        bool readable = true;
        for (const QString &text : codeLines) {
            const QFont font = fitted(text, bold, lineHeight * 0.78);
            readable = readable && (text.isEmpty() || font.pixelSize() >= SmallestCodeMm * perMm);
            lines.append({ text, font });
        }
        if (!readable && parts < MostCodeLines)
            continue;
        if (!readable) {
            layout.error = LabelText::tr("unit code %1 is too long to print readably on a label of this size").arg(r.serial);
            return layout;
        }
        for (const QString &text : before)
            layout.lines.append({ text, fitted(text, plain, lineHeight * 0.62) });
        layout.lines += lines;
        layout.lines.append({ after, fitted(after, plain, lineHeight * 0.62) });
        layout.lineHeight = lineHeight;
    }
    return layout;
}

QRectF labelArea(int i, qreal perMm, LabelSize size)
{
    if (size == LabelSize::A4Sheet) {
        const int place = i % (SheetColumns * SheetRows);
        const QPointF corner((place % SheetColumns) * SheetCellMm.width(), (place / SheetColumns) * SheetCellMm.height());
        return QRectF(corner * perMm, SheetCellMm * perMm).adjusted(3 * perMm, 3 * perMm, -3 * perMm, -3 * perMm);
    }
    return QRectF(QPointF(0, 0), labelMm(size) * perMm).adjusted(1.5 * perMm, 1.5 * perMm, -1.5 * perMm, -1.5 * perMm);
}

bool drawPages(QPagedPaintDevice &device, const QList<UnitRecord> &records, LabelSize size, QString *error)
{
    // Every label whole, or none: one that cannot carry its QR code and
    // its code fails the lot before a page is drawn.
    const qreal perMm = device.logicalDpiX() / 25.4;
    for (int i = 0; i < records.size(); ++i) {
        const QString problem = layoutLabel(labelArea(i, perMm, size), records.at(i), &device).error;
        if (!problem.isEmpty()) {
            if (error)
                *error = problem;
            return false;
        }
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        if (error)
            *error = LabelText::tr("cannot start drawing the labels");
        return false;
    }
    const int perPage = size == LabelSize::A4Sheet ? SheetColumns * SheetRows : 1;
    for (int i = 0; i < records.size(); ++i) {
        if (i > 0 && i % perPage == 0)
            device.newPage();
        if (!paintLabel(painter, labelArea(i, perMm, size), records.at(i), error)) {
            painter.end();
            return false;
        }
    }
    return painter.end();
}

QPageLayout layoutFor(LabelSize size)
{
    if (size == LabelSize::A4Sheet)
        return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
    const QSizeF mm = labelMm(size);
    return QPageLayout(QPageSize(mm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch), QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

} // namespace

bool labelSizeForKey(const QString &key, LabelSize *size)
{
    const QString k = key.toLower();
    if (k == QLatin1String("62x29"))
        *size = LabelSize::Label62x29;
    else if (k == QLatin1String("50x25"))
        *size = LabelSize::Label50x25;
    else if (k == QLatin1String("a4"))
        *size = LabelSize::A4Sheet;
    else
        return false;
    return true;
}

QString labelSizeKey(LabelSize size)
{
    switch (size) {
    case LabelSize::Label50x25: return QStringLiteral("50x25");
    case LabelSize::A4Sheet: return QStringLiteral("a4");
    case LabelSize::Label62x29: break;
    }
    return QStringLiteral("62x29");
}

QString labelLine(const UnitRecord &r)
{
    QStringList parts { QStringLiteral("KVX"), QStringLiteral("product=") + escaped(productCaption(r.config.product)),
                        QStringLiteral("module=") + escaped(moduleCaption(r.config.module)),
                        QStringLiteral("mode=") + modeKey(r.config.mode),
                        QStringLiteral("network=") + recordNetworkAddress(r) };
    if (isMultipoint(r.config.mode))
        parts << QStringLiteral("unit=") + recordUnitAddress(r);
    parts << QStringLiteral("code=") + escaped(r.serial) << QStringLiteral("date=") + labelDate(r)
          << QStringLiteral("station=") + escaped(r.station);
    return parts.join(QLatin1Char(';'));
}

QImage qrImage(const QString &text)
{
    int modules = 0;
    const QPainterPath path = qrPath(text, 1, &modules);
    if (modules == 0)
        return {};
    const int quiet = 4;
    QImage image(modules + 2 * quiet, modules + 2 * quiet, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(quiet, quiet);
    painter.fillPath(path, Qt::black);
    return image;
}

bool paintLabel(QPainter &painter, const QRectF &area, const UnitRecord &r, QString *error)
{
    const LabelLayout layout = layoutLabel(area, r, painter.device());
    if (!layout.error.isEmpty()) {
        if (error)
            *error = layout.error;
        return false;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(layout.qrArea, Qt::white);
    painter.translate(area.topLeft() + QPointF(2 * layout.module, 2 * layout.module));
    painter.fillPath(layout.qr, Qt::black);
    painter.translate(-(area.topLeft() + QPointF(2 * layout.module, 2 * layout.module)));
    painter.setPen(Qt::black);
    for (int i = 0; i < layout.lines.size(); ++i) {
        painter.setFont(layout.lines.at(i).second);
        painter.drawText(QRectF(layout.words.left(), layout.words.top() + i * layout.lineHeight, layout.words.width(),
                                layout.lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, layout.lines.at(i).first);
    }
    painter.restore();
    return true;
}

bool writeLabelsPdf(const QList<UnitRecord> &records, LabelSize size, const QString &path, QString *error)
{
    if (records.isEmpty()) {
        if (error)
            *error = LabelText::tr("no unit to label");
        return false;
    }
    QPdfWriter writer(path);
    writer.setResolution(600);
    writer.setCreator(QStringLiteral("kvx-config"));
    writer.setTitle(LabelText::tr("Unit labels"));
    writer.setPageLayout(layoutFor(size));
    if (!drawPages(writer, records, size, error))
        return false;
    return true;
}

bool printLabels(const QList<UnitRecord> &records, LabelSize size, const QString &printer, QString *error)
{
    if (records.isEmpty()) {
        if (error)
            *error = LabelText::tr("no unit to label");
        return false;
    }
    const QPrinterInfo info = printer.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(printer);
    if (info.isNull()) {
        if (error)
            *error = printer.isEmpty() ? LabelText::tr("no printer is set up") : LabelText::tr("no printer named %1").arg(printer);
        return false;
    }
    QPrinter device(info, QPrinter::HighResolution);
    device.setFullPage(true);
    device.setPageLayout(layoutFor(size));
    return drawPages(device, records, size, error);
}
