#pragma once

#include "common/statusview.h"
#include "widgets/progressivetable.h"

class QLabel;
class QLineEdit;

namespace songtao {

// A page's status label (and the path box of an export) as the status view
// of a long operation: every text is set, and drawn at once while the work
// goes on, though not more often than every 30 ms.
class LabelStatus final : public StatusView
{
public:
    explicit LabelStatus(QLabel *label, QLineEdit *pathBox = nullptr)
        : m_label(label), m_pathBox(pathBox)
    { }

    void showStatus(const QString &text) override;
    void showPath(const QString &path) override;

private:
    QLabel *m_label;
    QLineEdit *m_pathBox;
    ThrottledRepaint m_repaint;
};

} // namespace songtao
