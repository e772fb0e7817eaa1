#include "BlockFit.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

namespace {

bool apart(const TextBox& a, const TextBox& b, double margin)
{
    return a.right + margin <= b.left || b.right + margin <= a.left || a.bottom + margin <= b.top ||
           b.bottom + margin <= a.top;
}

bool behind(const TextBox& box, const std::pair<DesignPoint, DesignPoint>& side, double margin)
{
    const auto& [point, normal] = side;
    for (double x : {box.left, box.right})
        for (double y : {box.top, box.bottom})
            if ((x - point.x) * normal.x + (y - point.y) * normal.y < margin)
                return false;
    return true;
}

// The points the block's middle may take, nearest the wished-for centre first.
std::vector<DesignPoint> candidates(const BlockRoom& room)
{
    std::vector<DesignPoint> points = {room.centre};
    const double length = std::hypot(room.to.x - room.from.x, room.to.y - room.from.y);
    const int steps = static_cast<int>(length / 20);
    for (int i = 0; i <= steps && steps > 0; ++i) {
        const double t = static_cast<double>(i) / steps;
        points.push_back({room.from.x + t * (room.to.x - room.from.x),
                          room.from.y + t * (room.to.y - room.from.y)});
    }
    std::stable_sort(points.begin() + 1, points.end(), [&](const DesignPoint& a, const DesignPoint& b) {
        return std::hypot(a.x - room.centre.x, a.y - room.centre.y) <
               std::hypot(b.x - room.centre.x, b.y - room.centre.y);
    });
    return points;
}

} // namespace

bool BoxInside(const TextBox& box, const std::vector<DesignPoint>& outline, double margin)
{
    double area = 0;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const DesignPoint& a = outline[i];
        const DesignPoint& b = outline[(i + 1) % outline.size()];
        area += a.x * b.y - b.x * a.y;
    }
    const double orientation = area > 0 ? 1 : -1;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const DesignPoint& a = outline[i];
        const DesignPoint& b = outline[(i + 1) % outline.size()];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        if (length == 0)
            continue;
        for (double x : {box.left, box.right})
            for (double y : {box.top, box.bottom})
                if (orientation * ((b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x)) / length < margin)
                    return false;
    }
    return true;
}

FittedBlock FitBlock(Surface& surface, const BlockRoom& room, const BlockLines& linesFor, int names,
                     double size, double minSize, double maxPitch, double pitchShare)
{
    const double kept = surface.Font.Size;
    const std::vector<DesignPoint> centres = candidates(room);
    FittedBlock block;
    for (double trial = size; trial >= minSize - 1e-9; trial -= 0.25) {
        surface.Font.Size = trial;
        const double height = surface.LineHeight();
        const double pitch = maxPitch > 0 ? std::min(height, maxPitch) : height * pitchShare;
        for (int perLine = 2; perLine <= std::max(2, names); ++perLine) {
            const std::vector<std::string> lines = linesFor(perLine);
            std::vector<double> widths;
            for (const std::string& line : lines)
                widths.push_back(surface.TextWidth(line));
            const double total = lines.empty() ? 0 : (lines.size() - 1) * pitch + height;
            block = {lines, trial, pitch, room.centre.y - total / 2, room.centre.x, false};
            for (const DesignPoint& c : centres) {
                const double top = c.y - total / 2;
                bool fits = true;
                for (std::size_t i = 0; i < lines.size() && fits; ++i) {
                    if (lines[i].empty())
                        continue;
                    const TextBox box{c.x - widths[i] / 2, top + i * pitch, c.x + widths[i] / 2,
                                      top + i * pitch + height};
                    fits = BoxInside(box, room.outline, room.clearance);
                    for (const TextBox& other : room.keepClear)
                        fits = fits && apart(box, other, room.clearance);
                    for (const auto& side : room.halfPlanes)
                        fits = fits && behind(box, side, room.clearance);
                }
                if (fits) {
                    surface.Font.Size = kept;
                    return {lines, trial, pitch, top, c.x, true};
                }
            }
            if (static_cast<int>(lines.size()) <= 1)
                break;
        }
    }
    // Nothing fits: the smallest size, as many names to a line as there are.
    surface.Font.Size = minSize;
    const double height = surface.LineHeight();
    const double pitch = maxPitch > 0 ? std::min(height, maxPitch) : height * pitchShare;
    block.lines = linesFor(std::max(2, names));
    block.size = minSize;
    block.pitch = pitch;
    block.top = room.centre.y - ((block.lines.size() - 1) * pitch + height) / 2;
    block.centreX = room.centre.x;
    block.fits = false;
    surface.Font.Size = kept;
    return block;
}

void PrintFittedBlock(Surface& surface, const FittedBlock& block)
{
    const double size = surface.Font.Size;
    surface.Font.Size = block.size;
    for (std::size_t i = 0; i < block.lines.size(); ++i) {
        surface.CurrentX = block.centreX - surface.TextWidth(block.lines[i]) / 2;
        surface.CurrentY = block.top + i * block.pitch;
        surface.Print(block.lines[i]);
    }
    surface.Font.Size = size;
}

} // namespace tarvik
