#include "Surface.h"

#include <algorithm>

namespace tarvik {

void VectorDrawing::AddLine(double x1, double y1, double x2, double y2)
{
    strokes.push_back({x1, y1, x2, y2});
}

void VectorDrawing::AddRectangle(double x1, double y1, double x2, double y2)
{
    AddLine(x1, y1, x2, y1);
    AddLine(x2, y1, x2, y2);
    AddLine(x2, y2, x1, y2);
    AddLine(x1, y2, x1, y1);
}

Picture Picture::File(std::string path)
{
    Picture p;
    p.name_ = std::move(path);
    return p;
}

Picture Picture::Drawing(std::string name, std::shared_ptr<const VectorDrawing> drawing)
{
    Picture p;
    p.name_ = std::move(name);
    p.drawing_ = std::move(drawing);
    return p;
}

double Surface::TextHeight(std::string_view text)
{
    const auto lines = 1 + std::count(text.begin(), text.end(), '\n');
    return static_cast<double>(lines) * LineHeight();
}

void Surface::Print(std::string_view text, LineEnd end)
{
    if (!text.empty()) {
        beforeDrawing();
        DrawText(CurrentX, CurrentY, text);
    }
    if (end == EndLine) {
        CurrentY += LineHeight();
        CurrentX = 0;
    } else {
        CurrentX += TextWidth(text);
    }
}

void Surface::Line(double x1, double y1, double x2, double y2)
{
    beforeDrawing();
    DrawLine(x1, y1, x2, y2);
    CurrentX = x2;
    CurrentY = y2;
}

void Surface::Box(double x1, double y1, double x2, double y2)
{
    Line(x1, y1, x2, y1);
    Line(x2, y1, x2, y2);
    Line(x2, y2, x1, y2);
    Line(x1, y2, x1, y1);
}

void Surface::PaintPicture(const Picture& picture, double x, double y, double width, double height)
{
    if (!LoadPicture(picture))
        return;
    beforeDrawing();
    DrawPicture(picture, x, y, width, height);
}

void Surface::NewPage()
{
    NewPageCalled();
    if (!drawnOnSheet_)
        return;
    ++page_;
    sheetPending_ = true;
    drawnOnSheet_ = false;
}

void Surface::beforeDrawing()
{
    if (sheetPending_) {
        sheetPending_ = false;
        BeginSheet();
    }
    drawnOnSheet_ = true;
}

double MeasuringSurface::TextWidth(std::string_view text)
{
    return inOurFont([&] { return measuredBy_.TextWidth(text); });
}

double MeasuringSurface::LineHeight()
{
    return inOurFont([&] { return measuredBy_.LineHeight(); });
}

double MeasuringSurface::Ascent()
{
    return inOurFont([&] { return measuredBy_.Ascent(); });
}

std::optional<PictureSize> MeasuringSurface::LoadPicture(const Picture& picture)
{
    return measuredBy_.LoadPicture(picture);
}

} // namespace tarvik
