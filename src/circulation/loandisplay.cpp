#include "circulation/loandisplay.h"

#include "circulation/loanstrings.h"
#include "common/datetimetext.h"
#include "common/numbertext.h"
#include "readers/readerrecord.h"

using namespace Qt::Literals::StringLiterals;

namespace songtao {

QList<LoanRow> loanRows(const ReaderRecord &reader, QDate today)
{
    const QStringList books = loanItems(reader.bookNumbers);
    const QStringList dates = loanItems(reader.lendingDates);
    const QStringList titles = loanItems(reader.titles);
    QList<LoanRow> rows;
    for (qsizetype k = 0; k < books.size(); ++k) {
        if (books[k] == kNoLoansMarker)
            continue;
        LoanRow row{books[k], titles.value(k), dates.value(k), {}, {}};
        const QDateTime lent = parseDateTimeText(row.lendingDate);
        if (lent != invalidDateTime()) {
            const QDate due = lent.date().addDays(kLoanPeriodDays);
            row.dueDate = dateText(due);
            row.daysLeft = integerText(today.daysTo(due));
        }
        rows.append(row);
    }
    return rows;
}

QString readerSummary(const ReaderRecord &reader, qsizetype loanCount)
{
    return u"班别："_s + reader.className + u"  姓名："_s + reader.name + u"  已借图书："_s
        + integerText(loanCount) + u" 本"_s;
}

} // namespace songtao
