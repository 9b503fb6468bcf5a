#pragma once

#include "store/fielddefinition.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace songtao {

// The one connection to the library's database file. Statements and values
// cross into SQLite as GBK bytes; values are always bound parameters ("?")
// and bound as TEXT, so a value can never change what a statement does.
class Database
{
public:
    Database() = default;
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Closes an open connection first. Without `createIfMissing` the file
    // must exist already.
    bool open(const QString &path, bool createIfMissing);
    bool isOpen() const { return m_connection != nullptr; }
    // Changes of an uncommitted transaction are discarded here.
    bool close();

    // One statement that returns no rows. An update or delete matching no row
    // still succeeds; an empty statement or a closed database fails, and so
    // does every statement after SQLite rolled back a transaction of ours on
    // its own (a full disk, an I/O error): run outside it, it would last
    // alone, and the all-or-nothing of the transaction would be gone.
    bool execute(const QString &statement, const QStringList &values = {});

    // A deferred transaction; fails while one is already open.
    bool beginTransaction();
    // Fails when none is open. A failed commit leaves the transaction open
    // (SQLite keeps it when, say, the disk is full), so callers roll back.
    bool commitTransaction();
    // Discards everything since beginTransaction(); harmless when none is open.
    bool rollbackTransaction();
    bool inTransaction() const;

    // A table or view whose name matches `name` under LIKE.
    bool tableExists(const QString &name);
    bool createTable(const QString &name, const FieldDefinitions &fields);
    bool deleteAllRows(const QString &table);

    // The first column of the first row as an integer, for counts and
    // existence checks; nothing when the statement fails or returns no row.
    std::optional<qint64> queryInteger(const QString &statement, const QStringList &values = {});

    // The raw connection, for the record set and the book table.
    sqlite3 *connection() const { return m_connection; }
    QString lastError() const { return m_lastError; }

private:
    sqlite3_stmt *cachedStatement(const QString &statement);
    void clearStatementCache();
    bool fail();

    sqlite3 *m_connection = nullptr;
    // Imports run the same insert thousands of times; preparing it once
    // keeps a 20,000-row import well under a second.
    QHash<QString, sqlite3_stmt *> m_statements;
    QString m_lastError;
    // Set by beginTransaction(), cleared when it is committed or rolled back.
    bool m_transactionBegun = false;
};

// Binds `values` in order as GBK text; false when the counts do not agree.
bool bindTextValues(sqlite3_stmt *statement, const QStringList &values);

} // namespace songtao
