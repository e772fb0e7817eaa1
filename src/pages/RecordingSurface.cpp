#include "RecordingSurface.h"

#include <algorithm>

namespace tarvik {

std::size_t CodePoints(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

double RecordingSurface::TextWidth(std::string_view text)
{
    return static_cast<double>(CodePoints(text)) * Font.Size * WidthPerPoint;
}

double RecordingSurface::LineHeight() { return Font.Size * HeightPerPoint; }

double RecordingSurface::Ascent() { return Font.Size * AscentPerPoint; }

std::optional<PictureSize> RecordingSurface::LoadPicture(const Picture& picture)
{
    if (const VectorDrawing* d = picture.Vector())
        return PictureSize{d->width, d->height};
    auto it = files_.find(picture.Name());
    if (it == files_.end())
        return std::nullopt;
    return it->second;
}

void RecordingSurface::AddPictureFile(const std::string& path, double width, double height)
{
    files_[path] = PictureSize{width, height};
}

std::string RecordingSurface::EventString() const
{
    std::string s;
    for (Event e : events_) {
        if (!s.empty())
            s += ' ';
        switch (e) {
        case Event::Text: s += "Text"; break;
        case Event::Line: s += "Line"; break;
        case Event::Picture: s += "Picture"; break;
        case Event::NewPage: s += "NewPage"; break;
        case Event::Sheet: s += "Sheet"; break;
        }
    }
    return s;
}

std::vector<std::string> RecordingSurface::TextStrings() const
{
    std::vector<std::string> out;
    out.reserve(texts_.size());
    for (const RecordedText& t : texts_)
        out.push_back(t.text);
    return out;
}

const RecordedText* RecordingSurface::FindText(std::string_view text, int n) const
{
    for (const RecordedText& t : texts_) {
        if (t.text == text && n-- == 0)
            return &t;
    }
    return nullptr;
}

std::vector<RecordedText> RecordingSurface::TextsContaining(std::string_view part) const
{
    std::vector<RecordedText> out;
    for (const RecordedText& t : texts_) {
        if (t.text.find(part) != std::string::npos)
            out.push_back(t);
    }
    return out;
}

int RecordingSurface::NewPageCalls() const
{
    return static_cast<int>(std::count(events_.begin(), events_.end(), Event::NewPage));
}

int RecordingSurface::SheetsDrawn() const { return (firstSheetDrawn_ ? 1 : 0) + sheetsBegun_; }

void RecordingSurface::ClearLog()
{
    events_.clear();
    texts_.clear();
    lines_.clear();
    pictures_.clear();
}

void RecordingSurface::DrawText(double x, double y, std::string_view text)
{
    firstSheetDrawn_ = true;
    events_.push_back(Event::Text);
    texts_.push_back({std::string(text), x, y, Font, Page()});
}

void RecordingSurface::DrawLine(double x1, double y1, double x2, double y2)
{
    firstSheetDrawn_ = true;
    events_.push_back(Event::Line);
    lines_.push_back({x1, y1, x2, y2, Page()});
}

void RecordingSurface::DrawPicture(const Picture& picture, double x, double y, double width,
                                   double height)
{
    firstSheetDrawn_ = true;
    events_.push_back(Event::Picture);
    pictures_.push_back({picture.Name(), x, y, width, height, Page()});
}

void RecordingSurface::BeginSheet()
{
    ++sheetsBegun_;
    events_.push_back(Event::Sheet);
}

void RecordingSurface::NewPageCalled() { events_.push_back(Event::NewPage); }

} // namespace tarvik
