#include "Frame.h"

#include "ChartFrames.h"
#include "TextFit.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace tarvik {

namespace {

constexpr std::string_view DefaultBorderFile = "swastik.wmf";

bool namesDefaultBorder(const std::string& path)
{
    const auto slash = path.find_last_of("/\\");
    const std::string_view name =
        slash == std::string::npos ? std::string_view(path) : std::string_view(path).substr(slash + 1);
    return std::equal(name.begin(), name.end(), DefaultBorderFile.begin(), DefaultBorderFile.end(),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) == b;
                      });
}

// An A4 sheet's height; the owner lines end on it.
constexpr double SheetHeight = 16838;
// The least room between a footer line and a rule of the border.
constexpr double FooterClearance = 30;
// The least room between the header and the border's sides and top.
constexpr double HeaderClearance = 30;
// The least room between a text of the body and the border's inner rule.
constexpr double BodyClearance = 60;

// Where the owner lines begin: at the footer top of the settings, unless the
// lines would then run across the bottom rules of a painted border, where
// they go just below its outer rule instead; and never so low that the last
// line leaves the sheet. height is the lines' total height.
double footerTop(const PageLayout& layout, bool borderPainted, double height)
{
    const double scale = layout.scale;
    double top = layout.footerTop * 1440 * scale;
    if (borderPainted) {
        const double borderBottom = 500 * scale + DefaultBorderHeight;
        const double innerRule = borderBottom - 110;
        if (top < borderBottom + FooterClearance && top + height > innerRule - FooterClearance)
            top = borderBottom + FooterClearance;
    }
    return std::min(top, SheetHeight * scale - height);
}

void printCentred(Surface& surface, std::string_view text, const PageLayout& layout)
{
    surface.CurrentX = (layout.pageWidth - surface.TextWidth(text)) / 2;
    surface.Print(text);
}

} // namespace

Picture BorderPicture(const std::string& borderFile)
{
    if (namesDefaultBorder(borderFile))
        return DefaultBorder();
    return Picture::File(borderFile);
}

bool PaintBorder(Surface& surface, const Picture& border, double scale)
{
    if (!surface.LoadPicture(border))
        return false;
    // A border is a frame round the body: the footer and the body's foot are
    // placed by its rules, which stand where the default border has them
    // only when the picture fills the same rectangle.
    surface.PaintPicture(border, 500 * scale, 500 * scale, DefaultBorderWidth * scale,
                         DefaultBorderHeight);
    return true;
}

std::string PagesOwner(const BirthState& births, bool matchRun)
{
    if (matchRun)
        return births.Native.Name + " / " + births.Partner.Name;
    return births.Native.Name;
}

void PrintPageFrame(Surface& surface, const PageContext& page)
{
    const PageLayout& layout = page.layout;
    const double scale = layout.scale;

    if (page.sheet.toPrinter)
        PrintAt(surface, static_cast<int>(1100 * scale), static_cast<int>(1100 * scale), "");

    bool borderPainted = false;
    if (layout.printBorder)
        borderPainted = PaintBorder(surface, BorderPicture(layout.borderFile), scale);

    surface.Font.Name = layout.englishFontName;
    surface.Font.Size = 12 * scale;
    surface.Font.Bold = true;
    const std::string header = PagesOwner(page.births, page.matchRun);
    // The names fit between the border's corner diamonds, in the room
    // above the border.
    const double top = static_cast<int>(144 * scale);
    const FittedText fitted = FitTypedText(
        surface, header, (DefaultBorderWidth - 2 * (DefaultBorderCorner + HeaderClearance)) * scale, 12 * scale,
        TypedTextFloor(12 * scale), 500 * scale - HeaderClearance * scale - top);
    PrintFittedText(surface, fitted, std::round(layout.pageWidth / 2.0), top, TextAlign::Centre);
    surface.Font.Bold = false;

    double footerHeight = 0;
    for (int i = 1; i <= (page.sheet.printRun ? 4 : 3); ++i) {
        surface.Font.Size = (i == 1 ? 8 : 6) * scale;
        footerHeight += surface.LineHeight();
    }
    surface.CurrentY = footerTop(layout, borderPainted, footerHeight);
    for (int i = 0; i < 3; ++i) {
        surface.Font.Size = (i == 0 ? 8 : 6) * scale;
        printCentred(surface, layout.ownerLines[i], layout);
    }

    if (page.sheet.printRun) {
        surface.Font.Name = layout.englishFontName;
        surface.Font.Size = 6 * scale;
        printCentred(surface, "(Page:" + std::to_string(page.sheet.number) + ")", layout);
    }

    SetBodyFont(surface, layout);
    surface.CurrentY = layout.topMargin * scale;
}

double PageBodyBottom(const PageLayout& layout)
{
    const double scale = layout.scale;
    double bottom = layout.footerTop * 1440 * scale;
    if (layout.printBorder) {
        // The border is painted 14500 twips high from 500 down; its inner
        // rule lies 110 twips inside.
        bottom = std::min(bottom, 500 * scale + DefaultBorderHeight - 110);
    }
    return bottom;
}

double PageFootLine(const PageLayout& layout)
{
    return std::min(layout.footerTop * 1440 * layout.scale,
                    (500 + DefaultBorderHeight - 110 - BodyClearance) * layout.scale);
}

std::string MatchPersonLabel(const std::string& typedName, bool girl, const Texts& texts)
{
    if (typedName.find_first_not_of(' ') == std::string::npos)
        return texts.Dict(girl ? "_GIRL" : "_BOY");
    return typedName;
}

double PageBodyRight(const PageLayout& layout)
{
    return (500 + DefaultBorderWidth - 110 - BodyClearance) * layout.scale;
}

void PrintHeading(std::string_view title, Surface& surface, int& y, const PageLayout& layout)
{
    surface.CurrentY = y;
    surface.Font.Size += layout.scale;
    surface.Font.Bold = true;
    surface.Font.Underline = true;
    const double x = (layout.pageWidth - surface.TextWidth(title)) / 2;
    surface.CurrentX = x;
    surface.Print(title);
    surface.CurrentX = x;
    surface.Font.Underline = false;
    surface.Font.Size -= layout.scale;
    surface.Font.Bold = false;
    y += static_cast<int>(std::floor(layout.lineStep * 1.25));
    surface.CurrentY = y;
}

void PrintAt(Surface& surface, int x, int y, std::string_view text)
{
    surface.CurrentX = x;
    surface.CurrentY = y;
    surface.Print(text);
}

void SetBodyFont(Surface& surface, const PageLayout& layout)
{
    surface.Font.Name = layout.bodyFontName;
    surface.Font.Size = layout.bodyFontSize * layout.scale;
}

std::string JoinedTexts(const Texts& texts, std::initializer_list<std::string_view> keys)
{
    std::string s;
    for (std::string_view key : keys)
        s += (s.empty() ? "" : " ") + texts.Dict(key);
    return s;
}

} // namespace tarvik
