// Data store: creating the tables and filling the catalogue.
#include "benchmark.h"
#include "synthetic.h"

#include "common/dialogs.h"
#include "store/database.h"
#include "store/tablecheck.h"

#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace songtao::bench {
namespace {

class NoDialogs final : public Dialogs
{
public:
    void notify(const QString &, const QString &, MessageIcon) override {}
    bool confirm(const QString &, const QString &) override { return true; }
    QString chooseFile(FileChoiceMode, const QString &) override { return {}; }
};

std::vector<BenchResult> storeCases(const BenchContext &context)
{
    const QString path = context.folder + u"/inserts.sdb"_s;
    NoDialogs dialogs;
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
