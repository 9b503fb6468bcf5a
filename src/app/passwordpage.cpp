#include "app/passwordpage.h"

#include "app/appstate.h"
#include "app/formsettings.h"
#include "app/pageservices.h"
#include "app/passwordrules.h"
#include "common/dialogs.h"
#include "common/programend.h"
#include "ui_passwordpage.h"

namespace songtao {

PasswordPage::PasswordPage(PageServices &services, QWidget *parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::PasswordPage>()), m_services(services)
{
    m_ui->setupUi(this);
    applyFormSettings(this);
    connect(m_ui->按钮_修改登录信息, &QPushButton::clicked, this, &PasswordPage::changePassword);
}

PasswordPage::~PasswordPage() = default;

void PasswordPage::changePassword()
{
    const PasswordChangeResult result =
        songtao::changePassword(m_services.passwordFile, m_services.state.passwordFailureCount,
                                m_ui->编辑框_旧密码->text(), m_ui->编辑框_新密码->text());
    switch (result.outcome) {
    case PasswordChangeOutcome::EndProgram:
        endProgram();
        return;
    case PasswordChangeOutcome::OldPasswordMissing:
        m_ui->编辑框_旧密码->setFocus();
        break;
    case PasswordChangeOutcome::NewPasswordMissing:
        m_ui->编辑框_新密码->setFocus();
        break;
    case PasswordChangeOutcome::WrongOldPassword:
    case PasswordChangeOutcome::WriteFailed:
    case PasswordChangeOutcome::Changed:
        break;
    }
    m_services.dialogs.notify(result.message, kNoticeTitle);
}

} // namespace songtao
