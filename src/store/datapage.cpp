#include "store/datapage.h"

#include "app/formsettings.h"
#include "app/pageservices.h"
#include "ui_datapage.h"

namespace songtao {

DataPage::DataPage(PageServices &services, QWidget *parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::DataPage>()), m_services(services)
{
    m_ui->setupUi(this);
    applyFormSettings(this);
}

DataPage::~DataPage() = default;

void DataPage::refreshBackupList()
{
    // The refresh starts from an empty list; listing the backup files comes
    // with the backup operations.
    m_ui->列表框1->clear();
}

} // namespace songtao
