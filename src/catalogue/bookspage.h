#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class BooksPage;
}

namespace songtao {

struct PageServices;

// "图书管理": book import with its preview, and the book export.
class BooksPage final : public QWidget
{
    Q_OBJECT
public:
    explicit BooksPage(PageServices &services, QWidget *parent = nullptr);
    ~BooksPage() override;

    // Gives the preview list its 26 columns "A" to "Z"; run at the main
    // window's set-up.
    void prepareImportPreview();
    // Lets go of the workbook of a preview; run when the main window goes.
    void closeWorkbookPreview();

private:
    void chooseAndPreview();
    void importBooks();
    void exportBooks();

    std::unique_ptr<Ui::BooksPage> m_ui;
    PageServices &m_services;
};

} // namespace songtao
