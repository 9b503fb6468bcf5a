#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace songtao {

struct ReaderRecord;

// Days a book may stay out.
inline constexpr int kLoanPeriodDays = 5;

// One row of the loan list: the stored items as they are, and what follows
// from the lending date. An item that is no date leaves the last two empty.
struct LoanRow
{
    QString bookNumber;
    QString title;
    QString lendingDate;
    QString dueDate;
    QString daysLeft;

    friend bool operator==(const LoanRow &, const LoanRow &) = default;
};

// The reader's loans in lending order, as of `today`. Stored strings whose
// items do not line up still show what they hold; missing items are empty.
QList<LoanRow> loanRows(const ReaderRecord &reader, QDate today);

// "班别：" class "  姓名：" name "  已借图书：" count " 本"
QString readerSummary(const ReaderRecord &reader, qsizetype loanCount);

} // namespace songtao
