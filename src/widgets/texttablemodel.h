#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

namespace songtao {

// Rows of plain texts under fixed headings: the model behind every result
// list. Far lighter than one item object per cell, so 100,000 rows fill in
// a fraction of a second.
class TextTableModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    struct Column
    {
        QString heading;
        int width;
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    };

    explicit TextTableModel(QList<Column> columns, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const QList<Column> &columns() const { return m_columns; }
    const QStringList &row(int index) const { return m_rows.at(index); }
    QString text(int row, int column) const { return m_rows.at(row).value(column); }

    void clear();
    void appendRows(const QList<QStringList> &rows);

private:
    QList<Column> m_columns;
    QList<QStringList> m_rows;
};

} // namespace songtao
