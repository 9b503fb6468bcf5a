#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class ReportPage;
}

namespace songtao {

struct PageServices;

// "开放记录": the lending report of one year.
class ReportPage final : public QWidget
{
    Q_OBJECT
public:
    explicit ReportPage(PageServices &services, QWidget *parent = nullptr);
    ~ReportPage() override;

private:
    std::unique_ptr<Ui::ReportPage> m_ui;
    PageServices &m_services;
};

} // namespace songtao
