#pragma once

#include <QList>
#include <QString>

namespace songtao {

// Table names of the library's database file. Files written by earlier
// installs use exactly these names, so they never change.
inline const QString kReaderTable = QStringLiteral("读者数据");
inline const QString kBookTable = QStringLiteral("图书数据");
inline const QString kLentTable = QStringLiteral("借出数据");
inline const QString kReportTable = QStringLiteral("借阅报表");

// A table as the set-up creates it: comma-separated column names and sizes,
// and the message shown when it cannot be made ready.
struct TableLayout
{
    QString name;
    QString columnNames;
    QString columnSizes;
    QString failureMessage;
};

// The four tables in the order they are checked at set-up.
const QList<TableLayout> &libraryTables();

// The book table's sixteen columns, in their stored order.
const QStringList &bookColumns();
// The reader table's six columns, in their stored order.
const QStringList &readerColumns();

// The database file: the program's folder + "/数据库.sdb".
QString databaseFilePath();

} // namespace songtao
