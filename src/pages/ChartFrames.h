#pragma once

// The drawings behind the charts, and the points the texts go to.
//
// North Indian chart: a square with both diagonals and the diamond joining
// the midpoints of its sides, on a 6000-unit design square. House 1 is the top
// centre and the houses run anticlockwise. Each house has a box for its
// bodies (left, top, width, height, design units); its sign number stands in
// its inner corner (NorthHouseAxis).
//
// South Indian chart: a 4 x 4 grid; the signs run clockwise round the border
// from the second cell of the top row; the four centre cells stay empty.
//
// Sudarshan chakra: three square rings of twelve sectors round a hub, on a
// 9000-unit square: the Lagna's ring inside, the Moon's in the middle, the
// Sun's outside. House 1 is at the top, house 4 at the left, house 7 at the
// bottom, house 10 at the right. A sector's anchor is the top of its text,
// which hangs below it, so the rings are centred a little below the anchors'
// middle, and their widths hold a sector's four lines clear of the rules.

#include "Surface.h"

#include <array>
#include <vector>

namespace tarvik {

struct LabelBox {
    int left, top, width, height;
};

struct DesignPoint {
    double x, y;
};

// Index = house - 1: where each house's bodies stand when they fit there.
inline constexpr std::array<LabelBox, 12> NorthBodyBoxes = {{
    {2925, 1440, 135, 300},
    {1500, 420, 135, 300},
    {540, 1440, 135, 300},
    {1560, 2880, 135, 300},
    {540, 4140, 135, 300},
    {1560, 5220, 135, 300},
    {2940, 4200, 135, 300},
    {4260, 5220, 135, 300},
    {5200, 4140, 135, 300},
    {4260, 2820, 135, 300},
    {5200, 1440, 135, 300},
    {4200, 420, 135, 300},
}};

inline constexpr double ChartDesignSize = 6000;

// The North frame's lines stand this far inside the design square, so that
// every body box lies within its house.
inline constexpr double NorthFrameInset = 200;

// The corners of house h (1..12) of the North frame, design units.
std::vector<DesignPoint> NorthHouseOutline(int house);

// The inner corner of a North house (the chart's centre for houses 1, 4, 7
// and 10, else the corner where the house meets two others), the direction
// from it into the house, and how far the house reaches that way to the
// frame. Both sides of a house open from that corner at 45 degrees either
// side of the direction. Design units.
struct HouseAxis {
    DesignPoint corner;
    DesignPoint direction;   // a unit vector
    double reach;
};
HouseAxis NorthHouseAxis(int house);

struct GridCell {
    int row, column;   // from the top and from the left, 0..3
};

// Index = sign (1 Mesh .. 12 Meen); element 0 unused.
inline constexpr std::array<GridCell, 13> SouthSignCells = {{
    {0, 0},
    {0, 1}, {0, 2}, {0, 3}, {1, 3}, {2, 3}, {3, 3},
    {3, 2}, {3, 1}, {3, 0}, {2, 0}, {1, 0}, {0, 0},
}};

inline constexpr double SudarshanDesignSize = 9000;
inline constexpr DesignPoint SudarshanCentre = {4450, 4450};
// Half-sides of the hub and of the three rings' outer edges.
inline constexpr std::array<double, 4> SudarshanRingEdges = {600, 2350, 3400, 4400};

// The corners of sector k (house k + 1) of ring r (0 Lagna, 1 Moon, 2 Sun),
// twips within the wheel as it is painted 9000 twips square.
std::vector<DesignPoint> SudarshanSectorOutline(int ring, int sector);

// Text anchors of sector k (house k + 1) of ring r (0 Lagna, 1 Moon, 2 Sun),
// in twips within the wheel as it is painted 9000 twips square.
inline constexpr int SudarshanAnchorX[12][3] = {
    {4450, 4450, 4450}, {3525, 2820, 2350}, {2650, 1560, 550}, {3000, 1560, 550},
    {2650, 1560, 550}, {3525, 2820, 2350}, {4450, 4450, 4450}, {5450, 5970, 6400},
    {6375, 7320, 8350}, {5800, 7320, 8350}, {6375, 7320, 8350}, {5450, 5970, 6400},
};
inline constexpr int SudarshanAnchorY[12][3] = {
    {3075, 1425, 450}, {2725, 1425, 450}, {3200, 2900, 2475}, {4300, 4300, 4300},
    {5550, 6100, 6450}, {6100, 7250, 8250}, {5940, 7250, 8250}, {6100, 7250, 8250},
    {5550, 6100, 6450}, {4300, 4300, 4300}, {3200, 2900, 2475}, {2725, 1425, 450},
};

// The default border, drawn when the settings name the default border file.
inline constexpr double DefaultBorderWidth = 10600;
inline constexpr double DefaultBorderHeight = 14500;
// How far in from the border's sides (and out beyond them) its corner
// diamonds reach.
inline constexpr double DefaultBorderCorner = 215;

Picture NorthChartFrame();
Picture SouthChartFrame();
Picture SudarshanWheel();
Picture DefaultBorder();

} // namespace tarvik
