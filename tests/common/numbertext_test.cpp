#include "common/numbertext.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::Literals::StringLiterals;
using songtao::integerText;
using songtao::realText;
using songtao::textToInt;

namespace {

TEST(TextToInt, ReadsLeadingDigitsWithSignAndBlanks)
{
    const struct
    {
        QString text;
        int value;
    } cases[] = {
        {u"500"_s, 500},
        {u"  42abc"_s, 42},
        {u"-7"_s, -7},
        {u"+8"_s, 8},
        {u"０５００"_s, 500},
        {u"１2３"_s, 123},
        {u"－３"_s, -3},
        {u"\t 15,20"_s, 15},
        {u""_s, 0},
        {u"abc"_s, 0},
        {u"-"_s, 0},
        {u"1 2"_s, 1},
        {u"99999999999"_s, std::numeric_limits<int>::max()},
        {u"-99999999999"_s, std::numeric_limits<int>::min()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(textToInt(c.text), c.value) << c.text.toStdString();
}

TEST(NumberText, IntegersPlainRealsShortest)
{
    EXPECT_EQ(integerText(0), u"0"_s);
    EXPECT_EQ(integerText(-1234567), u"-1234567"_s);
    EXPECT_EQ(integerText(100000), u"100000"_s);

    const struct
    {
        double value;
        QString text;
    } reals[] = {
        {15.0, u"15"_s},       {9.5, u"9.5"_s},
        {12345, u"12345"_s},   {9787020002207.0, u"9787020002207"_s},
        {0.1 + 0.2, u"0.3"_s}, {1.0 / 3.0, u"0.3333333333333"_s},
        {-2.25, u"-2.25"_s},   {0.0, u"0"_s},
    };
    for (const auto &c : reals)
        EXPECT_EQ(realText(c.value), c.text) << c.value;
}

} // namespace
