#include "store/recordset.h"

#include "common/gbk.h"
#include "store/database.h"

#include <sqlite3.h>

namespace songtao {
namespace {

// Only ASCII letters fold; every other character compares exactly.
QString foldAsciiLetters(QString name)
{
    for (QChar &c : name) {
        if (c >= u'a' && c <= u'z')
            c = QChar(static_cast<char16_t>(c.unicode() - u'a' + u'A'));
    }
    return name;
}

} // namespace

RecordSet::~RecordSet()
{
    close();
}

bool RecordSet::query(const QString &statement, const QStringList &values)
{
    close();
    sqlite3 *connection = m_database.connection();
    if (connection == nullptr || statement.trimmed().isEmpty())
        return false;
    const QByteArray sql = toGbk(statement);
    sqlite3_stmt *prepared = nullptr;
    const char *tail = nullptr;
    if (sqlite3_prepare_v2(connection, sql.constData(), int(sql.size()), &prepared, &tail)
            != SQLITE_OK
        || prepared == nullptr || !bindTextValues(prepared, values)) {
        sqlite3_finalize(prepared);
        return false;
    }
    m_statement = prepared;
    const int columns = sqlite3_column_count(prepared);
    for (int i = 0; i < columns; ++i) {
        m_columnNames << fromGbk(sqlite3_column_name(prepared, i));
        m_foldedNames << foldAsciiLetters(m_columnNames.constLast());
    }
    m_atEnd = false;
    return true;
}

bool RecordSet::usable() const
{
    // After the database was closed (or reopened) the held statement belongs
    // to a connection that is gone.
    return m_statement != nullptr && m_database.connection() != nullptr
        && sqlite3_db_handle(m_statement) == m_database.connection();
}

bool RecordSet::countAndRewind()
{
    m_count = 0;
    m_onRow = false;
    if (!usable()) {
        m_atEnd = true;
        return false;
    }
    sqlite3_reset(m_statement);
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(m_statement)) == SQLITE_ROW)
        ++m_count;
    sqlite3_reset(m_statement);
    m_atEnd = m_count == 0;
    return rc == SQLITE_DONE;
}

bool RecordSet::step()
{
    // SQLite would silently rerun a finished statement from the top.
    m_onRow = !m_atEnd && usable() && sqlite3_step(m_statement) == SQLITE_ROW;
    m_atEnd = !m_onRow;
    return m_onRow;
}

int RecordSet::columnIndex(const QString &name) const
{
    return int(m_foldedNames.indexOf(foldAsciiLetters(name)));
}

QString RecordSet::readColumn(const QString &name) const
{
    return readColumn(columnIndex(name));
}

QString RecordSet::readColumn(int index) const
{
    if (!m_onRow || index < 0 || index >= m_columnNames.size() || !usable())
        return {};
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, index));
    if (text == nullptr)
        return {};
    return fromGbk(QByteArrayView(text, sqlite3_column_bytes(m_statement, index)));
}

void RecordSet::close()
{
    sqlite3_finalize(m_statement);
    m_statement = nullptr;
    m_columnNames.clear();
    m_foldedNames.clear();
    m_count = 0;
    m_atEnd = true;
    m_onRow = false;
}

} // namespace songtao
