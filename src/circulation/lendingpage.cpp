#include "circulation/lendingpage.h"

#include "app/formsettings.h"
#include "app/pageservices.h"
#include "ui_lendingpage.h"
#include "widgets/progressivetable.h"

namespace songtao {

LendingPage::LendingPage(PageServices &services, QWidget *parent)
    : QWidget(parent),
      m_ui(std::make_unique<Ui::LendingPage>()),
      m_circulation(services.state, services.dialogs, services.clock, *this)
{
    m_ui->setupUi(this);
    applyFormSettings(this);
    m_loans = std::make_unique<ProgressiveTable>(m_ui->超级列表框_显示借书情况);

    connect(m_ui->按钮_查询借书情况, &QPushButton::clicked, this, &LendingPage::query);
    connect(m_ui->按钮_借书, &QPushButton::clicked, this, &LendingPage::lend);
    connect(m_ui->按钮_还书, &QPushButton::clicked, this, &LendingPage::returnBook);
}

LendingPage::~LendingPage() = default;

void LendingPage::query()
{
    m_ui->按钮_查询借书情况->setEnabled(false);
    m_circulation.showReaderLoans(m_ui->编辑框_借书证号_借书还书->text());
    m_ui->按钮_查询借书情况->setEnabled(true);
}

void LendingPage::lend()
{
    m_ui->按钮_借书->setEnabled(false);
    focus(
        m_circulation.lend(m_ui->编辑框_借书证号_借书还书->text(), m_ui->编辑框_借书编号->text()));
    m_ui->按钮_借书->setEnabled(true);
}

void LendingPage::returnBook()
{
    m_ui->按钮_还书->setEnabled(false);
    const QModelIndexList selected =
        m_ui->超级列表框_显示借书情况->selectionModel()->selectedRows();
    const int row = selected.isEmpty() ? -1 : selected.constFirst().row();
    focus(m_circulation.returnSelected(m_ui->编辑框_借书证号_借书还书->text(), row));
    m_ui->按钮_还书->setEnabled(true);
}

void LendingPage::focus(CirculationFocus where)
{
    switch (where) {
    case CirculationFocus::BookNumberBox:
        m_ui->编辑框_借书编号->setFocus();
        break;
    case CirculationFocus::CardNumberBox:
        m_ui->编辑框_借书证号_借书还书->setFocus();
        break;
    case CirculationFocus::None:
        break;
    }
}

void LendingPage::showAvailability(const QString &text)
{
    m_ui->透明标签_图书是否可借->setText(text);
    m_ui->透明标签_图书是否可借->repaint();
}

void LendingPage::showBorrower(const QString &text)
{
    m_ui->透明标签_借阅者->setText(text);
}

void LendingPage::showLoans(const QString &readerText, const QList<LoanRow> &rows)
{
    m_ui->透明标签_读者信息->setText(readerText);
    m_loans->clear();
    for (const LoanRow &row : rows)
        m_loans->append({row.bookNumber, row.title, row.lendingDate, row.dueDate, row.daysLeft});
    m_loans->finish();
}

} // namespace songtao
