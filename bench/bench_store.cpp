// Data store: creating the tables and filling the catalogue.
#include "benchdialogs.h"
#include "benchmark.h"
#include "synthetic.h"

#include "store/database.h"
#include "store/tablecheck.h"

#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace songtao::bench {
namespace {

std::vector<BenchResult> storeCases(const BenchContext &context)
{
    const QString path = context.folder + u"/inserts.sdb"_s;
    BenchDialogs dialogs;
    const double ms = medianMs(
        3, [&] { QFile::remove(path); },
        [&] {
            Database database;
            FieldDefinitions fields;
            if (ensureLibraryTables(database, dialogs, fields, path) != 0)
                return false;
            SyntheticLibrary library;
            return library.addBooks(database, 100000);
        });
    return {{u"table check + 100,000 book inserts"_s, ms, 0, {}}};
}

const Registration registration("store", storeCases);

} // namespace
} // namespace songtao::bench
