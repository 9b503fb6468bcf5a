#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class LendingPage;
}

namespace songtao {

struct PageServices;

// "借书还书": lending, returning and the loans of one reader.
class LendingPage final : public QWidget
{
    Q_OBJECT
public:
    explicit LendingPage(PageServices &services, QWidget *parent = nullptr);
    ~LendingPage() override;

private:
    std::unique_ptr<Ui::LendingPage> m_ui;
    PageServices &m_services;
};

} // namespace songtao
