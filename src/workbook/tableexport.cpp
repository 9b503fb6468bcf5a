#include "workbook/tableexport.h"

#include "app/appstate.h"
#include "common/numbertext.h"
#include "common/statusview.h"
#include "workbook/workbooklink.h"

using namespace Qt::Literals::StringLiterals;

namespace songtao {

ExportResult exportTable(AppState &state, const TableExport &plan, const QString &path,
                         StatusView &view)
{
    // Appending to an old workbook that could not be replaced would mix the
    // export with stale rows.
    if (!writeTemplate(plan.workbookTemplate, path) || !state.workbookLink.connect(path))
        return ExportResult::NotConnected;

    RecordSet &records = state.recordSet;
    if (!records.query(plan.statement) || !records.countAndRewind()) {
        records.close();
        return ExportResult::QueryFailed;
    }
    const int total = records.recordCount();
    if (total <= 0 && plan.stopWhenEmpty) {
        records.close();
        return ExportResult::NoRows;
    }

    const QString sheet = templateSheetName(plan.workbookTemplate);
    const QString ofTotal = u'/' + integerText(total);
    QList<int> indexes;
    for (const QString &column : plan.columns)
        indexes << records.columnIndex(column);

    // The transaction only gives the reading one consistent view of the
    // table; nothing is written to the database.
    state.database.beginTransaction();
    for (int i = 1; i <= total && records.step(); ++i) {
        QList<QPair<QString, QString>> row;
        for (qsizetype c = 0; c < plan.columns.size(); ++c)
            row.append({plan.columns[c], records.readColumn(indexes[c])});
        if (!state.workbookLink.insertRow(sheet, row)) {
            records.close();
            state.database.commitTransaction();
            return ExportResult::InsertFailed;
        }
        view.showStatus(integerText(i) + ofTotal);
    }
    records.close();
    const bool written = state.workbookLink.disconnect();
    state.database.commitTransaction();
    return written ? ExportResult::Exported : ExportResult::WriteFailed;
}

} // namespace songtao
