#include "app/messageboxdialogs.h"

#include <QFileDialog>
#include <QMessageBox>

using namespace Qt::Literals::StringLiterals;

namespace songtao {
namespace {

QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void MessageBoxDialogs::notify(const QString &text, const QString &title, MessageIcon icon)
{
    QMessageBox box(toQt(icon), title.isEmpty() ? kUntitledTitle : title, text, QMessageBox::Ok,
                    m_parent);
    box.exec();
}

bool MessageBoxDialogs::confirm(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                    m_parent);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

QString MessageBoxDialogs::chooseFile(FileChoiceMode mode, const QString &initialFolder)
{
    QFileDialog dialog(m_parent);
    // Shown as "Excel文件（*.xls）"; the pattern in brackets is Qt's own syntax.
    dialog.setNameFilter(u"Excel文件（*.xls） (*.xls)"_s);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setDefaultSuffix(u"xls"_s);
    dialog.setDirectory(initialFolder);
    if (mode == FileChoiceMode::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace songtao
