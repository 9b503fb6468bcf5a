#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace songtao {

// The one text form of dates and times, e.g. 2016年3月21日15时40分6秒;
// the time part shrinks as its trailing fields are zero and vanishes at
// midnight. Dates outside 1 January 100 .. 31 December 9999 are written as
// those limits.
QString dateTimeText(const QDateTime &moment);

// The date alone: 2016年3月21日.
QString dateText(QDate date);

// Reads a date or date-time text back. Full-width digits and separators are
// accepted, as are "-", ".", "/" and ":" in place of the Chinese separators.
// Anything that does not fit, or names a day that does not exist, gives
// 1 January 100 (see invalidDateTime()).
QDateTime parseDateTimeText(const QString &text);

// What parseDateTimeText() gives for a text that does not fit.
QDateTime invalidDateTime();

// Whole seconds from `from` to `to`, any fraction dropped.
qint64 elapsedWholeSeconds(const QDateTime &from, const QDateTime &to);

} // namespace songtao
