#include "workbook/exportmessages.h"

#include "common/dialogs.h"

using namespace Qt::Literals::StringLiterals;

namespace songtao {

bool showExportFailure(ExportResult result, Dialogs &dialogs)
{
    switch (result) {
    case ExportResult::NotConnected:
        dialogs.notify(u"数据库连接失败！"_s, kUntitledTitle, MessageIcon::Error);
        return true;
    case ExportResult::InsertFailed:
    case ExportResult::WriteFailed:
        // A workbook that could not be written is a failed export, never a success.
        dialogs.notify(u"导出数据失败！"_s, kUntitledTitle, MessageIcon::Error);
        return true;
    case ExportResult::QueryFailed:
    case ExportResult::NoRows:
    case ExportResult::Exported:
        break;
    }
    return false;
}

} // namespace songtao
