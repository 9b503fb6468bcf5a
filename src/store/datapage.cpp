#include "store/datapage.h"

#include "app/formsettings.h"
#include "app/pageservices.h"
#include "common/dialogs.h"
#include "store/backup.h"
#include "ui_datapage.h"

using namespace Qt::Literals::StringLiterals;

namespace songtao {

DataPage::DataPage(PageServices &services, QWidget *parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::DataPage>()), m_services(services)
{
    m_ui->setupUi(this);
    applyFormSettings(this);

    connect(m_ui->按钮_备份数据库, &QPushButton::clicked, this, [this] {
        const bool backedUp = backupDatabase(m_services.clock);
        refreshBackupList();
        if (backedUp)
            m_services.dialogs.notify(u"备份数据库成功"_s, kNoticeTitle);
        else
            m_services.dialogs.notify(kBackupFailedText, kNoticeTitle, MessageIcon::Error);
    });
    const auto clearing = [this](ClearTarget target) {
        return [this, target] {
            clearTable(target, m_services.state, m_services.dialogs, m_services.clock);
            refreshBackupList();
        };
    };
    connect(m_ui->按钮_清空图书数据, &QPushButton::clicked, this, clearing(ClearTarget::Books));
    connect(m_ui->按钮_清空读者数据, &QPushButton::clicked, this, clearing(ClearTarget::Readers));
    connect(m_ui->按钮_清空借出数据, &QPushButton::clicked, this, clearing(ClearTarget::LentBooks));
}

DataPage::~DataPage() = default;

void DataPage::refreshBackupList()
{
    m_ui->列表框1->clear();
    m_ui->列表框1->addItems(listBackups());
}

} // namespace songtao
