#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class ReadersPage;
}

namespace songtao {

struct PageServices;
struct RegisterOutcome;
class ProgressiveTable;
class ReaderRegister;

// "读者管理": the reader register and the import and export of readers.
class ReadersPage final : public QWidget
{
    Q_OBJECT
public:
    explicit ReadersPage(PageServices &services, QWidget *parent = nullptr);
    ~ReadersPage() override;

    // Fills the reader list from the reader table; run on the first visit
    // to the page after login and after every change of the table.
    void fillReaderList();

private:
    void refresh();
    void rowSelected(int row);
    void viewReader();
    void apply(const RegisterOutcome &outcome);
    void chooseImportFile();
    void importReaders();
    void exportReaders();

    std::unique_ptr<Ui::ReadersPage> m_ui;
    PageServices &m_services;
    std::unique_ptr<ProgressiveTable> m_readers;
    std::unique_ptr<ReaderRegister> m_register;
};

} // namespace songtao
