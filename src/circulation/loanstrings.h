#pragma once

#include <QString>
#include <QStringList>

namespace songtao {

class Database;
struct ReaderRecord;

// A reader's loans live in three parallel texts of the reader's row: book
// numbers, lending dates and titles, each item followed by "|", or "0" for
// no loans at all.
inline const QString kNoLoansMarker = QStringLiteral("0");

// The items of one loan string: every "|" ends an item, the last one opens
// none; "0" is the single item "0" and an empty text has no items.
QStringList loanItems(const QString &loanString);

// Items joined back, each followed by "|"; "0" when there are none.
QString joinLoanItems(const QStringList &items);

struct LoanStrings
{
    QString bookNumbers;
    QString dates;
    QString titles;

    friend bool operator==(const LoanStrings &, const LoanStrings &) = default;
};

// A title item may not hold "|", which would split it; the full-width "｜"
// stands in for it.
QString titleItem(const QString &title);

// The reader's strings with one more loan at the end. Each string is tested
// for the "0" marker on its own.
LoanStrings withLoanAppended(const ReaderRecord &reader, const QString &bookNumber,
                             const QString &dateText, const QString &title);

// Writes the three strings of the reader with this card number; a card that
// matches no row still succeeds, as the statement does.
bool updateLoanStrings(Database &database, const QString &cardNumber, const LoanStrings &loans);

} // namespace songtao
