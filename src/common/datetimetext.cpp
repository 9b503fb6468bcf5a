#include "common/datetimetext.h"

#include <QRegularExpression>
#include <QTime>

using namespace Qt::Literals::StringLiterals;

namespace songtao {
namespace {

const QDate kFirstDate(100, 1, 1);
const QDate kLastDate(9999, 12, 31);

QString number(int value)
{
    return QString::number(value);
}

// Full-width forms (U+FF01..U+FF5E) and the ideographic space become ASCII.
QString toHalfWidth(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        const char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E)
            c = QChar(static_cast<char16_t>(u - 0xFEE0));
        else if (u == 0x3000)
            c = u' ';
    }
    return result;
}

} // namespace

QString dateText(QDate date)
{
    if (!date.isValid() || date < kFirstDate)
        date = kFirstDate;
    else if (date > kLastDate)
        date = kLastDate;
    return number(date.year()) + u'年' + number(date.month()) + u'月' + number(date.day()) + u'日';
}

QString dateTimeText(const QDateTime &moment)
{
    if (!moment.isValid() || moment.date() < kFirstDate)
        return dateText(kFirstDate);
    if (moment.date() > kLastDate)
        return dateText(kLastDate);

    QString text = dateText(moment.date());
    const QTime time = moment.time();
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0)
        return text;
    text += number(time.hour()) + u'时';
    if (time.second() != 0)
        text += number(time.minute()) + u'分' + number(time.second()) + u'秒';
    else if (time.minute() != 0)
        text += number(time.minute()) + u'分';
    return text;
}

QDateTime invalidDateTime()
{
    return QDateTime(kFirstDate, QTime(0, 0));
}

QDateTime parseDateTimeText(const QString &text)
{
    // year sep month sep day, then optionally a separator and up to three
    // time fields. Our own texts drop trailing zero fields ("15时",
    // "15时40分"), so minutes and seconds are optional too.
    static const QRegularExpression pattern(
        uR"(^(\d{1,4})[年\-./:](\d{1,2})[月\-./:](\d{1,2}))"
        uR"((?:[日 \-./:](?:(\d{1,2})(?:[时\-./:](?:(\d{1,2})(?:[分\-./:](?:(\d{1,2})秒?)?)?)?)?)?)?$)"_s);

    const QRegularExpressionMatch match = pattern.match(toHalfWidth(text));
    if (!match.hasMatch())
        return invalidDateTime();

    const auto field = [&](int index) {
        return match.captured(index).toInt();
    };
    const QDate date(field(1), field(2), field(3));
    const QTime time(field(4), field(5), field(6));
    if (!date.isValid() || !time.isValid() || date < kFirstDate)
        return invalidDateTime();
    return QDateTime(date, time);
}

qint64 elapsedWholeSeconds(const QDateTime &from, const QDateTime &to)
{
    return from.msecsTo(to) / 1000;
}

} // namespace songtao
