#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class ReadersPage;
}

namespace songtao {

struct PageServices;

// "读者管理": the reader register and the import and export of readers.
class ReadersPage final : public QWidget
{
    Q_OBJECT
public:
    explicit ReadersPage(PageServices &services, QWidget *parent = nullptr);
    ~ReadersPage() override;

    // Fills the reader list from the reader table; run on the first visit
    // to the page after login.
    void fillReaderList();

private:
    std::unique_ptr<Ui::ReadersPage> m_ui;
    PageServices &m_services;
};

} // namespace songtao
