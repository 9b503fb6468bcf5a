#include "workbook/cellformat.h"

#include "common/numbertext.h"

#include <QLocale>

#include <cmath>

namespace songtao::xls {

bool isBuiltInDateFormat(int formatId)
{
    return (formatId >= 14 && formatId <= 22) || (formatId >= 27 && formatId <= 36)
        || (formatId >= 45 && formatId <= 47) || (formatId >= 50 && formatId <= 58);
}

bool isDateFormatText(QStringView format)
{
    int dateCodes = 0;
    int digitCodes = 0;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const char16_t c = format[i].toLower().unicode();
        switch (c) {
        case u';':
            i = format.size();
            break;
        case u'"':
            while (++i < format.size() && format[i] != u'"') { }
            break;
        case u'\\':
        case u'_':
        case u'*':
            ++i;
            break;
        case u'[': {
            const qsizetype close = format.indexOf(u']', i);
            if (close < 0) {
                i = format.size();
                break;
            }
            // [h], [mm], [ss]: elapsed time; anything else is a colour, a
            // condition or a locale.
            const QStringView tag = format.sliced(i + 1, close - i - 1);
            if (!tag.isEmpty() && tag.size() <= 2
                && std::all_of(tag.begin(), tag.end(), [&](QChar t) {
                       return t.toLower() == tag.front().toLower()
                           && QStringView(u"hms").contains(t.toLower());
                   }))
                ++dateCodes;
            i = close;
            break;
        }
        case u'y':
        case u'm':
        case u'd':
        case u'h':
        case u's':
            ++dateCodes;
            break;
        case u'0':
        case u'#':
        case u'?':
            ++digitCodes;
            break;
        default:
            break;
        }
    }
    return dateCodes > 0 && dateCodes >= digitCodes;
}

std::optional<QDateTime> serialDateTime(double serial, bool date1904)
{
    // 2958466 is 1 January 10000 in the 1900 system.
    if (!(serial >= 0) || serial >= 2958466.0)
        return std::nullopt;
    const qint64 seconds = std::llround(serial * 86400.0);
    const qint64 days = seconds / 86400;
    const qint64 secondOfDay = seconds % 86400;
    QDate date;
    if (date1904)
        date = QDate(1904, 1, 1).addDays(days);
    else if (days < 61)
        date = QDate(1899, 12, 31).addDays(days);
    else
        date = QDate(1899, 12, 30).addDays(days);
    if (!date.isValid() || date.year() > 9999)
        return std::nullopt;
    const QTime time(int(secondOfDay / 3600), int(secondOfDay / 60 % 60), int(secondOfDay % 60));
    // UTC: a workbook's dates have no zone, and local time would cost a zone
    // look-up per cell.
    return QDateTime(date, time, Qt::UTC);
}

QString numberText(double value)
{
    // Whole numbers below 10^13 print the same in %.13g as in plain decimal.
    if (std::abs(value) < 1e13 && value == std::trunc(value))
        return QString::number(qint64(value));
    return realText(value);
}

QString shortestNumberText(double value)
{
    if (std::abs(value) < 1e15 && value == std::trunc(value))
        return QString::number(qint64(value));
    return QString::number(value, 'g', QLocale::FloatingPointShortest).toUpper();
}

} // namespace songtao::xls
