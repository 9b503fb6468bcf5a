#pragma once

#include <QString>
#include <QStringList>

struct sqlite3_stmt;

namespace songtao {

class Database;

// The one cursor through which every query runs: query, count and rewind,
// then step through the rows reading columns by name, then close.
class RecordSet
{
public:
    explicit RecordSet(Database &database) : m_database(database) { }
    ~RecordSet();
    RecordSet(const RecordSet &) = delete;
    RecordSet &operator=(const RecordSet &) = delete;

    // Prepares the statement; nothing runs yet. Gives up any statement held
    // before. False for a statement that cannot be prepared (syntax, missing
    // table or column, empty text, closed database).
    bool query(const QString &statement, const QStringList &values = {});

    // Runs the statement through all its rows counting them, then goes back
    // before the first row.
    bool countAndRewind();
    int recordCount() const { return m_count; }

    // Moves to the next row; false when the rows are exhausted or the step
    // fails, after which atEnd() is true.
    bool step();
    bool atEnd() const { return m_atEnd; }

    // The named column of the current row as text. ASCII letters in the name
    // match regardless of case, everything else exactly. A NULL, a missing
    // column or no current row give the empty text.
    QString readColumn(const QString &name) const;
    // The same by position, for callers walking many rows.
    QString readColumn(int index) const;
    // Position of a result column by name, or -1.
    int columnIndex(const QString &name) const;
    QStringList columnNames() const { return m_columnNames; }

    void close();

private:
    bool usable() const;

    Database &m_database;
    sqlite3_stmt *m_statement = nullptr;
    QStringList m_columnNames;
    QStringList m_foldedNames;
    int m_count = 0;
    bool m_atEnd = true;
    bool m_onRow = false;
};

} // namespace songtao
