#include "fixtures.h"
#include "samplerows.h"

#include "support/tempfolder.h"
#include "workbook/templates.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;
using songtao::test::readRows;
using songtao::test::TempFolder;

using songtao::test::kHeadings;
using songtao::test::trickyRows;

namespace {

const QString kPython = u"/usr/bin/python3"_s;

QString writeTrickyWorkbook(const TempFolder &folder)
{
    const QString path = folder.file(u"written.xls"_s);
    EXPECT_TRUE(writeTemplate(WorkbookTemplate::LendingReport, path));
    WorkbookLink link;
    EXPECT_TRUE(link.connect(path));
    for (const QStringList &row : trickyRows()) {
        QList<QPair<QString, QString>> named;
        for (qsizetype i = 0; i < kHeadings.size(); ++i)
            named.append({kHeadings[i], row[i]});
        EXPECT_TRUE(link.insertRow(u"Sheet1"_s, named));
    }
    EXPECT_TRUE(link.disconnect());
    return path;
}

TEST(WorkbookInterop, OurReaderReadsWhatWeWrite)
{
    TempFolder folder;
    const QString path = writeTrickyWorkbook(folder);
    WorkbookLink link;
    ASSERT_TRUE(link.connect(path));
    EXPECT_EQ(readRows(link, u"Sheet1"_s, u"图书编号"_s, kHeadings), trickyRows());
}

bool haveXlrd()
{
    if (!QFile::exists(kPython))
        return false;
    QProcess probe;
    probe.start(kPython, {u"-c"_s, u"import xlrd"_s});
    return probe.waitForFinished(60000) && probe.exitCode() == 0;
}

// The workbook as python3-xlrd reads it; empty when xlrd fails.
QJsonObject xlrdDump(const QString &path)
{
    QProcess xlrd;
    xlrd.start(kPython, {QStringLiteral(WORKBOOK_SOURCE_DIR "/tests/workbook/xlrd_dump.py"), path});
    if (!xlrd.waitForFinished(120000) || xlrd.exitCode() != 0) {
        ADD_FAILURE() << xlrd.readAllStandardError().toStdString();
        return {};
    }
    return QJsonDocument::fromJson(xlrd.readAllStandardOutput()).object();
}

TEST(WorkbookInterop, XlrdReadsTheTemplates)
{
    if (!haveXlrd())
        GTEST_SKIP() << "python3-xlrd (through " << kPython.toStdString() << ") is missing";
    TempFolder folder;
    for (const WorkbookTemplate kind :
         {WorkbookTemplate::Books, WorkbookTemplate::Readers, WorkbookTemplate::LendingReport}) {
        const QString path = folder.file(u"template.xls"_s);
        ASSERT_TRUE(writeTemplate(kind, path));
        const QJsonObject dump = xlrdDump(path);
        EXPECT_EQ(dump[u"sheets"_s].toArray(), QJsonArray{templateSheetName(kind)});
        const QJsonArray rows = dump[u"cells"_s].toArray().at(0).toArray();
        ASSERT_EQ(rows.size(), 1);
        QStringList headings;
        for (const QJsonValue &cell : rows[0].toArray())
            headings.append(cell.toArray().at(1).toString());
        EXPECT_EQ(headings, templateHeadings(kind));
    }
}

TEST(WorkbookInterop, XlrdReadsWhatWeWrite)
{
    if (!haveXlrd())
        GTEST_SKIP() << "python3-xlrd (through " << kPython.toStdString() << ") is missing";
    TempFolder folder;
    const QString path = writeTrickyWorkbook(folder);
    const QJsonObject dump = xlrdDump(path);
    EXPECT_EQ(dump[u"sheets"_s].toArray(), QJsonArray{u"Sheet1"_s});

    QList<QStringList> expected = trickyRows();
    expected.prepend(kHeadings);
    const QJsonArray rows = dump[u"cells"_s].toArray().at(0).toArray();
    ASSERT_EQ(rows.size(), expected.size());
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QJsonArray cells = rows[r].toArray();
        ASSERT_EQ(cells.size(), kHeadings.size()) << r;
        for (qsizetype c = 0; c < cells.size(); ++c) {
            const QJsonArray cell = cells[c].toArray();
            const QString &want = expected[r][c];
            // Text cells are type 1, cells never written type 0.
            EXPECT_EQ(cell[0].toInt(), want.isEmpty() ? 0 : 1) << r << "," << c;
            EXPECT_EQ(cell[1].toString(), want) << r << "," << c;
        }
    }
}

} // namespace
