#pragma once
// A unit's own code (its serial or label code, as scanned or typed): one rule
// for every place a code comes in (the window's field, the batch dialog,
// kvx-cli's --serial, --serials and standard input, a record imported), so a
// code in the record is always one a label can show and a scanner can give
// back: 1 to 64 printable characters (letters, digits, punctuation, symbols,
// spaces between them), no control, format or private-use characters.

#include <QString>
#include <QStringList>

// The longest code, in characters (not bytes: a Chinese code counts its
// characters).
constexpr int MaxUnitCodeLength = 64;

// Why `code` is no unit code, in one line for the operator; empty when it
// is one. The code is taken as given (callers trim what a scanner adds).
QString unitCodeProblem(const QString &code);

// A code as a message may show it: characters a terminal or a label would
// act on or hide written as \x1b or \u200b, a long one cut.
QString shownUnitCode(const QString &code);

// The first code given twice in `codes` (empty ones aside); empty when
// every code is given once.
QString repeatedUnitCode(const QStringList &codes);
// Why the codes of one batch cannot be taken: the first code that breaks the
// rule, or the first given twice ("unit code SN-1 is given twice"); empty
// when they can.
QString batchCodesProblem(const QStringList &codes);
