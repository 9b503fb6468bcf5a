#include "common/datetimetext.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using songtao::dateText;
using songtao::dateTimeText;
using songtao::elapsedWholeSeconds;
using songtao::invalidDateTime;
using songtao::parseDateTimeText;

namespace {

QDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

TEST(DateTimeText, DropsTrailingZeroFieldsAndPadsNothing)
{
    const struct
    {
        QDateTime moment;
        QString text;
    } cases[] = {
        {at(2016, 3, 21, 15, 40, 6), u"2016年3月21日15时40分6秒"_s},
        {at(2016, 3, 21, 15, 40, 0), u"2016年3月21日15时40分"_s},
        {at(2016, 3, 21, 15, 0, 0), u"2016年3月21日15时"_s},
        {at(2016, 3, 21, 10, 0, 5), u"2016年3月21日10时0分5秒"_s},
        {at(2016, 3, 21, 0, 0, 0), u"2016年3月21日"_s},
        {at(2016, 3, 21, 0, 0, 1), u"2016年3月21日0时0分1秒"_s},
        {at(2016, 12, 31, 23, 59, 59), u"2016年12月31日23时59分59秒"_s},
        {at(100, 1, 1), u"100年1月1日"_s},
        {at(99, 12, 31, 12), u"100年1月1日"_s},
        {at(9999, 12, 31, 23, 0, 0), u"9999年12月31日23时"_s},
        {at(10000, 1, 1, 8), u"9999年12月31日"_s},
        {QDateTime(), u"100年1月1日"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(dateTimeText(c.moment), c.text) << c.moment.toString(Qt::ISODate).toStdString();
}

TEST(DateTimeText, DateAloneIsAtMostElevenCharacters)
{
    EXPECT_EQ(dateText(QDate(2016, 12, 31)), u"2016年12月31日"_s);
    EXPECT_EQ(dateText(QDate(2016, 12, 31)).size(), 11);
    EXPECT_EQ(dateText(QDate(2016, 1, 2)), u"2016年1月2日"_s);
}

TEST(DateTimeText, ReadsBackEverySeparatorAndFullWidthForm)
{
    const struct
    {
        QString text;
        QDateTime expected;
    } cases[] = {
        {u"2016年3月21日"_s, at(2016, 3, 21)},
        {u"2016年3月21日15时40分6秒"_s, at(2016, 3, 21, 15, 40, 6)},
        {u"2016年3月21日15时40分"_s, at(2016, 3, 21, 15, 40)},
        {u"2016年3月21日15时"_s, at(2016, 3, 21, 15)},
        {u"2016-03-21"_s, at(2016, 3, 21)},
        {u"2016/3/21 8:05:09"_s, at(2016, 3, 21, 8, 5, 9)},
        {u"2016.3.21"_s, at(2016, 3, 21)},
        {u"2016:3:21"_s, at(2016, 3, 21)},
        {u"2016-3-21-15-40-6"_s, at(2016, 3, 21, 15, 40, 6)},
        {u"２０１６年３月２１日"_s, at(2016, 3, 21)},
        {u"２０１６－０３－２１　１５：４０：０６"_s, at(2016, 3, 21, 15, 40, 6)},
        {u"２０１６／３／２１"_s, at(2016, 3, 21)},
        {u"2016年3月21日15时40分6"_s, at(2016, 3, 21, 15, 40, 6)},
        {u"2016年2月29日"_s, at(2016, 2, 29)},
        // Texts that do not fit give 1 January 100.
        {u"2015年2月29日"_s, invalidDateTime()},
        {u"2016年2月31日"_s, invalidDateTime()},
        {u"2016年13月1日"_s, invalidDateTime()},
        {u"2016年3月21日25时"_s, invalidDateTime()},
        {u"20160321"_s, invalidDateTime()},
        {u"2016年3月21日x"_s, invalidDateTime()},
        {u"12016年3月21日"_s, invalidDateTime()},
        {u""_s, invalidDateTime()},
        {u"0"_s, invalidDateTime()},
        {u"A00001"_s, invalidDateTime()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parseDateTimeText(c.text), c.expected) << c.text.toStdString();
    EXPECT_EQ(invalidDateTime(), at(100, 1, 1));
}

TEST(DateTimeText, RoundTripsItsOwnForms)
{
    for (const QDateTime &moment :
         {at(2016, 3, 21, 15, 40, 6), at(2016, 3, 21, 15, 40), at(2016, 3, 21, 15), at(2016, 3, 21),
          at(2000, 2, 29, 0, 0, 1), at(9999, 12, 31, 23, 59, 59), at(100, 1, 1, 0, 1)}) {
        EXPECT_EQ(parseDateTimeText(dateTimeText(moment)), moment);
    }
}

TEST(ElapsedTime, DropsTheFraction)
{
    const QDateTime start = at(2016, 3, 21, 23, 59, 58);
    EXPECT_EQ(elapsedWholeSeconds(start, start), 0);
    EXPECT_EQ(elapsedWholeSeconds(start, start.addMSecs(1999)), 1);
    EXPECT_EQ(elapsedWholeSeconds(start, at(2016, 3, 22, 0, 0, 3)), 5);
}

} // namespace
