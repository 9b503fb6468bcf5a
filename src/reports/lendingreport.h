#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace songtao {

struct AppState;
class Dialogs;
class RecordSet;
class StatusView;

struct ReportRow
{
    QString bookNumber;
    QString title;
    QString borrower;
    QString lentOn;
    QString returnedOn;

    friend bool operator==(const ReportRow &, const ReportRow &) = default;
};

// The lendings of one year in lending order; nothing when the query fails.
std::optional<QList<ReportRow>> readReport(RecordSet &records, const QString &yearText);

// The lendings of one year to a workbook chosen in save mode; every step is
// reported on the status line.
void exportReport(AppState &state, Dialogs &dialogs, const QString &yearText, StatusView &status);

} // namespace songtao
