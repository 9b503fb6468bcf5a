#include "app/windowframe.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace songtao;

namespace {

TEST(ZoneTracking, FindsTheFirstZoneWhoseConditionHolds)
{
    const struct
    {
        int x;
        int y;
        QString zone;
        Qt::CursorShape cursor;
    } cases[] = {
        {0, 40, u"左"_s, Qt::SizeHorCursor},
        {6, 7, u"左"_s, Qt::SizeHorCursor},
        {0, 593, u"左"_s, Qt::SizeHorCursor},
        {799, 40, u"右"_s, Qt::SizeHorCursor},
        {794, 7, u"右"_s, Qt::SizeHorCursor},
        {400, 3, u"上"_s, Qt::SizeVerCursor},
        {7, 6, u"上"_s, Qt::SizeVerCursor},
        {793, 0, u"上"_s, Qt::SizeVerCursor},
        {400, 594, u"下"_s, Qt::SizeVerCursor},
        {400, 599, u"下"_s, Qt::SizeVerCursor},
        {0, 0, u"左上角"_s, Qt::SizeFDiagCursor},
        {6, 6, u"左上角"_s, Qt::SizeFDiagCursor},
        {0, 594, u"左下角"_s, Qt::SizeBDiagCursor},
        {799, 0, u"右上角"_s, Qt::SizeBDiagCursor},
        {794, 6, u"右上角"_s, Qt::SizeBDiagCursor},
        {799, 599, u"右下角"_s, Qt::SizeFDiagCursor},
        {794, 594, u"右下角"_s, Qt::SizeFDiagCursor},
        {793, 40, {}, Qt::ArrowCursor},
        {400, 40, {}, Qt::ArrowCursor},
        {7, 7, {}, Qt::ArrowCursor},
        {400, 593, {}, Qt::ArrowCursor},
    };
    for (const auto &c : cases) {
        const ZoneHit hit = trackZone(c.x, c.y, 800, 600);
        EXPECT_EQ(hit.name, c.zone) << c.x << "," << c.y;
        EXPECT_EQ(hit.cursor, c.cursor) << c.x << "," << c.y;
        EXPECT_EQ(hit.edges, zoneEdges(c.zone)) << c.x << "," << c.y;
    }
}

TEST(ZoneTracking, ZonesFollowTheWindowSize)
{
    EXPECT_EQ(trackZone(1000, 300, 1001, 700).name, u"右"_s);
    EXPECT_EQ(trackZone(995, 694, 1001, 700).name, u"右下角"_s);
    EXPECT_TRUE(trackZone(994, 300, 1001, 700).name.isEmpty());
}

TEST(ZoneTracking, ZoneNamesGiveTheirEdges)
{
    EXPECT_EQ(zoneEdges(u"左"_s), Qt::LeftEdge);
    EXPECT_EQ(zoneEdges(u"下"_s), Qt::BottomEdge);
    EXPECT_EQ(zoneEdges(u"左下角"_s), Qt::LeftEdge | Qt::BottomEdge);
    EXPECT_EQ(zoneEdges(u"右上角"_s), Qt::RightEdge | Qt::TopEdge);
    EXPECT_FALSE(zoneEdges({}));
}

TEST(LayoutStep, KeepsTheMinimumCentresTheTabsAndPinsTheButtons)
{
    const struct
    {
        int width;
        int height;
        FrameLayout expected;
    } cases[] = {
        {700, 600, {800, 600, true, true, 1, 754, 728, 701}},
        {800, 500, {800, 600, true, true, 1, 754, 728, 701}},
        {800, 600, {800, 600, true, true, 1, 754, 728, 701}},
        {1001, 700, {1001, 700, true, true, 101, 955, 929, 902}},
    };
    for (const auto &c : cases) {
        const FrameLayout layout = layoutStep(c.width, c.height, WindowPlacement::Normal);
        EXPECT_EQ(layout.width, c.expected.width) << c.width;
        EXPECT_EQ(layout.height, c.expected.height) << c.width;
        EXPECT_EQ(layout.tabControlLeft, c.expected.tabControlLeft) << c.width;
        EXPECT_EQ(layout.closeLeft, c.expected.closeLeft) << c.width;
        EXPECT_EQ(layout.maximiseLeft, c.expected.maximiseLeft) << c.width;
        EXPECT_EQ(layout.minimiseLeft, c.expected.minimiseLeft) << c.width;
    }
}

TEST(LayoutStep, ButtonsFollowTheWindowState)
{
    const FrameLayout normal = layoutStep(800, 600, WindowPlacement::Normal);
    EXPECT_TRUE(normal.changeButtons);
    EXPECT_TRUE(normal.maximiseVisible);
    const FrameLayout maximised = layoutStep(1280, 800, WindowPlacement::Maximised);
    EXPECT_TRUE(maximised.changeButtons);
    EXPECT_FALSE(maximised.maximiseVisible);
    EXPECT_FALSE(layoutStep(800, 600, WindowPlacement::Minimised).changeButtons);
}

TEST(ResizeByHand, DraggedEdgesFollowWithinTheMinimum)
{
    const QRect start(50, 50, 800, 600);
    const QSize minimum(800, 600);
    const struct
    {
        Qt::Edges edges;
        QPoint delta;
        QRect expected;
    } cases[] = {
        {Qt::RightEdge, {100, 30}, QRect(50, 50, 900, 600)},
        {Qt::RightEdge, {-100, 0}, QRect(50, 50, 800, 600)},
        {Qt::LeftEdge, {-40, 0}, QRect(10, 50, 840, 600)},
        // The right edge stays put when a left drag hits the minimum.
        {Qt::LeftEdge, {60, 0}, QRect(50, 50, 800, 600)},
        {Qt::TopEdge | Qt::LeftEdge, {-20, -30}, QRect(30, 20, 820, 630)},
        {Qt::BottomEdge | Qt::RightEdge, {10, 20}, QRect(50, 50, 810, 620)},
        {Qt::BottomEdge, {0, -50}, QRect(50, 50, 800, 600)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(resizedByHand(start, c.edges, c.delta, minimum), c.expected);

    // A window bigger than the minimum shrinks down to it and no further.
    EXPECT_EQ(resizedByHand(QRect(0, 0, 1000, 700), Qt::LeftEdge, {300, 0}, minimum),
              QRect(200, 0, 800, 700));
}

} // namespace
