#pragma once

#include "catalogue/booksearch.h"

#include <QList>

namespace songtao::bench {

// Keeps the rows as a page's model would, so the cost of handing them over
// is measured with the search.
class KeepingSink final : public BookListSink
{
public:
    void clearRows() override { rows.clear(); }
    void appendRow(const BookListRow &row) override { rows.append(row); }
    void showStatus(const QString &) override { }
    QList<BookListRow> rows;
};

} // namespace songtao::bench
