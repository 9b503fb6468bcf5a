#include "circulation/lendingpage.h"

#include "app/formsettings.h"
#include "app/pageservices.h"
#include "ui_lendingpage.h"

namespace songtao {

LendingPage::LendingPage(PageServices &services, QWidget *parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::LendingPage>()), m_services(services)
{
    m_ui->setupUi(this);
    applyFormSettings(this);
}

LendingPage::~LendingPage() = default;

} // namespace songtao
