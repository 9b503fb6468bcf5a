#include "catalogue/bookspage.h"

#include "app/formsettings.h"
#include "app/pageservices.h"
#include "ui_bookspage.h"

namespace songtao {

BooksPage::BooksPage(PageServices &services, QWidget *parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::BooksPage>()), m_services(services)
{
    m_ui->setupUi(this);
    applyFormSettings(this);
}

BooksPage::~BooksPage() = default;

void BooksPage::prepareImportPreview()
{
    QTableWidget *preview = m_ui->超级列表框_图书文件预览;
    preview->setShowGrid(true);
    preview->setColumnCount(26);
    for (int column = 0; column < 26; ++column) {
        auto *header = new QTableWidgetItem(QString(QChar(u'A' + column)));
        header->setTextAlignment(Qt::AlignCenter);
        preview->setHorizontalHeaderItem(column, header);
        preview->setColumnWidth(column, 90);
    }
}

void BooksPage::closeWorkbookPreview()
{
    // No preview holds a workbook yet.
}

} // namespace songtao
