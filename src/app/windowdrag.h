#pragma once

#include <QPoint>
#include <QRect>
#include <Qt>

class QWidget;

namespace songtao {

// Moves or resizes a frameless window with the pointer. The window system
// is asked first (QWindow::startSystemMove / startSystemResize); where it
// cannot take the drag, as on a bare X server or offscreen, the window
// follows the pointer by hand until the button is released. A move starts
// only once the pointer moves with the button held, so that a plain click
// on the background never leaves the window system moving the window.
class WindowDrag
{
public:
    explicit WindowDrag(QWidget *window) : m_window(window) { }

    // A press at `globalPosition`: resizing the given edges, or moving the
    // window when there are none.
    void start(Qt::Edges edges, QPoint globalPosition);
    // True from the press until the release; feed it the pointer's moves.
    bool active() const { return m_active || m_movePending; }
    void follow(QPoint globalPosition);
    void finish() { m_active = m_movePending = false; }

private:
    QWidget *m_window;
    bool m_active = false;
    bool m_movePending = false;
    Qt::Edges m_edges;
    QPoint m_pressedAt;
    QRect m_startGeometry;
};

} // namespace songtao
