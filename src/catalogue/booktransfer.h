#pragma once

#include <QString>

namespace songtao {

struct AppState;
class Clock;
class Dialogs;
class StatusView;

// The confirmation, the backup and the import of every row of Sheet1 whose
// 图书编号 is not empty, in one transaction. Progress goes to `status`.
// Returns the number of rows imported (0 when it stopped early).
int importBooks(AppState &state, Dialogs &dialogs, const Clock &clock, const QString &path,
                StatusView &status);

// The whole catalogue to a workbook chosen in save mode.
void exportBooks(AppState &state, Dialogs &dialogs, StatusView &status);

} // namespace songtao
