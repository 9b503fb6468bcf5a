#include "common/datetimetext.h"
#include "common/numbertext.h"
#include "workbook/cellformat.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::Literals::StringLiterals;
using namespace songtao::xls;

namespace {

TEST(CellFormat, RecognisesDateFormats)
{
    struct Case
    {
        QString format;
        bool date;
    };
    const Case cases[] = {
        {u"yyyy-mm-dd"_s, true},
        {u"yyyy\"年\"m\"月\"d\"日\""_s, true},
        {u"[$-F800]dddd, mmmm dd, yyyy"_s, true},
        {u"[h]:mm:ss"_s, true},
        {u"h:mm AM/PM"_s, true},
        {u"yyyy-mm-dd hh:mm:ss.000"_s, true},
        {u"[Red]yyyy/m/d;@"_s, true},
        {u"General"_s, false},
        {u"0.00"_s, false},
        {u"0.00\"元\""_s, false},
        {u"#,##0.00_);[Red](#,##0.00)"_s, false},
        {u"\"TRUE\";\"TRUE\";\"FALSE\""_s, false},
        {u"0\\d"_s, false},
        {u"@"_s, false},
        {u"[Red]0.0"_s, false},
        {u"0;yyyy"_s, false}, // only the first section counts
    };
    for (const Case &c : cases)
        EXPECT_EQ(isDateFormatText(c.format), c.date) << c.format.toStdString();
    EXPECT_TRUE(isBuiltInDateFormat(14));
    EXPECT_TRUE(isBuiltInDateFormat(22));
    EXPECT_TRUE(isBuiltInDateFormat(57));
    EXPECT_FALSE(isBuiltInDateFormat(0));
    EXPECT_FALSE(isBuiltInDateFormat(2));
    EXPECT_FALSE(isBuiltInDateFormat(49));
}

TEST(CellFormat, SerialNumbersBecomeDateTimes)
{
    struct Case
    {
        double serial;
        bool date1904;
        QString text; // empty: no date
    };
    const Case cases[] = {
        {42450, false, u"2016年3月21日"_s},
        {42450.65284722222, false, u"2016年3月21日15时40分6秒"_s},
        {42450.625, false, u"2016年3月21日15时"_s},
        {42450.9999999, false, u"2016年3月22日"_s}, // rounds to the next midnight
        {1, false, u"1900年1月1日"_s},
        {59, false, u"1900年2月28日"_s},
        {61, false, u"1900年3月1日"_s},
        {0, true, u"1904年1月1日"_s},
        {40988, true, u"2016年3月21日"_s},
        {2958465, false, u"9999年12月31日"_s},
        {2958466, false, {}},
        {-1, false, {}},
        {std::nan(""), false, {}},
    };
    for (const Case &c : cases) {
        const auto moment = serialDateTime(c.serial, c.date1904);
        if (c.text.isEmpty()) {
            EXPECT_FALSE(moment) << c.serial;
        } else {
            ASSERT_TRUE(moment) << c.serial;
            EXPECT_EQ(songtao::dateTimeText(*moment), c.text) << c.serial;
        }
    }
}

TEST(CellFormat, NumbersReadAsTheyPrintWithThirteenDigits)
{
    for (const double value :
         {0.0, 1.0, -1.0, 15.0, 169.0, 9.5, -0.25, 0.1, 1e-5, 201409001.0, 9787020002207.0,
          9999999999999.0, 1e13, 12345678901234.0, 123456789012345678.0, 2.0 / 3.0, 1e300})
        EXPECT_EQ(numberText(value), songtao::realText(value)) << value;
}

TEST(CellFormat, PreviewNumbersAreShortest)
{
    EXPECT_EQ(shortestNumberText(15.0), u"15"_s);
    EXPECT_EQ(shortestNumberText(0.1), u"0.1"_s);
    EXPECT_EQ(shortestNumberText(9787020002207.0), u"9787020002207"_s);
    EXPECT_EQ(shortestNumberText(2.0 / 3.0), u"0.6666666666666666"_s);
    EXPECT_EQ(shortestNumberText(1e20), u"1E+20"_s);
}

} // namespace
