#include "app/verificationcode.h"

#include <chrono>

namespace songtao {

void ClockSeededRandom::reseed()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::mt19937::result_type>(ticks));
}

int ClockSeededRandom::between(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(m_engine);
}

VerificationDrawing drawVerificationCode(int width, int height, RandomSource &random)
{
    random.reseed();
    VerificationDrawing drawing;
    for (int i = 0; i < 5; ++i) {
        const int x1 = random.between(0, width);
        const int y1 = random.between(0, height);
        const int x2 = random.between(0, width);
        const int y2 = random.between(0, height);
        drawing.lines.append(QLine(x1, y1, x2, y2));
    }

    struct Range
    {
        int low;
        int high;
    };
    static constexpr Range kCharacterRanges[] = {{'0', '9'}, {'A', 'Z'}, {'0', '9'}, {'a', 'z'}};
    const int quarter = width / 4;
    for (int k = 1; k <= 4; ++k) {
        const Range range = kCharacterRanges[k - 1];
        const QChar character(random.between(range.low, range.high));
        const int x = random.between((k - 1) * quarter, k * quarter - 15);
        const int y = random.between(2, 10);
        drawing.characters.append({character, QPoint(x, y)});
        drawing.code.append(character);
    }
    return drawing;
}

} // namespace songtao
