#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class SearchPage;
}

namespace songtao {

struct PageServices;

// "搜索图书": book search and paging through the catalogue.
class SearchPage final : public QWidget
{
    Q_OBJECT
public:
    explicit SearchPage(PageServices &services, QWidget *parent = nullptr);
    ~SearchPage() override;

    // The text of the rows-per-page box, read at the main window's set-up.
    QString rowsPerPageText() const;

private:
    std::unique_ptr<Ui::SearchPage> m_ui;
    PageServices &m_services;
};

} // namespace songtao
