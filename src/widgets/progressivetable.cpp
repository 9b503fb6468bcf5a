#include "widgets/progressivetable.h"

#include <QHeaderView>
#include <QTableView>

namespace songtao {
namespace {

constexpr qint64 kRedrawIntervalMs = 30;

QList<TextTableModel::Column> columnsOf(const QTableView *view)
{
    const QStringList headings =
        view->property("columnHeadings").toString().split(u',', Qt::SkipEmptyParts);
    const QStringList widths =
        view->property("columnWidths").toString().split(u',', Qt::SkipEmptyParts);
    QList<TextTableModel::Column> columns;
    for (qsizetype i = 0; i < headings.size(); ++i)
        columns.append({headings[i], widths.value(i).toInt()});
    return columns;
}

} // namespace

ProgressiveTable::ProgressiveTable(QTableView *view)
    : m_view(view), m_model(new TextTableModel(columnsOf(view), view))
{
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setShowGrid(true);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    m_view->horizontalHeader()->setHighlightSections(false);
    const auto &modelColumns = m_model->columns();
    for (int i = 0; i < modelColumns.size(); ++i)
        m_view->setColumnWidth(i, modelColumns[i].width);
}

void ProgressiveTable::clear()
{
    m_pending.clear();
    m_model->clear();
    m_sinceRedraw.start();
}

void ProgressiveTable::append(QStringList row)
{
    m_pending.append(std::move(row));
    if (!m_sinceRedraw.isValid())
        m_sinceRedraw.start();
    if (m_sinceRedraw.elapsed() >= kRedrawIntervalMs)
        flush();
}

void ProgressiveTable::finish()
{
    flush();
}

void ProgressiveTable::flush()
{
    m_model->appendRows(m_pending);
    m_pending.clear();
    m_view->viewport()->repaint();
    m_sinceRedraw.start();
}

bool ThrottledRepaint::due(bool force)
{
    if (force || !m_sinceRedraw.isValid() || m_sinceRedraw.elapsed() >= kRedrawIntervalMs) {
        m_sinceRedraw.start();
        return true;
    }
    return false;
}

} // namespace songtao
