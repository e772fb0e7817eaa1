#include "PageTestSupport.h"
#include "QtTestEnvironment.h"
#include "shell/FailingWrites.h"

#include "registry/PageDispatcher.h"
#include "pages/Frame.h"
#include "pages/PainterSurface.h"
#include "pages/PictureStore.h"

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <filesystem>

using namespace tarvik;
using namespace tarvik::testing;

namespace {

class PainterSurfaceTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        PictureStore::Instance().Clear();
    }
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }

    QTemporaryDir dir;
};

int pdfPages(const std::string& file)
{
    QFile f(QString::fromStdString(file));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray data = f.readAll();
    int pages = 0;
    for (qsizetype at = data.indexOf("/Type /Page"); at >= 0; at = data.indexOf("/Type /Page", at + 1))
        pages += data.mid(at, 12) != "/Type /Pages";
    return pages;
}

// The width and height of a PDF file's first sheet, in points.
std::pair<double, double> pdfSheet(const std::string& file)
{
    QFile f(QString::fromStdString(file));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = f.readAll();
    const qsizetype at = data.indexOf("/MediaBox");
    if (at < 0)
        return {};
    const QList<QByteArray> numbers =
        data.mid(at, data.indexOf(']', at) - at).replace('[', ' ').mid(9).simplified().split(' ');
    if (numbers.size() != 4)
        return {};
    return {numbers[2].toDouble() - numbers[0].toDouble(), numbers[3].toDouble() - numbers[1].toDouble()};
}

// The dark pixels of a picture above the given height (pixels).
int InkAbove(const QImage& image, int height)
{
    int dark = 0;
    for (int y = 0; y < std::min(height, image.height()); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 160;
    return dark;
}

// The first sheet of a PDF as poppler draws it, at 72 dots to the inch.
QImage FirstSheet(const std::string& pdf)
{
    QTemporaryDir dir;
    QProcess tool;
    tool.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-f"),
                                            QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                                            QStringLiteral("-singlefile"), QStringLiteral("-gray"),
                                            QString::fromStdString(pdf), dir.filePath(QStringLiteral("sheet"))});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return {};
    return QImage(dir.filePath(QStringLiteral("sheet.pgm")));
}

} // namespace

// The same text measures the same on the preview at any resolution and in a
// PDF, so the pages lay out alike everywhere.
TEST_F(PainterSurfaceTest, TextMetricsDoNotDependOnTheDevice)
{
    ImageSurface coarse(72);
    ImageSurface fine(300);
    PdfSurface pdf(path("metrics.pdf"));
    struct Case { const char* face; double size; bool bold; const char* text; };
    const Case cases[] = {
        {"Tarvik English", 9, false, "Jupiter in Sagittarius, 12:34:56"},
        {"Tarvik English", 12, true, "Asha Sharma / Ravi Verma"},
        {"Tarvik", 14, false, "कृष्णमूर्ति पद्धति और ग्रहों की दृष्टि"},
        {"Tarvik", 15, true, "लग्न कुंडली"},
    };
    for (const Case& c : cases) {
        for (Surface* s : std::initializer_list<Surface*>{&coarse, &fine, &pdf}) {
            s->Font.Name = c.face;
            s->Font.Size = c.size;
            s->Font.Bold = c.bold;
        }
        const double width = coarse.TextWidth(c.text);
        EXPECT_GT(width, 0) << c.text;
        EXPECT_DOUBLE_EQ(fine.TextWidth(c.text), width) << c.text;
        EXPECT_DOUBLE_EQ(pdf.TextWidth(c.text), width) << c.text;
        EXPECT_DOUBLE_EQ(fine.LineHeight(), coarse.LineHeight()) << c.text;
        EXPECT_DOUBLE_EQ(pdf.LineHeight(), coarse.LineHeight()) << c.text;
    }
}

// Each face's lines fit the line pitch of its language.
TEST_F(PainterSurfaceTest, BodyLinesFitTheLanguagePitch)
{
    ImageSurface s(96);
    struct Case { const char* face; double size; double pitch; };
    const Case cases[] = {{"Tarvik English", 9, 250}, {"Tarvik", 14, 310}};
    for (const Case& c : cases) {
        s.Font.Name = c.face;
        s.Font.Size = c.size;
        EXPECT_LE(s.LineHeight(), c.pitch) << c.face;
        EXPECT_GT(s.LineHeight(), 0.8 * c.pitch) << c.face;
    }
}

TEST_F(PainterSurfaceTest, PictureFilesAreReadOncePerPath)
{
    QImage image(96, 48, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(QString::fromStdString(path("b.png"))));
    ASSERT_TRUE(image.save(QString::fromStdString(path("b.jpg"))));
    ASSERT_TRUE(image.save(QString::fromStdString(path("b.bmp"))));
    {
        // A 1 x 1 GIF.
        static const unsigned char gif[] = {
            0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00, 0xff,
            0xff, 0xff, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00, 0x2c,
            0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00,
            0x3b};
        QFile f(QString::fromStdString(path("b.gif")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(gif), sizeof gif);
    }
    {
        QFile f(QString::fromStdString(path("b.svg")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<svg xmlns='http://www.w3.org/2000/svg' width='960' height='480'>"
                "<rect x='10' y='10' width='940' height='460' fill='none' stroke='black'/></svg>");
    }
    {
        QFile f(QString::fromStdString(path("broken.png")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a picture");
    }

    ImageSurface s(96);
    struct Case { const char* file; bool loads; double width; };
    const Case cases[] = {
        {"b.png", true, 96 * 15}, {"b.jpg", true, 96 * 15}, {"b.bmp", true, 96 * 15},
        {"b.gif", true, 15},      {"b.svg", true, 960 * 15}, {"broken.png", false, 0},
        {"absent.png", false, 0},
    };
    for (const Case& c : cases) {
        const Picture picture = Picture::File(path(c.file));
        const auto size = s.LoadPicture(picture);
        ASSERT_EQ(size.has_value(), c.loads) << c.file;
        if (size) {
            EXPECT_NEAR(size->width, c.width, 1) << c.file;
        }
        s.PaintPicture(picture, 500, 500, 10000, 14500);   // nothing for the broken ones
        s.LoadPicture(picture);
    }
    EXPECT_EQ(PictureStore::Instance().Reads(), static_cast<int>(std::size(cases)));
}

TEST_F(PainterSurfaceTest, PreviewDrawsInkAndSavesWhole)
{
    ImageSurface s(72);
    Native().Name = "Asha";
    ASSERT_TRUE(PrintPage(s, "Shodash1", false));
    const QImage& image = s.Image();
    int dark = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            dark += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, 500);
    ASSERT_EQ(s.SavePng(path("page.png")), "");
    EXPECT_TRUE(std::filesystem::exists(path("page.png")));
    EXPECT_FALSE(std::filesystem::exists(path("page.png.part")));
}

// A picture that cannot be written whole (a full disk, a limit on file
// sizes) leaves neither the picture nor the part of it written so far.
TEST_F(PainterSurfaceTest, APictureThatCannotBeWrittenLeavesNoPart)
{
    for (FailingWrites::Way way : {FailingWrites::Way::SizeLimit, FailingWrites::Way::FullDisk}) {
        ImageSurface s(72);
        ASSERT_TRUE(PrintPage(s, "Shodash1", false));
        FailingWrites place(way);
        place.Start({});
        if (!place.Ready())
            continue;   // no file system of our own to fill here
        const std::string file = place.File("01-Shodash1.png");
        EXPECT_EQ(s.SavePng(file), place.Reason());
        EXPECT_FALSE(std::filesystem::exists(file)) << place.Reason();
        EXPECT_FALSE(std::filesystem::exists(file + ".part")) << place.Reason();
    }
}

// A print run into a PDF: a page that draws nothing makes no sheet.
TEST_F(PainterSurfaceTest, PdfHasOneSheetPerDrawnPage)
{
    OutputRun().BatchPrint = 1;
    {
        PdfSurface pdf(path("run.pdf"));
        for (const char* key : {"Basic", "Nope", "Maitri", "Sade1"})
            PrintPage(pdf, key, true);
        EXPECT_TRUE(pdf.Finish());
    }
    EXPECT_FALSE(std::filesystem::exists(path("run.pdf.part")));
    EXPECT_EQ(pdfPages(path("run.pdf")), 3);
}

// The printer surface, on a printer that writes its job to a PDF file.
TEST_F(PainterSurfaceTest, PrinterHasOneSheetPerDrawnPage)
{
    OutputRun().BatchPrint = 1;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path("job.pdf")));
    {
        PrinterSurface surface(printer);
        for (const char* key : {"Shodash1", "Nope", "Nope", "Shodash2"})
            PrintPage(surface, key, true);
        surface.Finish();
    }
    EXPECT_EQ(pdfPages(path("job.pdf")), 2);
    const QPageLayout layout = printer.pageLayout();
    EXPECT_EQ(layout.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(layout.orientation(), QPageLayout::Portrait);
}

// A page goes on any paper within what the printer can print: at its own
// size where that fits, reduced as little as it must be where it does not,
// centred; on an A4 sheet printable to its edges it stands as the preview
// shows it.
TEST_F(PainterSurfaceTest, APageStandsWithinThePrintablePartOfThePaperChosen)
{
    const double width = OutputRun().PageWidth;
    constexpr double strip = 240;   // a printer's 12-point unprintable strip
    const struct {
        const char* what;
        Sheet sheet;
    } cases[] = {
        {"A4 to its edges", {}},
        {"A4 with a printer's strips", {A4WidthTwips, A4HeightTwips, strip, strip, strip, strip}},
        {"A4 with a wide top strip", {A4WidthTwips, A4HeightTwips, 0, 900, 0, 0}},
        {"Letter", {12240, 15840}},
        {"Letter landscape, quarter-inch strips", {15840, 12240, 360, 360, 360, 360}},
        {"A3", {16838, 23811}},
        {"A5", {8391, 11906, strip, strip, strip, strip}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Sheet& s = c.sheet;
        const PagePlacement place = PlacePage(s, width);
        const double left = place.x0, top = place.y0;
        const double right = left + place.scale * width, bottom = top + place.scale * A4HeightTwips;
        constexpr double e = 1e-6;
        EXPECT_GE(left, s.left - e);
        EXPECT_GE(top, s.top - e);
        EXPECT_LE(right, s.width - s.right + e);
        EXPECT_LE(bottom, s.height - s.bottom + e);
        // Centred, and as large as the printable part allows.
        EXPECT_NEAR(left - s.left, s.width - s.right - right, e);
        EXPECT_NEAR(top - s.top, s.height - s.bottom - bottom, e);
        EXPECT_LE(place.scale, 1);
        if (place.scale < 1) {
            const bool fillsWidth = std::abs(right - left - (s.width - s.left - s.right)) < e;
            const bool fillsHeight = std::abs(bottom - top - (s.height - s.top - s.bottom)) < e;
            EXPECT_TRUE(fillsWidth || fillsHeight);
        }
    }
    const PagePlacement preview = PlacePage(Sheet{}, width);
    EXPECT_DOUBLE_EQ(preview.x0, (A4WidthTwips - width) / 2);
    EXPECT_DOUBLE_EQ(preview.y0, 0);
    EXPECT_DOUBLE_EQ(preview.scale, 1);
}

// The printer surface and the PDF surface print on the paper chosen for the
// printer, in its orientation.
TEST_F(PainterSurfaceTest, AJobIsPrintedOnThePaperChosenForThePrinter)
{
    OutputRun().BatchPrint = 1;
    const struct {
        QPageSize::PageSizeId paper;
        QPageLayout::Orientation orientation;
        double width, height;   // points
    } cases[] = {
        {QPageSize::Letter, QPageLayout::Landscape, 792, 612},
        {QPageSize::A5, QPageLayout::Portrait, 419.5, 595.3},
        {QPageSize::A4, QPageLayout::Portrait, 595.3, 841.9},
    };
    for (const auto& c : cases) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path("job.pdf")));
        printer.setPageSize(QPageSize(c.paper));
        printer.setPageOrientation(c.orientation);
        {
            PrinterSurface surface(printer);
            PrintPage(surface, "Maitri", true);
            surface.Finish();
        }
        {
            PdfSurface pdf(path("file.pdf"), SheetOf(printer));
            PrintPage(pdf, "Maitri", true);
            EXPECT_TRUE(pdf.Finish());
        }
        for (const char* file : {"job.pdf", "file.pdf"}) {
            const auto [w, h] = pdfSheet(path(file));
            EXPECT_NEAR(w, c.width, 0.5) << file << " " << c.paper;
            EXPECT_NEAR(h, c.height, 0.5) << file << " " << c.paper;
        }
        EXPECT_EQ(printer.pageLayout().pageSize().id(), c.paper);
        EXPECT_EQ(printer.pageLayout().orientation(), c.orientation);
    }
}

// A name or an owner line may be written in any script, or be damaged into
// bytes that are no text: each draws, in a font that has its letters or as
// the substitution glyph, on the preview picture (saved as a PNG), in a PDF
// file and on a printer, and no surface gives way. The header with the name
// is the only ink above the border's place on a page without a border.
TEST_F(PainterSurfaceTest, TextsInAnyScriptDrawOnEverySurface)
{
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"Thaana", "\u078a\u07a6\u078d\u07a6 \u0789\u07a6\u078d\u07a6"},
        {"Tamil", "\u0ba4\u0bae\u0bbf\u0bb4\u0bcd"},
        {"Bengali", "\u09ac\u09be\u0982\u09b2\u09be"},
        {"Arabic", "\u0627\u0644\u0639\u0631\u0628\u064a\u0629"},
        {"Chinese", "\u4e2d\u6587\u540d\u5b57"},
        {"an emoji", "\U0001F600"},
        {"mixed with Latin", "Asha \u0789\u07a6\u078d\u07a6 \u4e2d\u6587"},
        {"bytes that are no text", std::string("\x01\x02\xff\xfe\x7f\x1b[0m\xc3\x28\xed\xa0\x80", 15)},
        {"a private-use letter", "\ue000\U000F0000"},
    };
    const double dpi = 72;
    const int headerPixels = static_cast<int>(500 / 1440.0 * dpi);   // above the border's place
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ResetProgramState();
        ApplyDisplayConventions(false);
        PictureStore::Instance().Clear();
        Config().PrintBorder = false;
        Native().Name = c.text;
        Config().OwnerLines = {"", c.text, c.text, c.text};

        ImageSurface preview(dpi);
        PrintPageFrame(preview, RunContext());
        EXPECT_GT(InkAbove(preview.Image(), headerPixels), 0);
        EXPECT_EQ(preview.SavePng(path("name.png")), "");

        OutputRun().BatchPrint = 1;
        {
            PdfSurface pdf(path("name.pdf"));
            PrintPageFrame(pdf, RunContext(true));
            ASSERT_TRUE(pdf.Finish()) << pdf.Problem();
        }
        EXPECT_GT(InkAbove(FirstSheet(path("name.pdf")), headerPixels), 0);

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path("printer.pdf")));
        {
            PrinterSurface surface(printer);
            PrintPageFrame(surface, RunContext(true));
            surface.Finish();
        }
        EXPECT_GT(InkAbove(FirstSheet(path("printer.pdf")), headerPixels), 0);
    }
}
