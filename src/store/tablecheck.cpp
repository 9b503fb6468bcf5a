#include "store/tablecheck.h"

#include "common/dialogs.h"
#include "common/numbertext.h"
#include "store/database.h"

using namespace Qt::Literals::StringLiterals;

namespace songtao {

bool checkTable(Database &database, Dialogs &dialogs, FieldDefinitions &fields,
                const QString &databasePath, const TableLayout &table)
{
    if (!database.isOpen() && !database.open(databasePath, true)) {
        dialogs.notify(u"打开数据库失败"_s, kNoticeTitle);
        return false;
    }
    if (database.tableExists(table.name))
        return true;

    const QStringList names = table.columnNames.split(u',');
    const QStringList sizes = table.columnSizes.split(u',');
    if (names.size() != sizes.size()) {
        dialogs.notify(u"提供的字段名称个数与字段大小个数不一致！"_s, kNoticeTitle);
        return false;
    }
    fields.clear();
    for (qsizetype i = 0; i < names.size(); ++i)
        fields.append({names[i], kTextFieldType, textToInt(sizes[i])});
    return database.createTable(table.name, fields);
}

int ensureLibraryTables(Database &database, Dialogs &dialogs, FieldDefinitions &fields,
                        const QString &databasePath)
{
    int failures = 0;
    for (const TableLayout &table : libraryTables()) {
        if (!checkTable(database, dialogs, fields, databasePath, table)) {
            dialogs.notify(table.failureMessage, kNoticeTitle);
            ++failures;
        }
    }
    return failures;
}

} // namespace songtao
