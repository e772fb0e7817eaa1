#include "ChartFrames.h"

#include <cmath>
#include <numbers>

namespace tarvik {

namespace {

// The named points of the North frame: corners, side midpoints, centre and
// the four points where the diagonals cross the diamond.
struct NorthPoints {
    DesignPoint topLeft, topRight, bottomLeft, bottomRight;
    DesignPoint top, left, bottom, right, centre;
    DesignPoint upperLeft, upperRight, lowerLeft, lowerRight;
};

NorthPoints northPoints()
{
    const double a = NorthFrameInset;
    const double b = ChartDesignSize - NorthFrameInset;
    const double c = ChartDesignSize / 2;
    const double q1 = (a + c) / 2;
    const double q3 = (b + c) / 2;
    return {{a, a}, {b, a}, {a, b}, {b, b},
            {c, a}, {a, c}, {c, b}, {b, c}, {c, c},
            {q1, q1}, {q3, q1}, {q1, q3}, {q3, q3}};
}

std::shared_ptr<VectorDrawing> makeNorthFrame()
{
    const NorthPoints p = northPoints();
    auto d = std::make_shared<VectorDrawing>();
    d->width = d->height = ChartDesignSize;
    d->penWidth = 18;
    d->AddRectangle(p.topLeft.x, p.topLeft.y, p.bottomRight.x, p.bottomRight.y);
    d->AddLine(p.topLeft.x, p.topLeft.y, p.bottomRight.x, p.bottomRight.y);
    d->AddLine(p.topRight.x, p.topRight.y, p.bottomLeft.x, p.bottomLeft.y);
    d->AddLine(p.top.x, p.top.y, p.right.x, p.right.y);
    d->AddLine(p.right.x, p.right.y, p.bottom.x, p.bottom.y);
    d->AddLine(p.bottom.x, p.bottom.y, p.left.x, p.left.y);
    d->AddLine(p.left.x, p.left.y, p.top.x, p.top.y);
    return d;
}

std::shared_ptr<VectorDrawing> makeSouthFrame()
{
    auto d = std::make_shared<VectorDrawing>();
    d->width = d->height = ChartDesignSize;
    d->penWidth = 18;
    const double s = ChartDesignSize;
    const double q = s / 4;
    d->AddRectangle(0, 0, s, s);
    // Full lines between the border rows and columns, short ones that leave
    // the centre 2 x 2 block open.
    d->AddLine(0, q, s, q);
    d->AddLine(0, 3 * q, s, 3 * q);
    d->AddLine(q, 0, q, s);
    d->AddLine(3 * q, 0, 3 * q, s);
    d->AddLine(0, 2 * q, q, 2 * q);
    d->AddLine(3 * q, 2 * q, s, 2 * q);
    d->AddLine(2 * q, 0, 2 * q, q);
    d->AddLine(2 * q, 3 * q, 2 * q, s);
    return d;
}

// Where a ray from the centre at angle a (clockwise from straight up) meets
// the square of half-side h.
DesignPoint onSquare(double angle, double half)
{
    const double sx = std::sin(angle);
    const double sy = -std::cos(angle);
    const double t = half / std::max(std::abs(sx), std::abs(sy));
    return {SudarshanCentre.x + t * sx, SudarshanCentre.y + t * sy};
}

std::shared_ptr<VectorDrawing> makeSudarshanWheel()
{
    auto d = std::make_shared<VectorDrawing>();
    d->width = d->height = SudarshanDesignSize;
    d->penWidth = 18;
    for (double h : SudarshanRingEdges)
        d->AddRectangle(SudarshanCentre.x - h, SudarshanCentre.y - h, SudarshanCentre.x + h,
                        SudarshanCentre.y + h);
    // Sector boundaries halfway between house centres: 15 degrees either side
    // of the vertical, then every 30 degrees, from the hub to the outer edge.
    for (int j = 0; j < 12; ++j) {
        const double angle = (15.0 + 30.0 * j) * std::numbers::pi / 180.0;
        const DesignPoint from = onSquare(angle, SudarshanRingEdges.front());
        const DesignPoint to = onSquare(angle, SudarshanRingEdges.back());
        d->AddLine(from.x, from.y, to.x, to.y);
    }
    return d;
}

std::shared_ptr<VectorDrawing> makeDefaultBorder()
{
    auto d = std::make_shared<VectorDrawing>();
    const double w = DefaultBorderWidth;
    const double h = DefaultBorderHeight;
    d->width = w;
    d->height = h;
    d->penWidth = 14;
    const double inner = 110;
    d->AddRectangle(0, 0, w, h);
    d->AddRectangle(inner, inner, w - inner, h - inner);
    // A small diamond in each corner, between the two rules.
    const double m = inner / 2;
    const double r = DefaultBorderCorner - m;
    for (DesignPoint c : {DesignPoint{m, m}, DesignPoint{w - m, m}, DesignPoint{m, h - m},
                          DesignPoint{w - m, h - m}}) {
        d->AddLine(c.x, c.y - r, c.x + r, c.y);
        d->AddLine(c.x + r, c.y, c.x, c.y + r);
        d->AddLine(c.x, c.y + r, c.x - r, c.y);
        d->AddLine(c.x - r, c.y, c.x, c.y - r);
    }
    return d;
}

} // namespace

std::vector<DesignPoint> NorthHouseOutline(int house)
{
    const NorthPoints p = northPoints();
    switch (house) {
    case 1: return {p.top, p.upperLeft, p.centre, p.upperRight};
    case 2: return {p.topLeft, p.top, p.upperLeft};
    case 3: return {p.topLeft, p.upperLeft, p.left};
    case 4: return {p.left, p.upperLeft, p.centre, p.lowerLeft};
    case 5: return {p.left, p.lowerLeft, p.bottomLeft};
    case 6: return {p.bottomLeft, p.lowerLeft, p.bottom};
    case 7: return {p.bottom, p.lowerLeft, p.centre, p.lowerRight};
    case 8: return {p.bottom, p.lowerRight, p.bottomRight};
    case 9: return {p.bottomRight, p.lowerRight, p.right};
    case 10: return {p.right, p.lowerRight, p.centre, p.upperRight};
    case 11: return {p.right, p.upperRight, p.topRight};
    case 12: return {p.topRight, p.upperRight, p.top};
    default: return {};
    }
}

HouseAxis NorthHouseAxis(int house)
{
    const NorthPoints p = northPoints();
    const DesignPoint up{0, -1}, left{-1, 0}, down{0, 1}, right{1, 0};
    const double side = p.upperLeft.x - p.topLeft.x;   // a corner triangle's depth
    const double diamond = 2 * side;
    switch (house) {
    case 1: return {p.centre, up, diamond};
    case 2: return {p.upperLeft, up, side};
    case 3: return {p.upperLeft, left, side};
    case 4: return {p.centre, left, diamond};
    case 5: return {p.lowerLeft, left, side};
    case 6: return {p.lowerLeft, down, side};
    case 7: return {p.centre, down, diamond};
    case 8: return {p.lowerRight, down, side};
    case 9: return {p.lowerRight, right, side};
    case 10: return {p.centre, right, diamond};
    case 11: return {p.upperRight, right, side};
    case 12: return {p.upperRight, up, side};
    default: return {p.centre, up, 0};
    }
}

std::vector<DesignPoint> SudarshanSectorOutline(int ring, int sector)
{
    // House 1 is at the top and the houses run anticlockwise: sector k is
    // centred 30k degrees anticlockwise from straight up.
    const double centre = -30.0 * sector * std::numbers::pi / 180.0;
    const double half = 15.0 * std::numbers::pi / 180.0;
    const double inner = SudarshanRingEdges[ring];
    const double outer = SudarshanRingEdges[ring + 1];
    return {onSquare(centre - half, inner), onSquare(centre + half, inner),
            onSquare(centre + half, outer), onSquare(centre - half, outer)};
}

Picture NorthChartFrame()
{
    static const Picture picture = Picture::Drawing("north-chart-frame", makeNorthFrame());
    return picture;
}

Picture SouthChartFrame()
{
    static const Picture picture = Picture::Drawing("south-chart-frame", makeSouthFrame());
    return picture;
}

Picture SudarshanWheel()
{
    static const Picture picture = Picture::Drawing("sudarshan-wheel", makeSudarshanWheel());
    return picture;
}

Picture DefaultBorder()
{
    static const Picture picture = Picture::Drawing("default-border", makeDefaultBorder());
    return picture;
}

} // namespace tarvik
