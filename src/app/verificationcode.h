#pragma once

#include <QLine>
#include <QList>
#include <QPoint>
#include <QString>

#include <random>

namespace songtao {

// Where the drawing's random numbers come from, so that tests can see
// every range asked for and choose the answers.
class RandomSource
{
public:
    RandomSource() = default;
    RandomSource(const RandomSource &) = delete;
    RandomSource &operator=(const RandomSource &) = delete;
    virtual ~RandomSource() = default;

    virtual void reseed() = 0;
    // A number drawn uniformly from [low, high], both ends included.
    virtual int between(int low, int high) = 0;
};

// Reseeded from the system clock at each drawing.
class ClockSeededRandom final : public RandomSource
{
public:
    void reseed() override;
    int between(int low, int high) override;

private:
    std::mt19937 m_engine;
};

struct CodeCharacter
{
    QChar character;
    QPoint topLeft;
};

// What the canvas shows: five noise lines, then four characters.
struct VerificationDrawing
{
    QList<QLine> lines;
    QList<CodeCharacter> characters;
    // The characters in the order drawn: digit, upper-case letter, digit,
    // lower-case letter.
    QString code;
};

// Draws a new code for a canvas of the given size. The order of the random
// draws is part of the rule: four per line (x1, y1, x2, y2), then per
// character its code, left and top.
VerificationDrawing drawVerificationCode(int width, int height, RandomSource &random);

} // namespace songtao
