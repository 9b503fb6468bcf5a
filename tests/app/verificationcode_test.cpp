#include "app/verificationcode.h"

#include <QList>
#include <QPair>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;

namespace {

// Records every range asked for and answers with its low or high end.
class RecordingRandom final : public RandomSource
{
public:
    explicit RecordingRandom(bool high) : m_high(high) { }
    void reseed() override { m_calls.append({-1, -1}); }
    int between(int low, int high) override
    {
        m_calls.append({low, high});
        return m_high ? high : low;
    }
    const QList<QPair<int, int>> &calls() const { return m_calls; }

private:
    bool m_high;
    QList<QPair<int, int>> m_calls;
};

TEST(VerificationCode, DrawsFromTheExactRangesInOrder)
{
    RecordingRandom random(false);
    drawVerificationCode(108, 33, random);

    QList<QPair<int, int>> expected = {{-1, -1}}; // reseeded first
    for (int line = 0; line < 5; ++line)
        expected << QPair(0, 108) << QPair(0, 33) << QPair(0, 108) << QPair(0, 33);
    expected << QPair(48, 57) << QPair(0, 12) << QPair(2, 10);
    expected << QPair(65, 90) << QPair(27, 39) << QPair(2, 10);
    expected << QPair(48, 57) << QPair(54, 66) << QPair(2, 10);
    expected << QPair(97, 122) << QPair(81, 93) << QPair(2, 10);
    EXPECT_EQ(random.calls(), expected);
}

TEST(VerificationCode, CodeIsTheCharactersDrawnWhereTheyWereDrawn)
{
    RecordingRandom low(false);
    const VerificationDrawing first = drawVerificationCode(108, 33, low);
    EXPECT_EQ(first.code, u"0A0a"_s);
    ASSERT_EQ(first.lines.size(), 5);
    EXPECT_EQ(first.lines[0], QLine(0, 0, 0, 0));
    ASSERT_EQ(first.characters.size(), 4);
    EXPECT_EQ(first.characters[1].topLeft, QPoint(27, 2));

    RecordingRandom high(true);
    const VerificationDrawing last = drawVerificationCode(108, 33, high);
    EXPECT_EQ(last.code, u"9Z9z"_s);
    EXPECT_EQ(last.lines[4], QLine(108, 33, 108, 33));
    EXPECT_EQ(last.characters[3].character, u'z');
    EXPECT_EQ(last.characters[3].topLeft, QPoint(93, 10));
}

TEST(VerificationCode, ClockSeededCodesKeepTheirPattern)
{
    ClockSeededRandom random;
    for (int i = 0; i < 200; ++i) {
        const QString code = drawVerificationCode(108, 33, random).code;
        ASSERT_EQ(code.size(), 4);
        EXPECT_TRUE(code[0].isDigit() && code[2].isDigit()) << code.toStdString();
        EXPECT_TRUE(code[1] >= u'A' && code[1] <= u'Z') << code.toStdString();
        EXPECT_TRUE(code[3] >= u'a' && code[3] <= u'z') << code.toStdString();
    }
}

TEST(VerificationCode, ClockSeededRandomReachesBothEnds)
{
    ClockSeededRandom random;
    random.reseed();
    bool low = false;
    bool high = false;
    for (int i = 0; i < 1000; ++i) {
        const int value = random.between(2, 5);
        ASSERT_GE(value, 2);
        ASSERT_LE(value, 5);
        low = low || value == 2;
        high = high || value == 5;
    }
    EXPECT_TRUE(low && high);
}

} // namespace
