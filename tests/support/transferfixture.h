#pragma once

#include "common/statusview.h"
#include "support/libraryfixture.h"

#include <QList>
#include <QStringList>

namespace songtao::test {

class RecordingStatus final : public StatusView
{
public:
    void showStatus(const QString &text) override { statuses << text; }
    void showPath(const QString &path) override { paths << path; }
    QStringList statuses;
    QStringList paths;
};

// Writes a one-sheet workbook of text cells: row 1 the headings, then the rows.
void writeWorkbook(const QString &path, const QString &sheetName, const QStringList &headings,
                   const QList<QStringList> &rows);

// Every row of `sheet` whose `column` is not empty, as the texts of `headings`.
QList<QStringList> readWorkbook(const QString &path, const QString &sheet, const QString &column,
                                const QStringList &headings);

// Makes the next COMMIT fail (a deferred foreign key that an insert into
// `table` breaks), as a full disk would.
void makeCommitFail(Database &database, const QString &table);

} // namespace songtao::test
