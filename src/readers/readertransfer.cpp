#include "readers/readertransfer.h"

#include "app/appstate.h"
#include "circulation/loanstrings.h"
#include "common/dialogs.h"
#include "common/numbertext.h"
#include "common/statusview.h"
#include "store/schema.h"
#include "workbook/exportmessages.h"
#include "workbook/tableexport.h"
#include "workbook/workbooklink.h"

#include <QSet>

using namespace Qt::Literals::StringLiterals;

namespace songtao {
namespace {

// Card numbers already in the table, read once: a query per sheet row would
// scan the whole table for every reader imported.
std::optional<QSet<QString>> existingCardNumbers(RecordSet &records)
{
    std::optional<QSet<QString>> cards;
    if (records.query(u"select 借书证号 from 读者数据"_s)) {
        cards.emplace();
        while (records.step())
            cards->insert(records.readColumn(0));
    }
    records.close();
    return cards;
}

} // namespace

int importReaders(AppState &state, Dialogs &dialogs, const QString &path)
{
    if (!state.workbookLink.connect(path)) {
        dialogs.notify(u"数据库连接失败！"_s, kUntitledTitle, MessageIcon::Error);
        return 0;
    }
    std::optional<SheetRows> rows =
        state.workbookLink.rowsWhereNotEmpty(u"Sheet1"_s, u"借书证号"_s);
    if (!rows) {
        dialogs.notify(u"查询失败!"_s, kUntitledTitle, MessageIcon::Error);
        return 0;
    }

    Database &database = state.database;
    database.beginTransaction();
    std::optional<QSet<QString>> cards = existingCardNumbers(state.recordSet);
    int imported = 0;
    const QStringList &columns = readerColumns();
    for (; cards && !rows->atEnd(); rows->next()) {
        QStringList values;
        for (const QString &column : columns)
            values << rows->readColumn(column);
        for (qsizetype loanString = 3; loanString < 6; ++loanString) {
            if (values[loanString].isEmpty())
                values[loanString] = kNoLoansMarker;
        }
        const QString &card = values[2];
        if (cards->contains(card))
            continue;
        if (database.execute(u"insert into 读者数据 values(?,?,?,?,?,?)"_s, values)) {
            cards->insert(card);
            ++imported;
        }
    }
    if (!database.commitTransaction()) {
        database.rollbackTransaction();
        dialogs.notify(u"导入失败，读者数据未能保存，没有导入任何读者！"_s, kUntitledTitle,
                       MessageIcon::Error);
        return 0;
    }
    dialogs.notify(u"共导入 "_s + integerText(imported) + u" 个读者信息"_s, kNoticeTitle);
    return imported;
}

void exportReaders(AppState &state, Dialogs &dialogs, StatusView &status)
{
    const QString path = dialogs.chooseFile(FileChoiceMode::Save, {});
    if (path.isEmpty())
        return;
    status.showPath(path);
    const ExportResult result = exportTable(
        state, {WorkbookTemplate::Readers, u"select * from 读者数据"_s, readerColumns(), true},
        path, status);
    if (showExportFailure(result, dialogs))
        return;
    if (result == ExportResult::Exported)
        dialogs.notify(u"导出读者数据成功！"_s, kUntitledTitle, MessageIcon::Information);
    else
        dialogs.notify(u"没有读者数据可导出！"_s, kUntitledTitle, MessageIcon::Information);
}

} // namespace songtao
