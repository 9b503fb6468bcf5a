#include "widgets/labelstatus.h"

#include <QLabel>
#include <QLineEdit>

namespace songtao {

void LabelStatus::showStatus(const QString &text)
{
    m_label->setText(text);
    // Texts between two redraws are still set; the last one is drawn when
    // the handler returns at the latest.
    if (m_repaint.due())
        m_label->repaint();
}

void LabelStatus::showPath(const QString &path)
{
    if (m_pathBox == nullptr)
        return;
    m_pathBox->setText(path);
    m_pathBox->repaint();
}

} // namespace songtao
