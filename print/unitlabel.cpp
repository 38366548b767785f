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

// A value kept apart from the line's separators.
QString clean(QString value)
{
    return value.replace(QLatin1Char(';'), QLatin1Char(',')).replace(QLatin1Char('='), QLatin1Char(':')).simplified();
}

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

bool drawPages(QPagedPaintDevice &device, const QList<UnitRecord> &records, LabelSize size, QString *error)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        if (error)
            *error = LabelText::tr("cannot start drawing the labels");
        return false;
    }
    const qreal perMm = device.logicalDpiX() / 25.4;
    const int perPage = size == LabelSize::A4Sheet ? SheetColumns * SheetRows : 1;
    for (int i = 0; i < records.size(); ++i) {
        if (i > 0 && i % perPage == 0)
            device.newPage();
        QRectF area;
        if (size == LabelSize::A4Sheet) {
            const int place = i % perPage;
            const QPointF corner((place % SheetColumns) * SheetCellMm.width(), (place / SheetColumns) * SheetCellMm.height());
            area = QRectF(corner * perMm, SheetCellMm * perMm).adjusted(3 * perMm, 3 * perMm, -3 * perMm, -3 * perMm);
        } else {
            area = QRectF(QPointF(0, 0), labelMm(size) * perMm).adjusted(1.5 * perMm, 1.5 * perMm, -1.5 * perMm, -1.5 * perMm);
        }
        paintLabel(painter, area, records.at(i));
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
    QStringList parts { QStringLiteral("KVX"), QStringLiteral("product=") + clean(productCaption(r.config.product)),
                        QStringLiteral("module=") + clean(moduleCaption(r.config.module)),
                        QStringLiteral("mode=") + modeKey(r.config.mode),
                        QStringLiteral("network=") + recordNetworkAddress(r) };
    if (isMultipoint(r.config.mode))
        parts << QStringLiteral("unit=") + recordUnitAddress(r);
    parts << QStringLiteral("code=") + clean(r.serial) << QStringLiteral("date=") + labelDate(r)
          << QStringLiteral("station=") + clean(r.station);
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

void paintLabel(QPainter &painter, const QRectF &area, const UnitRecord &r)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // The QR code fills the label's height on the left (its quiet zone of
    // two modules inside the label's margin), the words take the rest.
    int modules = 0;
    qrPath(labelLine(r), 1, &modules);
    const qreal side = area.height();
    if (modules > 0) {
        const qreal module = side / (modules + 4);
        const QPainterPath path = qrPath(labelLine(r), module, &modules);
        painter.fillRect(QRectF(area.topLeft(), QSizeF(side, side)), Qt::white);
        painter.translate(area.topLeft() + QPointF(2 * module, 2 * module));
        painter.fillPath(path, Qt::black);
        painter.translate(-(area.topLeft() + QPointF(2 * module, 2 * module)));
    }
    QRectF words(area.left() + side + side * 0.06, area.top(), area.width() - side - side * 0.06, area.height());
    QString unit = LabelText::tr("network %1").arg(recordNetworkAddress(r));
    if (isMultipoint(r.config.mode))
        unit += LabelText::tr(" · unit %1").arg(recordUnitAddress(r));
    const QStringList lines { QStringLiteral("%1 · %2").arg(productCaption(r.config.product), moduleCaption(r.config.module)),
                              isMultipoint(r.config.mode) ? LabelText::tr("point to multipoint") : LabelText::tr("point to point"),
                              unit,
                              r.serial,
                              r.station.isEmpty() ? labelDate(r) : QStringLiteral("%1 · %2").arg(labelDate(r), r.station) };
    QFont font(QStringLiteral("Sans Serif"));
    const qreal lineHeight = words.height() / lines.size();
    for (int i = 0; i < lines.size(); ++i) {
        font.setBold(i == 3);
        font.setPixelSize(qMax(1, int(lineHeight * (i == 3 ? 0.78 : 0.62))));
        // A long line shrinks to fit the label's width.
        QFontMetricsF metrics(font, painter.device());
        const qreal width = metrics.horizontalAdvance(lines.at(i));
        if (width > words.width() && width > 0)
            font.setPixelSize(qMax(1, int(font.pixelSize() * words.width() / width)));
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(words.left(), words.top() + i * lineHeight, words.width(), lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, lines.at(i));
    }
    painter.restore();
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
