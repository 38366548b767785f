#pragma once
// The day at a glance, from a record's figures (records/recordfigures.h):
// units per hour, good units against attempts, failures by reason, by
// station and by operator. A self-contained HTML file (its charts inline
// SVG, nothing fetched) and a PDF (Qt's PDF writer) draw the same charts.

#include <QString>

#include "records/recordfigures.h"

// `title` heads the report ("Units of 2026-12-08").
QString reportHtml(const RecordFigures &figures, const QString &title);
bool writeReportHtml(const RecordFigures &figures, const QString &title, const QString &path, QString *error);
bool writeReportPdf(const RecordFigures &figures, const QString &title, const QString &path, QString *error);
