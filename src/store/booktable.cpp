#include "store/booktable.h"

#include "store/database.h"

using namespace Qt::Literals::StringLiterals;

namespace songtao {

bool BookTable::open(const QString &table, Database &database)
{
    close();
    const bool exists =
        database
            .queryInteger(u"SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ?"_s,
                          {table})
            .value_or(0)
        > 0;
    if (!exists)
        return false;
    m_table = table;
    m_database = &database;
    return true;
}

int BookTable::rowCount() const
{
    if (m_database == nullptr)
        return 0;
    // The name is one of our own table names, checked to exist at open; it is
    // quoted as an identifier all the same.
    QString quoted = m_table;
    quoted.replace(u'"', u"\"\""_s);
    return int(m_database->queryInteger(u"SELECT count(*) FROM \""_s + quoted + u'"').value_or(0));
}

void BookTable::close()
{
    m_table.clear();
    m_database = nullptr;
}

} // namespace songtao
