#include "widgets/texttablemodel.h"

namespace songtao {

TextTableModel::TextTableModel(QList<Column> columns, QObject *parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns))
{ }

int TextTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TextTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant TextTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return m_rows.at(index.row()).value(index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_columns.at(index.column()).alignment);
    return {};
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_columns.at(section).heading;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_columns.at(section).alignment);
    return {};
}

void TextTableModel::clear()
{
    if (m_rows.isEmpty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void TextTableModel::appendRows(const QList<QStringList> &rows)
{
    if (rows.isEmpty())
        return;
    const int first = int(m_rows.size());
    beginInsertRows({}, first, first + int(rows.size()) - 1);
    m_rows.append(rows);
    endInsertRows();
}

} // namespace songtao
