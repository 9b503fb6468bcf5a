#include "reports/reportpage.h"

#include "app/appstate.h"
#include "app/formsettings.h"
#include "app/pageservices.h"
#include "reports/lendingreport.h"
#include "ui_reportpage.h"
#include "widgets/labelstatus.h"
#include "widgets/progressivetable.h"

namespace songtao {

ReportPage::ReportPage(PageServices &services, QWidget *parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::ReportPage>()), m_services(services)
{
    m_ui->setupUi(this);
    applyFormSettings(this);
    m_rows = std::make_unique<ProgressiveTable>(m_ui->超级列表框_借阅报表显示);
    // The year box's range keeps the spinner within 2000 to 2100.
    connect(m_ui->按钮_查阅借阅报表, &QPushButton::clicked, this, &ReportPage::view);
    connect(m_ui->按钮_导出借阅报表, &QPushButton::clicked, this, &ReportPage::exportReport);
}

ReportPage::~ReportPage() = default;

void ReportPage::view()
{
    m_ui->按钮_查阅借阅报表->setEnabled(false);
    m_rows->clear();
    if (const auto rows = readReport(m_services.state.recordSet, m_ui->编辑框1->text())) {
        for (const ReportRow &row : *rows)
            m_rows->append({row.bookNumber, row.title, row.borrower, row.lentOn, row.returnedOn});
    }
    m_rows->finish();
    m_ui->按钮_查阅借阅报表->setEnabled(true);
}

void ReportPage::exportReport()
{
    m_ui->按钮_导出借阅报表->setEnabled(false);
    LabelStatus status(m_ui->标签_导出借阅报表进度);
    songtao::exportReport(m_services.state, m_services.dialogs, m_ui->编辑框1->text(), status);
    m_ui->按钮_导出借阅报表->setEnabled(true);
}

} // namespace songtao
