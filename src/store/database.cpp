#include "store/database.h"

#include "common/gbk.h"
#include "store/gbklike.h"

#include <QFileInfo>

#include <sqlite3.h>

using namespace Qt::Literals::StringLiterals;

namespace songtao {

namespace {

constexpr int kStatementCacheLimit = 64;

// SQLite's quick check: every page and record well formed (indexes, which
// the library's tables never have, are not compared with their tables).
bool isSound(sqlite3 *connection)
{
    sqlite3_stmt *check = nullptr;
    bool sound =
        sqlite3_prepare_v2(connection, "PRAGMA quick_check(1)", -1, &check, nullptr) == SQLITE_OK
        && sqlite3_step(check) == SQLITE_ROW
        && qstrcmp(reinterpret_cast<const char *>(sqlite3_column_text(check, 0)), "ok") == 0;
    sqlite3_finalize(check);
    return sound;
}

} // namespace

bool bindTextValues(sqlite3_stmt *statement, const QStringList &values)
{
    if (sqlite3_bind_parameter_count(statement) != values.size())
        return false;
    for (int i = 0; i < values.size(); ++i) {
        const QByteArray bytes = toGbk(values[i]);
        if (sqlite3_bind_text(statement, i + 1, bytes.constData(), int(bytes.size()),
                              SQLITE_TRANSIENT)
            != SQLITE_OK)
            return false;
    }
    return true;
}

Database::~Database()
{
    close();
}

bool Database::open(const QString &path, bool createIfMissing)
{
    close();
    if (path.isEmpty())
        return false;
    // SQLite would open a directory "successfully" and only fail on first use.
    if (QFileInfo(path).isDir())
        return false;

    int flags = SQLITE_OPEN_READWRITE;
    if (createIfMissing)
        flags |= SQLITE_OPEN_CREATE;
    sqlite3 *connection = nullptr;
    const QByteArray fileName = path.toUtf8(); // the platform's own file name
    if (sqlite3_open_v2(fileName.constData(), &connection, flags, nullptr) != SQLITE_OK) {
        m_lastError = connection != nullptr ? QString::fromUtf8(sqlite3_errmsg(connection))
                                            : u"out of memory"_s;
        sqlite3_close_v2(connection);
        return false;
    }
    // A file that is not a database, or is damaged at the header or inside,
    // opens lazily; checking it now turns that into a failed opening, so
    // that nothing is ever written into a damaged file to spread the damage.
    // (About 0.1 s for a 50 MB file.)
    if (!isSound(connection) || !registerGbkLike(connection)) {
        m_lastError = QString::fromUtf8(sqlite3_errmsg(connection));
        sqlite3_close_v2(connection);
        return false;
    }
    m_connection = connection;
    return true;
}

bool Database::close()
{
    if (m_connection == nullptr)
        return true;
    clearStatementCache();
    m_transactionBegun = false;
    // close_v2 keeps the connection alive for a record set that still holds
    // a statement; that statement learns of the close on its next use.
    const bool closed = sqlite3_close_v2(m_connection) == SQLITE_OK;
    m_connection = nullptr;
    return closed;
}

void Database::clearStatementCache()
{
    for (sqlite3_stmt *statement : std::as_const(m_statements))
        sqlite3_finalize(statement);
    m_statements.clear();
}

bool Database::fail()
{
    m_lastError = m_connection != nullptr ? QString::fromUtf8(sqlite3_errmsg(m_connection))
                                          : u"database not open"_s;
    return false;
}

sqlite3_stmt *Database::cachedStatement(const QString &statement)
{
    if (sqlite3_stmt *cached = m_statements.value(statement)) {
        sqlite3_reset(cached);
        sqlite3_clear_bindings(cached);
        return cached;
    }
    const QByteArray sql = toGbk(statement);
    sqlite3_stmt *prepared = nullptr;
    const char *tail = nullptr;
    if (sqlite3_prepare_v3(m_connection, sql.constData(), int(sql.size()),
                           SQLITE_PREPARE_PERSISTENT, &prepared, &tail)
            != SQLITE_OK
        || prepared == nullptr)
        return nullptr;
    // A second statement after the first is never run: refuse it outright.
    for (; tail != nullptr && *tail != '\0'; ++tail) {
        if (*tail != ' ' && *tail != ';' && *tail != '\n' && *tail != '\r' && *tail != '\t') {
            sqlite3_finalize(prepared);
            m_lastError = u"more than one statement"_s;
            return nullptr;
        }
    }
    if (m_statements.size() >= kStatementCacheLimit)
        clearStatementCache();
    m_statements.insert(statement, prepared);
    return prepared;
}

bool Database::execute(const QString &statement, const QStringList &values)
{
    if (m_connection == nullptr || statement.trimmed().isEmpty())
        return fail();
    if (m_transactionBegun && !inTransaction()) {
        m_lastError = u"the transaction was rolled back by SQLite"_s;
        return false;
    }
    sqlite3_stmt *prepared = cachedStatement(statement);
    if (prepared == nullptr)
        return fail();
    if (!bindTextValues(prepared, values)) {
        m_lastError = u"values do not fit the statement"_s;
        return false;
    }
    int rc = sqlite3_step(prepared);
    while (rc == SQLITE_ROW)
        rc = sqlite3_step(prepared);
    const bool ok = rc == SQLITE_DONE;
    if (!ok)
        fail();
    sqlite3_reset(prepared);
    sqlite3_clear_bindings(prepared);
    return ok;
}

bool Database::beginTransaction()
{
    if (inTransaction())
        return false;
    m_transactionBegun = false;
    m_transactionBegun = execute(u"BEGIN TRANSACTION "_s);
    return m_transactionBegun;
}

bool Database::commitTransaction()
{
    // A failed commit normally keeps the transaction open for the caller to
    // roll back; one that SQLite rolled back already is over either way.
    const bool committed = execute(u"COMMIT TRANSACTION "_s);
    if (committed || !inTransaction())
        m_transactionBegun = false;
    return committed;
}

bool Database::rollbackTransaction()
{
    m_transactionBegun = false;
    if (!inTransaction())
        return true;
    return execute(u"ROLLBACK TRANSACTION "_s);
}

bool Database::inTransaction() const
{
    return m_connection != nullptr && sqlite3_get_autocommit(m_connection) == 0;
}

std::optional<qint64> Database::queryInteger(const QString &statement, const QStringList &values)
{
    if (m_connection == nullptr)
        return std::nullopt;
    sqlite3_stmt *prepared = cachedStatement(statement);
    if (prepared == nullptr || !bindTextValues(prepared, values)) {
        fail();
        return std::nullopt;
    }
    std::optional<qint64> result;
    if (sqlite3_step(prepared) == SQLITE_ROW)
        result = sqlite3_column_int64(prepared, 0);
    sqlite3_reset(prepared);
    sqlite3_clear_bindings(prepared);
    return result;
}

bool Database::tableExists(const QString &name)
{
    return queryInteger(
               u"SELECT count(*) FROM sqlite_master WHERE name LIKE ? AND type IN ('table','view')"_s,
               {name})
               .value_or(0)
        > 0;
}

bool Database::createTable(const QString &name, const FieldDefinitions &fields)
{
    QStringList columns;
    for (const FieldDefinition &field : fields) {
        QString type;
        if (field.type == kTextFieldType)
            type = field.size > 0 ? u"TEXT(%1)"_s.arg(field.size) : u"TEXT"_s;
        columns << field.name + u' ' + type;
    }
    return execute(u"CREATE TABLE %1 (%2)"_s.arg(name, columns.join(u", "_s)));
}

bool Database::deleteAllRows(const QString &table)
{
    return execute(u"DELETE FROM "_s + table);
}

} // namespace songtao
