#include "catalogue/booktransfer.h"

#include "app/appstate.h"
#include "common/clock.h"
#include "common/datetimetext.h"
#include "common/dialogs.h"
#include "common/numbertext.h"
#include "common/statusview.h"
#include "store/backup.h"
#include "store/schema.h"
#include "workbook/exportmessages.h"
#include "workbook/tableexport.h"
#include "workbook/workbooklink.h"

using namespace Qt::Literals::StringLiterals;

namespace songtao {
namespace {

const QString kSheet = u"Sheet1"_s;

} // namespace

int importBooks(AppState &state, Dialogs &dialogs, const Clock &clock, const QString &path,
                StatusView &status)
{
    if (path.isEmpty()) {
        dialogs.notify(u"未选择文件"_s, kNoticeTitle);
        return 0;
    }
    if (!dialogs.confirm(
            u"导入新的图书数据，可能会导致新的图书数据中存在重复的记录（因为去除重复图书功能未加入），建议先清空图书数据再导入，确定导入吗？"_s,
            kWarningTitle))
        return 0;
    if (!backupDatabase(clock)) {
        dialogs.notify(kBackupFailedText, kNoticeTitle, MessageIcon::Error);
        return 0;
    }

    state.bookTotal = 0;
    status.showStatus(u"开始连接数据库..."_s);
    const QDateTime start = clock.now();
    if (!state.workbookLink.connect(path)) {
        dialogs.notify(u"数据库连接失败！"_s, kUntitledTitle, MessageIcon::Error);
        return 0;
    }
    status.showStatus(u"正在查询图书编号不为空的内容"_s);
    std::optional<SheetRows> rows = state.workbookLink.rowsWhereNotEmpty(kSheet, u"图书编号"_s);
    status.showStatus(u"查询结束"_s);
    if (!rows) {
        dialogs.notify(u"查询失败!"_s, kUntitledTitle, MessageIcon::Error);
        return 0;
    }

    Database &database = state.database;
    database.beginTransaction();
    status.showStatus(u"开始事务"_s);
    const QStringList &columns = bookColumns();
    const QString insert = u"insert into 图书数据 values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"_s;
    int imported = 0;
    int read = 0;
    for (int n = 1; !rows->atEnd(); ++n, rows->next()) {
        read = n;
        QStringList values;
        values.reserve(columns.size());
        for (const QString &column : columns)
            values << rows->readColumn(column);
        // A row that cannot be stored is left out; the others go on.
        if (database.execute(insert, values))
            ++imported;
        status.showStatus(integerText(n));
    }
    // Rows read of which not one could be stored (a database file that
    // cannot be written) make a failed import, never a finished one.
    const bool anyStored = read == 0 || imported > 0;
    if (!anyStored || !database.commitTransaction()) {
        database.rollbackTransaction();
        const QString failed = u"导入失败，图书数据未能保存，没有导入任何图书！"_s;
        status.showStatus(failed);
        dialogs.notify(failed, kUntitledTitle, MessageIcon::Error);
        return 0;
    }
    status.showStatus(u"事务结束"_s);
    status.showStatus(u"导入图书数据结束，耗时 "_s
                      + integerText(elapsedWholeSeconds(start, clock.now())) + u" 秒"_s);
    return imported;
}

void exportBooks(AppState &state, Dialogs &dialogs, StatusView &status)
{
    const QString path = dialogs.chooseFile(FileChoiceMode::Save, {});
    if (path.isEmpty())
        return;
    status.showPath(path);
    const ExportResult result = exportTable(
        state, {WorkbookTemplate::Books, u"select * from 图书数据"_s, bookColumns(), true}, path,
        status);
    if (showExportFailure(result, dialogs))
        return;
    switch (result) {
    case ExportResult::QueryFailed:
        dialogs.notify(u"查询全部图书失败"_s, kUntitledTitle);
        break;
    case ExportResult::NoRows:
        dialogs.notify(u"没有图书数据可导出！"_s, kUntitledTitle, MessageIcon::Information);
        break;
    default:
        dialogs.notify(u"导出图书数据成功！"_s, kUntitledTitle, MessageIcon::Information);
        break;
    }
}

} // namespace songtao
