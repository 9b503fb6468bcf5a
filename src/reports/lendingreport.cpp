#include "reports/lendingreport.h"

#include "app/appstate.h"
#include "common/dialogs.h"
#include "common/numbertext.h"
#include "common/statusview.h"
#include "workbook/exportmessages.h"
#include "workbook/tableexport.h"

using namespace Qt::Literals::StringLiterals;

namespace songtao {
namespace {

const QStringList &reportColumns()
{
    static const QStringList columns = {u"图书编号"_s, u"书名"_s, u"借阅者"_s, u"借书日期"_s,
                                        u"还书日期"_s};
    return columns;
}

// The year stands in the statement as a bare number, which matches the
// stored text through the column's text affinity. It is our own integer,
// never the box's text, so nothing typed can reach the statement.
QString reportStatement(const QString &yearText)
{
    return u"select * from 借阅报表 where 年份="_s + integerText(textToInt(yearText));
}

} // namespace

std::optional<QList<ReportRow>> readReport(RecordSet &records, const QString &yearText)
{
    if (!records.query(reportStatement(yearText)) || !records.countAndRewind()) {
        records.close();
        return std::nullopt;
    }
    QList<int> columns;
    for (const QString &column : reportColumns())
        columns << records.columnIndex(column);
    QList<ReportRow> rows;
    rows.reserve(records.recordCount());
    while (records.step()) {
        rows.append({records.readColumn(columns[0]), records.readColumn(columns[1]),
                     records.readColumn(columns[2]), records.readColumn(columns[3]),
                     records.readColumn(columns[4])});
    }
    records.close();
    return rows;
}

void exportReport(AppState &state, Dialogs &dialogs, const QString &yearText, StatusView &status)
{
    status.showStatus(u"准备导出数据……"_s);
    const QString path = dialogs.chooseFile(FileChoiceMode::Save, {});
    if (path.isEmpty())
        return;
    const ExportResult result = exportTable(
        state, {WorkbookTemplate::LendingReport, reportStatement(yearText), reportColumns(), false},
        path, status);
    if (showExportFailure(result, dialogs))
        return;
    if (result == ExportResult::QueryFailed)
        status.showStatus(u"操作失败，可能没有借阅数据！"_s);
    else
        status.showStatus(u"导出借阅报表成功！"_s);
}

} // namespace songtao
