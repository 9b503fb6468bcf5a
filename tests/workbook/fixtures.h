#pragma once

#include "workbook/workbooklink.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace songtao::test {

inline QString fixture(const QString &name)
{
    return QStringLiteral(TEST_DATA_DIR "/") + name;
}

// Every row chosen by the link, each as the texts of `headings`.
inline QList<QStringList> readRows(WorkbookLink &link, const QString &sheet, const QString &column,
                                   const QStringList &headings)
{
    QList<QStringList> rows;
    auto result = link.rowsWhereNotEmpty(sheet, column);
    if (!result)
        return rows;
    for (; !result->atEnd(); result->next()) {
        QStringList row;
        for (const QString &heading : headings)
            row.append(result->readColumn(heading));
        rows.append(row);
    }
    return rows;
}

} // namespace songtao::test
