#pragma once

#include "store/fielddefinition.h"
#include "store/schema.h"

namespace songtao {

class Database;
class Dialogs;

// Opens the database file when it is not open yet (creating it), then
// creates the table from its column lists unless a table of that name
// exists already; an existing table is used as it is. Shows "打开数据库失败"
// or the column-count message itself; `fields` is rebuilt for the creation.
bool checkTable(Database &database, Dialogs &dialogs, FieldDefinitions &fields,
                const QString &databasePath, const TableLayout &table);

// The four checks of the main window's set-up, in order, each failure
// followed by that table's own message. Returns how many failed.
int ensureLibraryTables(Database &database, Dialogs &dialogs, FieldDefinitions &fields,
                        const QString &databasePath);

} // namespace songtao
