// Our operations beside programs nobody here wrote, measured in the same
// run on the same files: sqlite3's own shell running the title search on
// the same database file, python3-xlrd reading the same 20,000-row book
// workbook, and LibreOffice converting it (when installed). The note of
// each peer row gives our time as a multiple of the peer's.
#include "benchdialogs.h"
#include "benchmark.h"
#include "childprocess.h"
#include "keepingsink.h"
#include "synthetic.h"

#include "app/appstate.h"
#include "catalogue/booksearch.h"
#include "common/clock.h"
#include "common/dialogs.h"
#include "common/gbk.h"
#include "store/schema.h"
#include "store/tablecheck.h"
#include "workbook/templates.h"
#include "workbook/workbooklink.h"

#include <QDir>
#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace songtao::bench {
namespace {

constexpr int kSheetRows = 20000;

qsizetype lineCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return file.readAll().count('\n');
}

QString ratioNote(const QString &peer, double peerMs, double oursMs, const QString &extra = {})
{
    if (peerMs <= 0 || oursMs <= 0)
        return peer + u": FAILED"_s;
    return u"%1; ours = %2 x peer (ours %3 ms)%4"_s.arg(peer)
        .arg(oursMs / peerMs, 0, 'f', 2)
        .arg(oursMs, 0, 'f', 1)
        .arg(extra);
}

// One run of sqlite3's shell per statement on our file, the statement given
// as GBK bytes as the names are stored; the median time and the rows printed.
std::pair<double, qsizetype> sqliteShell(const BenchContext &context, const QString &sqlite3,
                                         const QString &statement)
{
    const QString sql = context.folder + u"/query.sql"_s;
    const QString out = context.folder + u"/query.out"_s;
    QFile file(sql);
    if (!file.open(QIODevice::WriteOnly) || file.write(toGbk(QString(statement + u";\n"_s))) < 0)
        return {-1, 0};
    file.close();
    std::vector<double> times;
    qsizetype rows = 0;
    for (int i = 0; i < context.runs; ++i) {
        const ChildRun run = runChild(sqlite3, {databaseFilePath()}, {}, sql, out);
        rows = lineCount(out);
        if (run.exitCode != 0)
            return {-1, rows};
        times.push_back(run.wallMs);
    }
    return {median(times), rows};
}

void searchPeers(const BenchContext &context, AppState &state, std::vector<BenchResult> &results)
{
    const QString sqlite3 = findProgram(u"sqlite3"_s);
    BenchDialogs dialogs;
    SystemClock clock;
    BookSearch search(state, clock, dialogs);
    KeepingSink sink;
    struct Query
    {
        QString name;
        QString text;
        qsizetype hits;
    };
    const QString like = u"select * from 图书数据 where 书名 like '%%1%'"_s;
    // Bytes compared as bytes: the built-in LIKE reads GBK as UTF-8.
    const QString bytes =
        u"select * from 图书数据 where instr(cast(书名 as blob), cast('%1' as blob)) > 0"_s;
    const Query queries[] = {{u"1,000"_s, u"琅琊"_s, 1000}, {u"100,000"_s, u"%"_s, 100000}};
    for (const Query &query : queries) {
        const double ours = medianMs(
            context.runs, [] {},
            [&] {
                search.search(SearchKind::Title, query.text, u"500"_s, sink);
                return sink.rows.size() == query.hits;
            });
        results.push_back({u"ours: title search, %1 hits"_s.arg(query.name), ours, 0, {}});
        if (sqlite3.isEmpty()) {
            results.push_back({u"peer: sqlite3 shell"_s, -1, 0, u"sqlite3 not installed"_s});
            continue;
        }
        const auto [likeMs, likeRows] = sqliteShell(context, sqlite3, like.arg(query.text));
        results.push_back({u"peer: sqlite3 shell, same statement, same file"_s, likeMs, 0,
                           ratioNote(u"%1 rows printed"_s.arg(likeRows), likeMs, ours)});
        if (likeRows != query.hits) {
            const auto [bytesMs, bytesRows] = sqliteShell(context, sqlite3, bytes.arg(query.text));
            results.push_back({u"peer: sqlite3 shell, matching bytes (instr on blob)"_s, bytesMs, 0,
                               ratioNote(u"%1 rows printed"_s.arg(bytesRows), bytesMs, ours)});
        }
    }
}

void workbookPeers(const BenchContext &context, std::vector<BenchResult> &results)
{
    SyntheticLibrary library(7);
    const QString books = context.folder + u"/books.xls"_s;
    if (!library.writeBookWorkbook(books, kSheetRows)) {
        results.push_back({u"workbook peers: set-up"_s, -1, 0, {}});
        return;
    }
    const double ours = medianMs(
        context.runs, [] {},
        [&] {
            WorkbookLink link;
            if (!link.connect(books))
                return false;
            std::optional<SheetRows> rows = link.rowsWhereNotEmpty(u"Sheet1"_s, u"图书编号"_s);
            if (!rows || rows->count() != kSheetRows)
                return false;
            qsizetype characters = 0;
            for (; !rows->atEnd(); rows->next()) {
                for (const QString &column : bookColumns())
                    characters += rows->readColumn(column).size();
            }
            return characters > 0;
        });
    results.push_back({u"ours: read the 20,000-row book workbook"_s, ours, 0, {}});

    // python3-xlrd: the Debian interpreter, which sees Debian's packages.
    const QString python = u"/usr/bin/python3"_s;
    const QString script = QStringLiteral(BENCH_SOURCE_DIR) + u"/peer_xlrd.py"_s;
    const QString out = context.folder + u"/xlrd.out"_s;
    std::vector<double> inside;
    std::vector<double> whole;
    for (int i = 0; i < context.runs; ++i) {
        const ChildRun run = runChild(python, {script, books}, {}, {}, out);
        QFile file(out);
        const QList<QByteArray> printed = file.open(QIODevice::ReadOnly)
            ? file.readAll().trimmed().split(' ')
            : QList<QByteArray>{};
        if (run.exitCode != 0 || printed.size() != 2 || printed[0].toInt() != kSheetRows) {
            inside.clear();
            break;
        }
        inside.push_back(printed[1].toDouble());
        whole.push_back(run.wallMs);
    }
    if (inside.empty()) {
        results.push_back({u"peer: python3-xlrd reading it"_s, -1, 0,
                           u"needs /usr/bin/python3 and python3-xlrd (scripts/deps.sh)"_s});
    } else {
        results.push_back({u"peer: python3-xlrd reading it"_s, median(inside), 0,
                           ratioNote(u"read inside python"_s, median(inside), ours,
                                     u"; whole process %1 ms"_s.arg(median(whole), 0, 'f', 0))});
    }

    // LibreOffice headless, converting the workbook to CSV.
    const QString soffice = findProgram(u"soffice"_s);
    if (soffice.isEmpty()) {
        results.push_back({u"peer: LibreOffice converting it to CSV"_s, 0, 0,
                           u"SKIPPED: soffice not found (scripts/report.sh --with-libreoffice "
                           u"installs libreoffice-calc-nogui)"_s});
        return;
    }
    const QString profile = u"-env:UserInstallation=file://"_s + context.folder + u"/lo_profile"_s;
    const QString outFolder = context.folder + u"/lo_out"_s;
    const QStringList arguments{profile,
                                u"--headless"_s,
                                u"--convert-to"_s,
                                u"csv:Text - txt - csv (StarCalc):44,34,76,1"_s,
                                u"--outdir"_s,
                                outFolder,
                                books};
    runChild(soffice, arguments); // makes the profile, untimed
    std::vector<double> times;
    const int runs = std::min(context.runs, 3);
    for (int i = 0; i < runs; ++i) {
        QDir(outFolder).removeRecursively();
        const ChildRun run = runChild(soffice, arguments);
        if (run.exitCode != 0 || lineCount(outFolder + u"/books.csv"_s) != kSheetRows + 1) {
            times.clear();
            break;
        }
        times.push_back(run.wallMs);
    }
    const double peer = times.empty() ? -1 : median(times);
    results.push_back({u"peer: LibreOffice converting it to CSV"_s, peer, 0,
                       ratioNote(u"whole process, warm profile"_s, peer, ours)});
}

std::vector<BenchResult> peerCases(const BenchContext &context)
{
    AppState state;
    BenchDialogs dialogs;
    if (ensureLibraryTables(state.database, dialogs, state.fieldDefinitions, databaseFilePath())
        != 0)
        return {{u"peers set-up"_s, -1, 0, {}}};
    // The catalogue of the search cases: 1,000 of 100,000 titles carry 琅琊.
    SyntheticLibrary library;
    if (!library.addBooksWithMarkedTitles(state.database, 100000, 1000, u"琅琊"_s))
        return {{u"peers set-up"_s, -1, 0, {}}};

    std::vector<BenchResult> results;
    searchPeers(context, state, results);
    workbookPeers(context, results);
    return results;
}

const Registration registration("peers", peerCases);

} // namespace
} // namespace songtao::bench
