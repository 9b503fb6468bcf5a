#pragma once

#include <QRect>
#include <QString>
#include <Qt>

namespace songtao {

// The main window draws no system frame; these rules give it the edges and
// the layout a frame would.

inline constexpr int kMinimumWindowWidth = 800;
inline constexpr int kMinimumWindowHeight = 600;
inline constexpr int kTabControlWidth = 798;

// The edge zone under the pointer: its name (the resize zone of the shared
// state), the pointer shown there and the edges a press there resizes.
// An empty name means no zone: the background moves the window.
struct ZoneHit
{
    QString name;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    Qt::Edges edges;

    bool isZone() const { return !name.isEmpty(); }
};

// The first zone whose condition holds at (x, y) in a window of the given
// size. The left and top zones are 7 pixels deep, the right and bottom 6.
ZoneHit trackZone(int x, int y, int width, int height);

// The edges of a zone name as stored; none for the empty or an unknown name.
Qt::Edges zoneEdges(const QString &zoneName);

enum class WindowPlacement { Normal, Minimised, Maximised };

// Where the layout step puts things for a window of the given size.
struct FrameLayout
{
    // The window's size after the minimum is applied.
    int width;
    int height;
    // Which of maximise / restore shows; neither changes when minimised.
    bool changeButtons;
    bool maximiseVisible;
    int tabControlLeft;
    int closeLeft;
    int maximiseLeft; // also the restore button
    int minimiseLeft;
};

FrameLayout layoutStep(int width, int height, WindowPlacement placement);

// The window's geometry while an edge is dragged by hand (where the window
// system cannot take the drag): the dragged edges follow the pointer, the
// opposite ones stay, and the size never goes below the minimum.
QRect resizedByHand(const QRect &start, Qt::Edges edges, QPoint delta, QSize minimum);

} // namespace songtao
