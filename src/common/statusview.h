#pragma once

#include <QString>

namespace songtao {

// A page's status line and path box as long operations report to them.
// Each text is drawn at once: the work runs inside the click handler.
class StatusView
{
public:
    StatusView() = default;
    StatusView(const StatusView &) = delete;
    StatusView &operator=(const StatusView &) = delete;
    virtual ~StatusView() = default;

    virtual void showStatus(const QString &text) = 0;
    // The file an export writes to, once chosen.
    virtual void showPath(const QString &) { }
};

} // namespace songtao
