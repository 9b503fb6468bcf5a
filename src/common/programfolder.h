#pragma once

#include <QString>

namespace songtao {

// The folder of the program file, without a trailing separator. The database,
// its backups and the first folder of the workbook chooser live there.
QString programFolder();

// Tests point the program's folder at a temporary one; an empty text goes
// back to the real folder.
void overrideProgramFolder(const QString &folder);

} // namespace songtao
