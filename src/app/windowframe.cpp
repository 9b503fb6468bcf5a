#include "app/windowframe.h"

#include <QList>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace songtao {
namespace {

struct Zone
{
    QString name;
    Qt::CursorShape cursor;
    Qt::Edges edges;
};

const QList<Zone> &zones()
{
    static const QList<Zone> list = {
        {u"左"_s, Qt::SizeHorCursor, Qt::LeftEdge},
        {u"右"_s, Qt::SizeHorCursor, Qt::RightEdge},
        {u"上"_s, Qt::SizeVerCursor, Qt::TopEdge},
        {u"下"_s, Qt::SizeVerCursor, Qt::BottomEdge},
        {u"左上角"_s, Qt::SizeFDiagCursor, Qt::TopEdge | Qt::LeftEdge},
        {u"左下角"_s, Qt::SizeBDiagCursor, Qt::BottomEdge | Qt::LeftEdge},
        {u"右上角"_s, Qt::SizeBDiagCursor, Qt::TopEdge | Qt::RightEdge},
        {u"右下角"_s, Qt::SizeFDiagCursor, Qt::BottomEdge | Qt::RightEdge},
    };
    return list;
}

} // namespace

ZoneHit trackZone(int x, int y, int width, int height)
{
    const bool left = x <= 6;
    const bool right = x >= width - 6;
    const bool top = y <= 6;
    const bool bottom = y >= height - 6;
    const bool besideSides = y >= 7 && y < height - 6;
    const bool besideTopAndBottom = x >= 7 && x < width - 6;

    // In the order the tests are made; the first that holds decides.
    const bool conditions[] = {
        left && besideSides,
        right && besideSides,
        top && besideTopAndBottom,
        bottom && besideTopAndBottom,
        left && top,
        left && bottom,
        right && top,
        right && bottom,
    };
    for (qsizetype i = 0; i < zones().size(); ++i) {
        if (conditions[i]) {
            const Zone &zone = zones()[i];
            return {zone.name, zone.cursor, zone.edges};
        }
    }
    return {};
}

Qt::Edges zoneEdges(const QString &zoneName)
{
    for (const Zone &zone : zones()) {
        if (zone.name == zoneName)
            return zone.edges;
    }
    return {};
}

FrameLayout layoutStep(int width, int height, WindowPlacement placement)
{
    FrameLayout layout{};
    layout.changeButtons = placement != WindowPlacement::Minimised;
    layout.maximiseVisible = placement == WindowPlacement::Normal;
    layout.width = std::max(width, kMinimumWindowWidth);
    layout.height = std::max(height, kMinimumWindowHeight);
    layout.tabControlLeft = (layout.width - kTabControlWidth) / 2;
    layout.closeLeft = layout.width - 46;
    layout.maximiseLeft = layout.width - 72;
    layout.minimiseLeft = layout.width - 99;
    return layout;
}

QRect resizedByHand(const QRect &start, Qt::Edges edges, QPoint delta, QSize minimum)
{
    int left = start.left();
    int top = start.top();
    int right = start.left() + start.width();
    int bottom = start.top() + start.height();
    if (edges & Qt::LeftEdge)
        left = std::min(left + delta.x(), right - minimum.width());
    if (edges & Qt::RightEdge)
        right = std::max(right + delta.x(), left + minimum.width());
    if (edges & Qt::TopEdge)
        top = std::min(top + delta.y(), bottom - minimum.height());
    if (edges & Qt::BottomEdge)
        bottom = std::max(bottom + delta.y(), top + minimum.height());
    return QRect(left, top, right - left, bottom - top);
}

} // namespace songtao
