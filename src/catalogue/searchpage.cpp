#include "catalogue/searchpage.h"

#include "app/formsettings.h"
#include "app/pageservices.h"
#include "ui_searchpage.h"

namespace songtao {

SearchPage::SearchPage(PageServices &services, QWidget *parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::SearchPage>()), m_services(services)
{
    m_ui->setupUi(this);
    applyFormSettings(this);
}

SearchPage::~SearchPage() = default;

QString SearchPage::rowsPerPageText() const
{
    return m_ui->编辑框_每页行数->text();
}

} // namespace songtao
