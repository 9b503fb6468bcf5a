#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class PasswordPage;
}

namespace songtao {

struct PageServices;

// "修改密码": the logged-in librarian replaces the login password.
class PasswordPage final : public QWidget
{
    Q_OBJECT
public:
    explicit PasswordPage(PageServices &services, QWidget *parent = nullptr);
    ~PasswordPage() override;

private:
    void changePassword();

    std::unique_ptr<Ui::PasswordPage> m_ui;
    PageServices &m_services;
};

} // namespace songtao
