#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace songtao::xls {

// Whether a built-in number format (one the file need not spell out) shows a
// date or a time.
bool isBuiltInDateFormat(int formatId);

// Whether a format text shows a date or a time: it uses day, month, year,
// hour or second codes outside quotes, escapes and colour or locale tags,
// and more of them than digit placeholders. Only the first section (the one
// for positive numbers) counts.
bool isDateFormatText(QStringView format);

// A cell's serial day number as a date and time, rounded to the second;
// nothing for a number no date can stand for (negative, too large, NaN).
// The 1900 system keeps Excel's fictitious 29 February 1900 (serial 60).
std::optional<QDateTime> serialDateTime(double serial, bool date1904);

// %.13g, the form every number of a workbook is read in, with a fast path
// for whole numbers (most numbers in a library's sheets).
QString numberText(double value);

// The shortest decimal form that reads back as the same number, as the
// system's conversion of automation values gives it for the preview.
QString shortestNumberText(double value);

} // namespace songtao::xls
