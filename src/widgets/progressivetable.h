#pragma once

#include "widgets/texttablemodel.h"

#include <QElapsedTimer>

class QTableView;

namespace songtao {

// Puts a text model on a list view in report style and fills it as rows
// come. The headings and widths are the form's own: the view's
// "columnHeadings" and "columnWidths" properties, comma-separated. Rows
// are handed over in batches and the view is redrawn at most every 30 ms,
// so a long result still appears while it is read without spending its
// time on redraws.
class ProgressiveTable
{
public:
    explicit ProgressiveTable(QTableView *view);

    TextTableModel &model() { return *m_model; }
    QTableView *view() const { return m_view; }

    void clear();
    void append(QStringList row);
    // Hands over what is still buffered and redraws.
    void finish();

private:
    void flush();

    QTableView *m_view;
    TextTableModel *m_model;
    QList<QStringList> m_pending;
    QElapsedTimer m_sinceRedraw;
};

// Repaints a widget at once, but not more often than every 30 ms unless
// `force` is set: for status lines that change once per imported row.
class ThrottledRepaint
{
public:
    bool due(bool force = false);

private:
    QElapsedTimer m_sinceRedraw;
};

} // namespace songtao
