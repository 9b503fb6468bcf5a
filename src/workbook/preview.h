#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace songtao {

// Cells A1 to Z2 of the first worksheet of the workbook at `path`: two rows
// of 26 texts, numbers in their shortest decimal form, dates as 2016/3/21
// (with the time after a blank when it is not midnight), text unchanged.
// Every text is empty for a file that cannot be opened.
QList<QStringList> readFirstSheetPreview(const QString &path);

} // namespace songtao
