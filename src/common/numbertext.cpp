#include "common/numbertext.h"

#include <limits>

namespace songtao {
namespace {

int digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= 0xFF10 && u <= 0xFF19) // full-width digits
        return u - 0xFF10;
    return -1;
}

bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\r' || u == u'\v' || u == u'\f'
        || u == 0x3000;
}

} // namespace

int textToInt(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size()
        && (text[i] == u'-' || text[i] == u'+' || text[i] == QChar(0xFF0D)
            || text[i] == QChar(0xFF0B))) {
        negative = text[i] == u'-' || text[i] == QChar(0xFF0D);
        ++i;
    }
    qint64 value = 0;
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i]);
        if (digit < 0)
            break;
        value = std::min(value * 10 + digit, limit);
    }
    if (negative)
        return static_cast<int>(-value);
    return static_cast<int>(std::min(value, limit - 1));
}

QString integerText(qint64 value)
{
    return QString::number(value);
}

QString realText(double value)
{
    return QString::asprintf("%.13g", value);
}

} // namespace songtao
