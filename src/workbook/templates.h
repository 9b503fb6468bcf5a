#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace songtao {

// The empty workbooks each export starts from: one worksheet whose row 1
// holds the headings of what is exported.
enum class WorkbookTemplate { Books, Readers, LendingReport };

QString templateSheetName(WorkbookTemplate kind);
QStringList templateHeadings(WorkbookTemplate kind);

// The template as carried in the program, byte for byte.
QByteArray templateBytes(WorkbookTemplate kind);

// The template as the workbook writer makes it from the name and headings
// above; the carried bytes were made this way.
QByteArray buildTemplate(WorkbookTemplate kind);

// Writes the carried template over `path` (creating or replacing the file,
// atomically). False when it cannot be written.
bool writeTemplate(WorkbookTemplate kind, const QString &path);

} // namespace songtao
