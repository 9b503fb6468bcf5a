#include "reports/reportpage.h"

#include "app/formsettings.h"
#include "app/pageservices.h"
#include "ui_reportpage.h"

namespace songtao {

ReportPage::ReportPage(PageServices &services, QWidget *parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::ReportPage>()), m_services(services)
{
    m_ui->setupUi(this);
    applyFormSettings(this);
}

ReportPage::~ReportPage() = default;

} // namespace songtao
