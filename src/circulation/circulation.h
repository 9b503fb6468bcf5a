#pragma once

#include "circulation/loandisplay.h"

#include <QList>
#include <QString>

namespace songtao {

struct AppState;
class Clock;
class Dialogs;

// What lending, returning and the enquiry show on their page.
class CirculationView
{
public:
    CirculationView() = default;
    CirculationView(const CirculationView &) = delete;
    CirculationView &operator=(const CirculationView &) = delete;
    virtual ~CirculationView() = default;

    // First line of the operation log; drawn at once, the work goes on.
    virtual void showAvailability(const QString &text) = 0;
    // Second line of the operation log: the borrower of a book that is out.
    virtual void showBorrower(const QString &text) = 0;
    // The reader's summary and loan list; no row is selected afterwards.
    virtual void showLoans(const QString &readerText, const QList<LoanRow> &rows) = 0;
};

// Where the page puts the focus after an operation, if anywhere.
enum class CirculationFocus { None, BookNumberBox, CardNumberBox };

// The book's state as the lending page reports it.
enum class LentStatus { Missing, NeverLent, Returned, Out };

// Lending, returning and the loan enquiry. Each lending or return writes the
// reader's loan strings, the lending report and the lent-out table in one
// transaction: either all three writes last, or none does.
class Circulation
{
public:
    Circulation(AppState &state, Dialogs &dialogs, const Clock &clock, CirculationView &view)
        : m_state(state), m_dialogs(dialogs), m_clock(clock), m_view(view)
    { }

    // The query button, and the refresh after every lending and return.
    void showReaderLoans(const QString &cardNumber);

    CirculationFocus lend(const QString &cardNumber, const QString &bookNumber);

    // Returns the loan at `selectedRow` of the list last shown.
    CirculationFocus returnSelected(const QString &cardNumber, int selectedRow);

    // The title of the book with exactly this number, or empty.
    QString lookUpTitle(const QString &bookNumber);
    // Also sets the current book title and the borrower line.
    LentStatus checkAvailability(const QString &bookNumber);

private:
    bool failWrite(const QString &message, const QString &title);

    AppState &m_state;
    Dialogs &m_dialogs;
    const Clock &m_clock;
    CirculationView &m_view;
    QList<LoanRow> m_shownRows;
};

} // namespace songtao
