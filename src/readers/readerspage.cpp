#include "readers/readerspage.h"

#include "app/appstate.h"
#include "app/formsettings.h"
#include "app/pageservices.h"
#include "common/dialogs.h"
#include "common/numbertext.h"
#include "readers/readerregister.h"
#include "readers/readertransfer.h"
#include "ui_readerspage.h"
#include "widgets/labelstatus.h"
#include "widgets/progressivetable.h"

using namespace Qt::Literals::StringLiterals;

namespace songtao {

ReadersPage::ReadersPage(PageServices &services, QWidget *parent)
    : QWidget(parent),
      m_ui(std::make_unique<Ui::ReadersPage>()),
      m_services(services),
      m_register(std::make_unique<ReaderRegister>(services.state, services.dialogs))
{
    m_ui->setupUi(this);
    applyFormSettings(this);
    m_readers = std::make_unique<ProgressiveTable>(m_ui->超级列表框_显示读者信息);

    connect(m_ui->按钮_刷新, &QPushButton::clicked, this, &ReadersPage::refresh);
    connect(m_ui->按钮_查看读者信息, &QPushButton::clicked, this, &ReadersPage::viewReader);
    connect(m_ui->按钮_删除选中的读者, &QPushButton::clicked, this,
            [this] { apply(m_register->remove(m_ui->编辑框_转到借书证号->text())); });
    connect(m_ui->按钮_添加读者, &QPushButton::clicked, this, [this] {
        apply(m_register->add(m_ui->编辑框_班别->text(), m_ui->编辑框_姓名->text(),
                              m_ui->编辑框_借书证号_添加->text()));
    });
    connect(m_ui->超级列表框_显示读者信息->selectionModel(),
            &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &current) {
                if (current.isValid())
                    rowSelected(current.row());
            });
    connect(m_ui->按钮选择读者信息文件, &QPushButton::clicked, this,
            &ReadersPage::chooseImportFile);
    connect(m_ui->按钮导入读者, &QPushButton::clicked, this, &ReadersPage::importReaders);
    connect(m_ui->按钮_导出读者数据, &QPushButton::clicked, this, &ReadersPage::exportReaders);
}

ReadersPage::~ReadersPage() = default;

void ReadersPage::fillReaderList()
{
    m_readers->clear();
    const auto rows = readReaderList(m_services.state.recordSet);
    if (!rows) {
        m_readers->finish();
        return;
    }
    m_ui->透明标签_当前读者数量->setText(readerCountText(rows->size()));
    for (const ReaderListRow &row : *rows) {
        m_readers->append(
            {integerText(row.number), row.className, row.name, row.cardNumber, row.booksOut});
    }
    m_readers->finish();
}

void ReadersPage::refresh()
{
    m_ui->按钮_刷新->setEnabled(false);
    fillReaderList();
    m_ui->按钮_刷新->setEnabled(true);
}

void ReadersPage::rowSelected(int row)
{
    const TextTableModel &model = m_readers->model();
    m_ui->编辑框_班别->setText(model.text(row, 1));
    m_ui->编辑框_姓名->setText(model.text(row, 2));
    m_ui->编辑框_借书证号_添加->setText(model.text(row, 3));
    m_ui->编辑框_转到借书证号->setText(m_ui->编辑框_借书证号_添加->text());
}

void ReadersPage::viewReader()
{
    RegisterOutcome outcome;
    const auto reader = m_register->view(m_ui->编辑框_转到借书证号->text(), outcome);
    if (reader) {
        m_ui->编辑框_班别->setText(reader->className);
        m_ui->编辑框_姓名->setText(reader->name);
        m_ui->编辑框_借书证号_添加->setText(reader->cardNumber);
    }
    apply(outcome);
}

void ReadersPage::apply(const RegisterOutcome &outcome)
{
    if (outcome.focusCardBox)
        m_ui->编辑框_转到借书证号->setFocus();
    if (outcome.refillList)
        fillReaderList();
}

void ReadersPage::chooseImportFile()
{
    const QString path = m_services.dialogs.chooseFile(FileChoiceMode::Open, {});
    if (!path.isEmpty())
        m_ui->编辑框读者信息文件路径->setText(path);
}

void ReadersPage::importReaders()
{
    m_ui->按钮导入读者->setEnabled(false);
    const QString path = m_ui->编辑框读者信息文件路径->text();
    if (path.isEmpty()) {
        m_ui->按钮导入读者->setEnabled(true);
        m_services.dialogs.notify(u"未指定读者信息文件"_s, kNoticeTitle);
        return;
    }
    songtao::importReaders(m_services.state, m_services.dialogs, path);
    fillReaderList();
    m_ui->按钮导入读者->setEnabled(true);
}

void ReadersPage::exportReaders()
{
    m_ui->按钮_导出读者数据->setEnabled(false);
    LabelStatus status(m_ui->标签_读者导出状态, m_ui->编辑框_读者数据文件名);
    songtao::exportReaders(m_services.state, m_services.dialogs, status);
    m_ui->按钮_导出读者数据->setEnabled(true);
}

} // namespace songtao
