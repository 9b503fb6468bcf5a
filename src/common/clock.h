#pragma once

#include <QDateTime>

namespace songtao {

// Where every reading of the current date and time comes from, so that tests
// can set the time (backup names, lending dates, due dates).
class Clock
{
public:
    Clock() = default;
    Clock(const Clock &) = delete;
    Clock &operator=(const Clock &) = delete;
    virtual ~Clock() = default;

    // Local date and time, to the whole second.
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
};

// A clock that stands still until told otherwise.
class ManualClock final : public Clock
{
public:
    explicit ManualClock(QDateTime start) : m_now(std::move(start)) { }
    QDateTime now() const override { return m_now; }
    void set(QDateTime moment) { m_now = std::move(moment); }
    void advanceSeconds(qint64 seconds) { m_now = m_now.addSecs(seconds); }

private:
    QDateTime m_now;
};

} // namespace songtao
