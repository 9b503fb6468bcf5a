#pragma once

#include "workbook/templates.h"

#include <QString>
#include <QStringList>

namespace songtao {

struct AppState;
class StatusView;

// Writes a query's rows to a fresh workbook: the template first, replacing
// whatever the file held, then one sheet row per result row, the progress
// as "i/N" after each. The rows' columns are read by name and written under
// the same headings.
struct TableExport
{
    WorkbookTemplate workbookTemplate;
    QString statement;
    QStringList columns;
    // An empty result stops before writing anything but the template.
    bool stopWhenEmpty = true;
};

enum class ExportResult {
    NotConnected, // the template could not be written or the link not connected
    QueryFailed,
    NoRows,
    InsertFailed, // rows before the failed one are in the file
    WriteFailed, // the file could not be written at the end
    Exported,
};

ExportResult exportTable(AppState &state, const TableExport &plan, const QString &path,
                         StatusView &view);

} // namespace songtao
