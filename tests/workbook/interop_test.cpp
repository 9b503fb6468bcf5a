#include "fixtures.h"

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

namespace {

const QString kPython = u"/usr/bin/python3"_s;

// Values that stress the shared-string table: Chinese and Latin-1 text,
// quotes, brackets, line breaks, numbers kept as text, long strings that
// run over CONTINUE records, and many rows.
QList<QStringList> trickyRows()
{
    QList<QStringList> rows;
    rows.append({u"A00001"_s, u"红楼梦"_s, u"初一(3)班 张三"_s, u"2016年3月21日"_s, QString()});
    rows.append({u"'"_s, u"It's [x] \"y\""_s, u"Café ü ñ"_s, u"00123"_s, u"第一行\n第二行"_s});
    rows.append({u"A00003"_s, QString(9000, u'书'), u"a"_s.repeated(9000), u" 前后有空格 "_s,
                 u"𠀀"_s});
    for (int i = 0; i < 3000; ++i)
        rows.append({u"B%1"_s.arg(i, 5, 10, QChar(u'0')), u"书名%1"_s.arg(i % 700),
                     u"班级%1 学生"_s.arg(i % 40), u"2016年%1月1日"_s.arg(i % 12 + 1),
                     i % 3 ? QString() : u"2016年12月1日"_s});
    return rows;
}

const QStringList kHeadings{u"图书编号"_s, u"书名"_s, u"借阅者"_s, u"借书日期"_s, u"还书日期"_s};

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

TEST(WorkbookInterop, XlrdReadsWhatWeWrite)
{
    if (!QFile::exists(kPython))
        GTEST_SKIP() << "no " << kPython.toStdString();
    QProcess probe;
    probe.start(kPython, {u"-c"_s, u"import xlrd"_s});
    if (!probe.waitForFinished(60000) || probe.exitCode() != 0)
        GTEST_SKIP() << "python3-xlrd is not installed";

    TempFolder folder;
    const QString path = writeTrickyWorkbook(folder);
    QProcess xlrd;
    xlrd.start(kPython, {QStringLiteral(WORKBOOK_SOURCE_DIR "/tests/workbook/xlrd_dump.py"), path});
    ASSERT_TRUE(xlrd.waitForFinished(120000));
    ASSERT_EQ(xlrd.exitCode(), 0) << xlrd.readAllStandardError().toStdString();
    const QJsonObject dump = QJsonDocument::fromJson(xlrd.readAllStandardOutput()).object();
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
