#include "catalogue/searchpage.h"

#include "app/formsettings.h"
#include "app/pageservices.h"
#include "common/dialogs.h"
#include "common/numbertext.h"
#include "ui_searchpage.h"
#include "widgets/progressivetable.h"

#include <QClipboard>
#include <QGuiApplication>

using namespace Qt::Literals::StringLiterals;

namespace songtao {
namespace {
constexpr int kBookNumberColumn = 3;
}

SearchPage::SearchPage(PageServices &services, QWidget *parent)
    : QWidget(parent),
      m_ui(std::make_unique<Ui::SearchPage>()),
      m_services(services),
      m_search(services.state, services.clock, services.dialogs)
{
    m_ui->setupUi(this);
    applyFormSettings(this);
    m_results = std::make_unique<ProgressiveTable>(m_ui->超级列表框_显示图书搜索结果);

    connect(m_ui->按钮_搜索图书, &QPushButton::clicked, this, &SearchPage::search);
    connect(m_ui->按钮_上页, &QPushButton::clicked, this,
            [this] { m_search.previousPage(kind(), *this); });
    connect(m_ui->按钮_下页, &QPushButton::clicked, this,
            [this] { m_search.nextPage(kind(), *this); });
    connect(m_ui->组合框1, &QComboBox::currentIndexChanged, this, &SearchPage::kindChanged);
    connect(m_ui->按钮_复制图书编号, &QPushButton::clicked, this, &SearchPage::copyBookNumber);
    connect(m_ui->超级列表框_显示图书搜索结果->selectionModel(),
            &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &current) {
                if (current.isValid())
                    m_ui->编辑框_选中的图书编号->setText(
                        m_results->model().text(current.row(), kBookNumberColumn));
            });
}

SearchPage::~SearchPage() = default;

QString SearchPage::rowsPerPageText() const
{
    return m_ui->编辑框_每页行数->text();
}

SearchKind SearchPage::kind() const
{
    return static_cast<SearchKind>(m_ui->组合框1->currentIndex());
}

void SearchPage::search()
{
    m_ui->按钮_搜索图书->setEnabled(false);
    switch (m_search.search(kind(), m_ui->编辑框_要搜索的书名->text(),
                            m_ui->编辑框_每页行数->text(), *this)) {
    case SearchOutcome::SearchTextMissing:
        m_ui->编辑框_要搜索的书名->setFocus();
        break;
    case SearchOutcome::RowsPerPageNotPositive:
        m_ui->编辑框_每页行数->setFocus();
        break;
    case SearchOutcome::Filled:
        break;
    }
    m_ui->按钮_搜索图书->setEnabled(true);
}

void SearchPage::kindChanged()
{
    const bool browsing = kind() == SearchKind::AllBooks;
    if (browsing)
        m_ui->编辑框_要搜索的书名->clear();
    m_ui->编辑框_要搜索的书名->setEnabled(!browsing);
    m_ui->按钮_上页->setEnabled(browsing);
    m_ui->按钮_下页->setEnabled(browsing);
}

void SearchPage::copyBookNumber()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(m_ui->编辑框_选中的图书编号->text());
    m_services.dialogs.notify(clipboard->text(), u"剪辑板的内容"_s);
}

void SearchPage::clearRows()
{
    m_results->clear();
}

void SearchPage::appendRow(const BookListRow &row)
{
    m_results->append({integerText(row.number), row.title, row.author, row.bookNumber, row.shelf});
}

void SearchPage::showStatus(const QString &text)
{
    m_results->finish(); // rows read so far are shown with the status
    m_ui->透明标签_显示图书搜索结果->setText(text);
    m_ui->透明标签_显示图书搜索结果->repaint();
}

} // namespace songtao
