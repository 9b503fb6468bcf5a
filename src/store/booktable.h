#pragma once

#include <QString>

namespace songtao {

class Database;

// The table object that tells the catalogue's size.
class BookTable
{
public:
    BookTable() = default;
    BookTable(const BookTable &) = delete;
    BookTable &operator=(const BookTable &) = delete;

    // The table must exist.
    bool open(const QString &table, Database &database);
    bool isOpen() const { return m_database != nullptr; }
    // Rows the table holds now; 0 when not open.
    int rowCount() const;
    void close();

private:
    QString m_table;
    Database *m_database = nullptr;
};

} // namespace songtao
