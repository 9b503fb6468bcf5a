#include "app/windowdrag.h"

#include "app/windowframe.h"

#include <QWidget>
#include <QWindow>

namespace songtao {

void WindowDrag::start(Qt::Edges edges, QPoint globalPosition)
{
    m_edges = edges;
    m_pressedAt = globalPosition;
    m_startGeometry = m_window->geometry();
    m_active = false;
    m_movePending = !edges;
    if (edges) {
        QWindow *handle = m_window->windowHandle();
        m_active = !(handle && handle->startSystemResize(edges));
    }
}

void WindowDrag::follow(QPoint globalPosition)
{
    if (m_movePending) {
        m_movePending = false;
        QWindow *handle = m_window->windowHandle();
        m_active = !(handle && handle->startSystemMove());
    }
    if (!m_active)
        return;
    const QPoint delta = globalPosition - m_pressedAt;
    if (!m_edges) {
        m_window->move(m_startGeometry.topLeft() + delta);
        return;
    }
    m_window->setGeometry(resizedByHand(m_startGeometry, m_edges, delta, m_window->minimumSize()));
}

} // namespace songtao
