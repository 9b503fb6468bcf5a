#include "readers/readerspage.h"

#include "app/formsettings.h"
#include "app/pageservices.h"
#include "ui_readerspage.h"

namespace songtao {

ReadersPage::ReadersPage(PageServices &services, QWidget *parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::ReadersPage>()), m_services(services)
{
    m_ui->setupUi(this);
    applyFormSettings(this);
}

ReadersPage::~ReadersPage() = default;

void ReadersPage::fillReaderList()
{
    // The refill starts from an empty list; reading the readers comes with
    // the reader register.
    m_ui->超级列表框_显示读者信息->setRowCount(0);
}

} // namespace songtao
