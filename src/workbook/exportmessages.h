#pragma once

#include "workbook/tableexport.h"

namespace songtao {

class Dialogs;

// The boxes every export shows for a link it could not connect or a row it
// could not write; true when `result` was one of those and has been shown.
bool showExportFailure(ExportResult result, Dialogs &dialogs);

} // namespace songtao
