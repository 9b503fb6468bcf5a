// Workbook link: reading a large book sheet, and exporting one row by row.
#include "benchmark.h"
#include "synthetic.h"

#include "common/datetimetext.h"
#include "store/schema.h"
#include "workbook/biffrecords.h"
#include "workbook/bytes.h"
#include "workbook/compoundfile.h"
#include "workbook/templates.h"
#include "workbook/workbookfile.h"
#include "workbook/workbooklink.h"

#include <QFile>

#include <bit>

using namespace Qt::Literals::StringLiterals;

namespace songtao::bench {
namespace {

constexpr int kRows = 20000;

void record(QByteArray &out, quint16 id, const QByteArray &data)
{
    xls::appendU16(out, id);
    xls::appendU16(out, quint16(data.size()));
    out.append(data);
}

// A book sheet as Excel would store it: text in shared strings, numbers as
// NUMBER cells, 入库时间 as dates (format 14). Our own writer makes text
// only, so the sheet is put together here.
QByteArray bookSheetWorkbook(SyntheticLibrary &library)
{
    const QStringList headings = bookColumns();
    const int dateColumn = int(headings.indexOf(u"入库时间"_s));
    const QList<int> numberColumns{0, 4, 8, 12, 15};
    std::vector<QString> strings(headings.begin(), headings.end());
    QByteArray cells;
    const auto cell = [&](quint16 id, int row, int column, quint16 xf) {
        xls::appendU16(cells, id);
        xls::appendU16(cells, id == xls::record::kNumber ? 14 : 10);
        xls::appendU16(cells, quint16(row));
        xls::appendU16(cells, quint16(column));
        xls::appendU16(cells, xf);
    };
    for (int c = 0; c < headings.size(); ++c) {
        cell(xls::record::kLabelSst, 0, c, 0);
        xls::appendU32(cells, quint32(c));
    }
    for (int r = 1; r <= kRows; ++r) {
        const QStringList row = library.bookRow(r);
        for (int c = 0; c < row.size(); ++c) {
            if (c == dateColumn || numberColumns.contains(c)) {
                const double value = c == dateColumn ? 42000.0 + r % 1000 : row[c].toDouble();
                cell(xls::record::kNumber, r, c, c == dateColumn ? 1 : 0);
                const quint64 bits = std::bit_cast<quint64>(value);
                xls::appendU32(cells, quint32(bits));
                xls::appendU32(cells, quint32(bits >> 32));
            } else {
                cell(xls::record::kLabelSst, r, c, 0);
                xls::appendU32(cells, quint32(strings.size()));
                strings.push_back(row[c]);
            }
        }
    }

    QByteArray globals;
    QByteArray data;
    xls::appendU16(data, 0x0600);
    xls::appendU16(data, 0x0005);
    data.append(12, '\0');
    record(globals, xls::record::kBof, data);
    for (const quint16 format : {0, 14}) { // cell XF 0: General, 1: a date
        data = QByteArray(20, '\0');
        xls::putU16(data, 2, format);
        record(globals, xls::record::kXf, data);
    }
    data.clear();
    xls::appendU32(data, 0); // patched below
    xls::appendU16(data, 0);
    xls::appendU8(data, 6);
    xls::appendU8(data, 0);
    data.append("Sheet1");
    const qsizetype offsetAt = globals.size() + 4;
    record(globals, xls::record::kBoundSheet, data);
    // Shared strings, all 16-bit, continued every ~8 KB.
    data.clear();
    xls::appendU32(data, quint32(strings.size()));
    xls::appendU32(data, quint32(strings.size()));
    quint16 id = xls::record::kSst;
    for (const QString &text : strings) {
        if (data.size() + 3 + 2 * text.size() > 8224) {
            record(globals, id, data);
            data.clear();
            id = xls::record::kContinue;
        }
        xls::appendU16(data, quint16(text.size()));
        xls::appendU8(data, 1);
        for (const QChar ch : text)
            xls::appendU16(data, ch.unicode());
    }
    record(globals, id, data);
    record(globals, xls::record::kEof, {});
    xls::putU32(globals, offsetAt, quint32(globals.size()));

    QByteArray stream = globals;
    data.clear();
    xls::appendU16(data, 0x0600);
    xls::appendU16(data, 0x0010);
    data.append(12, '\0');
    record(stream, xls::record::kBof, data);
    stream.append(cells);
    record(stream, xls::record::kEof, {});
    return xls::buildCompoundFile(u"Workbook"_s, stream);
}

std::vector<BenchResult> workbookCases(const BenchContext &context)
{
    SyntheticLibrary library;
    const QString readPath = context.folder + u"/books.xls"_s;
    if (!writeWorkbookFile(readPath, bookSheetWorkbook(library)))
        return {{u"workbook: build the sheet to read"_s, -1, 0, {}}};
    const QStringList headings = bookColumns();
    qint64 checksum = 0;
    const double readMs = medianMs(
        context.runs, [] {},
        [&] {
            WorkbookLink link;
            if (!link.connect(readPath))
                return false;
            auto rows = link.rowsWhereNotEmpty(u"Sheet1"_s, u"图书编号"_s);
            if (!rows || rows->count() != kRows)
                return false;
            for (; !rows->atEnd(); rows->next()) {
                for (const QString &heading : headings)
                    checksum += rows->readColumn(heading).size();
            }
            return true;
        });

    std::vector<QList<QPair<QString, QString>>> inserts;
    inserts.reserve(kRows);
    for (int r = 1; r <= kRows; ++r) {
        const QStringList row = library.bookRow(r);
        QList<QPair<QString, QString>> named;
        for (int c = 0; c < headings.size(); ++c)
            named.append({headings[c], row[c]});
        inserts.push_back(named);
    }
    const QString writePath = context.folder + u"/export.xls"_s;
    const double writeMs = medianMs(
        context.runs, [&] { writeTemplate(WorkbookTemplate::Books, writePath); },
        [&] {
            WorkbookLink link;
            if (!link.connect(writePath))
                return false;
            for (const auto &named : inserts) {
                if (!link.insertRow(u"Sheet1"_s, named))
                    return false;
            }
            return link.disconnect();
        });
    return {{u"workbook: read 20,000 x 16 (one date column)"_s, readMs, 150,
             u"FreeXL ~70 ms without dates, ~660 ms with; xlrd ~600 ms"_s},
            {u"workbook: 20,000 inserts + disconnect"_s, writeMs, 300, {}}};
}

const Registration registration("workbook", workbookCases);

} // namespace
} // namespace songtao::bench
