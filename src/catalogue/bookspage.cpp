#include "catalogue/bookspage.h"

#include "app/formsettings.h"
#include "app/pageservices.h"
#include "catalogue/booktransfer.h"
#include "common/dialogs.h"
#include "common/programfolder.h"
#include "ui_bookspage.h"
#include "widgets/labelstatus.h"
#include "workbook/preview.h"

namespace songtao {
namespace {
constexpr int kPreviewColumns = 26;
}

BooksPage::BooksPage(PageServices &services, QWidget *parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::BooksPage>()), m_services(services)
{
    m_ui->setupUi(this);
    applyFormSettings(this);
    connect(m_ui->按钮_选择图书数据文件, &QPushButton::clicked, this, &BooksPage::chooseAndPreview);
    connect(m_ui->按钮_导入图书, &QPushButton::clicked, this, &BooksPage::importBooks);
    connect(m_ui->按钮_导出图书数据, &QPushButton::clicked, this, &BooksPage::exportBooks);
}

BooksPage::~BooksPage() = default;

void BooksPage::prepareImportPreview()
{
    QTableWidget *preview = m_ui->超级列表框_图书文件预览;
    preview->setShowGrid(true);
    preview->setColumnCount(kPreviewColumns);
    for (int column = 0; column < kPreviewColumns; ++column) {
        auto *header = new QTableWidgetItem(QString(QChar(u'A' + column)));
        header->setTextAlignment(Qt::AlignCenter);
        preview->setHorizontalHeaderItem(column, header);
        preview->setColumnWidth(column, 90);
    }
}

void BooksPage::closeWorkbookPreview()
{
    // The preview reads the workbook once and keeps nothing open.
}

void BooksPage::chooseAndPreview()
{
    const QString path = m_services.dialogs.chooseFile(FileChoiceMode::Open, programFolder());
    if (path.isEmpty())
        return;
    m_ui->编辑框_图书文件路径->setText(path);

    const QList<QStringList> cells = readFirstSheetPreview(path);
    QTableWidget *preview = m_ui->超级列表框_图书文件预览;
    preview->setRowCount(0);
    preview->setRowCount(2);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < kPreviewColumns; ++column) {
            auto *item = new QTableWidgetItem(cells.value(row).value(column));
            item->setTextAlignment(Qt::AlignCenter);
            preview->setItem(row, column, item);
        }
    }
}

void BooksPage::importBooks()
{
    m_ui->按钮_导入图书->setEnabled(false);
    LabelStatus status(m_ui->标签_图书导入状态);
    songtao::importBooks(m_services.state, m_services.dialogs, m_services.clock,
                         m_ui->编辑框_图书文件路径->text(), status);
    m_ui->按钮_导入图书->setEnabled(true);
}

void BooksPage::exportBooks()
{
    m_ui->按钮_导出图书数据->setEnabled(false);
    LabelStatus status(m_ui->标签_图书导入状态, m_ui->编辑框_图书数据文件名);
    songtao::exportBooks(m_services.state, m_services.dialogs, status);
    m_ui->按钮_导出图书数据->setEnabled(true);
}

} // namespace songtao
