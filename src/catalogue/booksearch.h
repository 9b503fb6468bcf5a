#pragma once

#include <QString>

namespace songtao {

struct AppState;
class Clock;
class Dialogs;

// The entries of the search kind box, in their order.
enum class SearchKind { Title = 0, BookNumber = 1, Barcode = 2, AllBooks = 3 };

struct BookListRow
{
    int number = 0; // 1-based; when browsing, the row's place in the whole table
    QString title;
    QString author;
    QString bookNumber;
    QString shelf;
};

// Where a fill puts what it finds. The page shows rows as they come, so a
// long result is visible while it is still being read.
class BookListSink
{
public:
    BookListSink() = default;
    BookListSink(const BookListSink &) = delete;
    BookListSink &operator=(const BookListSink &) = delete;
    virtual ~BookListSink() = default;

    virtual void clearRows() = 0;
    virtual void appendRow(const BookListRow &row) = 0;
    virtual void showStatus(const QString &text) = 0;
};

enum class SearchOutcome {
    Filled,
    SearchTextMissing, // focus belongs in the search box
    RowsPerPageNotPositive, // focus belongs in the rows-per-page box
};

// Book search and browsing over the shared state's page start, rows per page
// and cached book total.
class BookSearch
{
public:
    BookSearch(AppState &state, Clock &clock, Dialogs &dialogs)
        : m_state(state), m_clock(clock), m_dialogs(dialogs)
    { }

    // The search button: checks the texts, resets paging, fills the list.
    SearchOutcome search(SearchKind kind, const QString &text, const QString &rowsPerPageText,
                         BookListSink &sink);
    // The paging buttons; they act only while browsing all books.
    void previousPage(SearchKind kind, BookListSink &sink);
    void nextPage(SearchKind kind, BookListSink &sink);

    // Queries and lists; the one place that reads the book table here.
    void fill(SearchKind kind, const QString &text, BookListSink &sink);

private:
    void countBooksIfNeeded();
    void listRows(int firstNumber, BookListSink &sink);

    AppState &m_state;
    Clock &m_clock;
    Dialogs &m_dialogs;
};

} // namespace songtao
