#pragma once
// A unit's label: product, module, mode, network and unit address, its own
// code, the date and the station, in words and as a QR code that carries
// the same as one line of text. Drawn into a PDF (Qt's PDF writer) at the
// sizes of common label printers or on A4 sheets, or sent to a printer.

#include <QImage>
#include <QList>
#include <QString>

#include "records/recordstore.h"

class QPainter;
class QRectF;

enum class LabelSize { Label62x29, Label50x25, A4Sheet };

// "62x29", "50x25", "a4"; false for any other name.
bool labelSizeForKey(const QString &key, LabelSize *size);
QString labelSizeKey(LabelSize size);

// The one line the QR code carries:
// "KVX;product=KV5;module=Tarn;mode=p2mp;network=25819;unit=5;code=SN1;date=2026-12-08;station=line-1"
// (no unit in point to point; a '\\', ';' or '=' inside a value is written
// with a '\\' before it, so the code comes back from a scan as it is).
QString labelLine(const UnitRecord &record);

// The QR code of `text`, one pixel a module, with its quiet zone; a null
// image when it cannot be made.
QImage qrImage(const QString &text);

// Draws the label into `area` (in the painter's units): its QR code, and its
// code whole on up to three lines. False (nothing drawn), with the reason,
// when the QR code would be too fine to scan or the code too small to read.
bool paintLabel(QPainter &painter, const QRectF &area, const UnitRecord &record, QString *error = nullptr);

// One label a page (or, on A4, a sheet of 3 x 8), into a PDF file; every
// label whole or none (see paintLabel()).
bool writeLabelsPdf(const QList<UnitRecord> &records, LabelSize size, const QString &path, QString *error);
// The same to a printer by its name (the system's default when empty).
bool printLabels(const QList<UnitRecord> &records, LabelSize size, const QString &printer, QString *error);
