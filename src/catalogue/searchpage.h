#pragma once

#include "catalogue/booksearch.h"

#include <QWidget>

#include <memory>

namespace Ui {
class SearchPage;
}

namespace songtao {

struct PageServices;
class ProgressiveTable;

// "搜索图书": book search and paging through the catalogue.
class SearchPage final : public QWidget, private BookListSink
{
    Q_OBJECT
public:
    explicit SearchPage(PageServices &services, QWidget *parent = nullptr);
    ~SearchPage() override;

    // The text of the rows-per-page box, read at the main window's set-up.
    QString rowsPerPageText() const;

private:
    SearchKind kind() const;
    void search();
    void kindChanged();
    void copyBookNumber();

    void clearRows() override;
    void appendRow(const BookListRow &row) override;
    void showStatus(const QString &text) override;

    std::unique_ptr<Ui::SearchPage> m_ui;
    PageServices &m_services;
    std::unique_ptr<ProgressiveTable> m_results;
    BookSearch m_search;
};

} // namespace songtao
