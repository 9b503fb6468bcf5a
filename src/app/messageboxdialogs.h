#pragma once

#include "common/dialogs.h"

class QWidget;

namespace songtao {

// The real boxes: QMessageBox and QFileDialog.
class MessageBoxDialogs final : public Dialogs
{
public:
    explicit MessageBoxDialogs(QWidget *parent = nullptr) : m_parent(parent) { }
    void setParent(QWidget *parent) { m_parent = parent; }

    void notify(const QString &text, const QString &title, MessageIcon icon) override;
    bool confirm(const QString &text, const QString &title) override;
    QString chooseFile(FileChoiceMode mode, const QString &initialFolder) override;

private:
    QWidget *m_parent;
};

} // namespace songtao
