#include "fixtures.h"

#include "support/tempfolder.h"
#include "workbook/preview.h"
#include "workbook/templates.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;
using songtao::test::TempFolder;

namespace {

const WorkbookTemplate kTemplates[] = {WorkbookTemplate::Books, WorkbookTemplate::Readers,
                                       WorkbookTemplate::LendingReport};

// The carried templates are exactly what the writer makes; after a change
// of the writer, scripts/make_templates.sh remakes them.
TEST(WorkbookTemplates, CarriedBytesAreTheWritersOwn)
{
    for (const WorkbookTemplate kind : kTemplates) {
        const QByteArray carried = templateBytes(kind);
        ASSERT_FALSE(carried.isEmpty());
        EXPECT_EQ(carried, buildTemplate(kind));
    }
}

TEST(WorkbookTemplates, HoldTheHeadingRowOnly)
{
    TempFolder folder;
    const QString path = folder.file(u"template.xls"_s);
    ASSERT_TRUE(test::writeFileBytes(path, "something that was there before, longer than that"));
    for (const WorkbookTemplate kind : kTemplates) {
        ASSERT_TRUE(writeTemplate(kind, path));
        EXPECT_EQ(test::readFileBytes(path), templateBytes(kind));
        const QStringList headings = templateHeadings(kind);
        QStringList firstRow = headings;
        while (firstRow.size() < 26)
            firstRow.append(QString());
        EXPECT_EQ(readFirstSheetPreview(path), (QList<QStringList>{firstRow, QStringList(26)}));
        WorkbookLink link;
        ASSERT_TRUE(link.connect(path));
        const auto rows = link.rowsWhereNotEmpty(u"Sheet1"_s, headings.front());
        ASSERT_TRUE(rows);
        EXPECT_TRUE(rows->atEnd());
    }
    EXPECT_EQ(templateSheetName(WorkbookTemplate::Books), u"sheet1"_s);
    EXPECT_EQ(templateHeadings(WorkbookTemplate::Books).size(), 16);
    EXPECT_EQ(templateHeadings(WorkbookTemplate::Readers).size(), 6);
    EXPECT_FALSE(writeTemplate(WorkbookTemplate::Books, folder.file(u"no/such/folder.xls"_s)));
}

} // namespace
