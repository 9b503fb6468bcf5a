#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class ReportPage;
}

namespace songtao {

struct PageServices;
class ProgressiveTable;

// "开放记录": the lending report of one year.
class ReportPage final : public QWidget
{
    Q_OBJECT
public:
    explicit ReportPage(PageServices &services, QWidget *parent = nullptr);
    ~ReportPage() override;

private:
    void view();
    void exportReport();

    std::unique_ptr<Ui::ReportPage> m_ui;
    PageServices &m_services;
    std::unique_ptr<ProgressiveTable> m_rows;
};

} // namespace songtao
