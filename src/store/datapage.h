#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class DataPage;
}

namespace songtao {

struct PageServices;

// "数据管理": backups of the database file and the emptying of tables.
class DataPage final : public QWidget
{
    Q_OBJECT
public:
    explicit DataPage(PageServices &services, QWidget *parent = nullptr);
    ~DataPage() override;

    // Fills the list of backup files anew; run on every visit to the page.
    void refreshBackupList();

private:
    std::unique_ptr<Ui::DataPage> m_ui;
    PageServices &m_services;
};

} // namespace songtao
