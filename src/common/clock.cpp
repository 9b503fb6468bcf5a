#include "common/clock.h"

namespace songtao {

QDateTime SystemClock::now() const
{
    QDateTime moment = QDateTime::currentDateTime();
    const QTime time = moment.time();
    moment.setTime(QTime(time.hour(), time.minute(), time.second()));
    return moment;
}

} // namespace songtao
