#include "circulation/loandisplay.h"
#include "circulation/loanstrings.h"
#include "readers/readerrecord.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;

namespace {

TEST(LoanStrings, ReadingRule)
{
    const struct
    {
        QString text;
        QStringList items;
    } cases[] = {
        {u"0"_s, {u"0"_s}},
        {u""_s, {}},
        {u"A1|"_s, {u"A1"_s}},
        {u"A1|B2|"_s, {u"A1"_s, u"B2"_s}},
        {u"A1||B2|"_s, {u"A1"_s, u""_s, u"B2"_s}},
        {u"A1|B2"_s, {u"A1"_s, u"B2"_s}}, // no closing "|": the tail is still an item
        {u"亅|皘|"_s, {u"亅"_s, u"皘"_s}}, // "|" inside a GBK character is no separator
    };
    for (const auto &c : cases)
        EXPECT_EQ(loanItems(c.text), c.items) << c.text.toStdString();
    EXPECT_EQ(joinLoanItems({}), u"0"_s);
    EXPECT_EQ(joinLoanItems({u"A1"_s, u"B2"_s}), u"A1|B2|"_s);
}

TEST(LoanStrings, AppendingTestsEachStringForTheMarkerOnItsOwn)
{
    ReaderRecord reader{u"班"_s, u"名"_s, u"1"_s, u"0"_s, u"0"_s, u"0"_s};
    LoanStrings first = withLoanAppended(reader, u"A1"_s, u"2016年3月21日"_s, u"红楼梦"_s);
    EXPECT_EQ(first, (LoanStrings{u"A1|"_s, u"2016年3月21日|"_s, u"红楼梦|"_s}));

    reader.bookNumbers = first.bookNumbers;
    reader.lendingDates = first.dates;
    reader.titles = u"0"_s;
    EXPECT_EQ(withLoanAppended(reader, u"B2"_s, u"2016年5月5日"_s, u"西|游|记"_s),
              (LoanStrings{u"A1|B2|"_s, u"2016年3月21日|2016年5月5日|"_s, u"西｜游｜记|"_s}));
}

TEST(LoanDisplay, DueDatesAndDaysLeftFollowTheCalendar)
{
    const struct
    {
        QString lent;
        QDate today;
        QString due;
        QString daysLeft;
    } cases[] = {
        {u"2016年3月21日"_s, QDate(2016, 3, 21), u"2016年3月26日"_s, u"5"_s},
        {u"2016年3月21日"_s, QDate(2016, 3, 26), u"2016年3月26日"_s, u"0"_s},
        {u"2016年3月21日"_s, QDate(2016, 3, 28), u"2016年3月26日"_s, u"-2"_s},
        {u"2015年2月28日"_s, QDate(2015, 2, 28), u"2015年3月5日"_s, u"5"_s},
        {u"2016年2月28日"_s, QDate(2016, 2, 28), u"2016年3月4日"_s, u"5"_s},
        {u"2016年12月29日"_s, QDate(2017, 1, 1), u"2017年1月3日"_s, u"2"_s},
        {u"2016-3-21"_s, QDate(2016, 3, 21), u"2016年3月26日"_s, u"5"_s},
        {u"昨天"_s, QDate(2016, 3, 21), u""_s, u""_s},
    };
    for (const auto &c : cases) {
        const ReaderRecord reader{u"班"_s, u"名"_s, u"1"_s, u"A1|"_s, c.lent + u'|', u"书|"_s};
        const QList<LoanRow> rows = loanRows(reader, c.today);
        ASSERT_EQ(rows.size(), 1);
        EXPECT_EQ(rows[0], (LoanRow{u"A1"_s, u"书"_s, c.lent, c.due, c.daysLeft}))
            << c.lent.toStdString();
    }
}

TEST(LoanDisplay, BrokenStoredStringsShowWhatTheyHold)
{
    // Imported readers may have strings whose items do not line up.
    const ReaderRecord reader{u""_s,      u"名"_s, u"1"_s, u"A1|B2|C3|"_s, u"2016年3月21日|"_s,
                              u"甲|乙|"_s};
    const QList<LoanRow> rows = loanRows(reader, QDate(2016, 3, 21));
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[1], (LoanRow{u"B2"_s, u"乙"_s, u""_s, u""_s, u""_s}));
    EXPECT_EQ(rows[2], (LoanRow{u"C3"_s, u""_s, u""_s, u""_s, u""_s}));
    EXPECT_EQ(readerSummary(reader, rows.size()), u"班别：  姓名：名  已借图书：3 本"_s);

    const ReaderRecord none{u"一班"_s, u"名"_s, u"1"_s, u"0"_s, u"0"_s, u"0"_s};
    EXPECT_TRUE(loanRows(none, QDate(2016, 3, 21)).isEmpty());
    EXPECT_EQ(readerSummary(none, 0), u"班别：一班  姓名：名  已借图书：0 本"_s);
}

} // namespace
