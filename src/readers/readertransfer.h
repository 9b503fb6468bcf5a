#pragma once

#include <QString>

namespace songtao {

struct AppState;
class Dialogs;
class StatusView;

// Adds the readers of Sheet1 whose card number the table does not hold yet
// (nor an earlier row of the same sheet), empty loan strings as "0", in one
// transaction; shows how many were added. The caller refills the list
// whatever happened. Returns the number added.
int importReaders(AppState &state, Dialogs &dialogs, const QString &path);

// Every reader, loan strings included, to a workbook chosen in save mode.
void exportReaders(AppState &state, Dialogs &dialogs, StatusView &status);

} // namespace songtao
