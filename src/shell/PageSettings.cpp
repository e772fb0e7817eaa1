#include "PageSettings.h"

#include "EntryRules.h"
#include "StoredSettings.h"
#include "core/State.h"
#include "pages/Frame.h"
#include "pages/PictureStore.h"

#include <QLocale>

namespace tarvik {

namespace {

constexpr double TwipsPerInch = 1440;

struct InchRange {
    double low, high;
    const char* rule;
};

InchRange RangeOf(InchBox box)
{
    switch (box) {
    case InchBox::LeftMargin: return {0, 2, "The left margin is a number of inches from 0 to 2."};
    case InchBox::TopMargin: return {0, 2, "The top margin is a number of inches from 0 to 2."};
    case InchBox::FooterTop:
        return {FooterTopLowest, FooterTopHighest,
                "The footer top is a number of inches from 10 to 11.5, measured from the top of the page."};
    }
    return {0, 0, ""};
}

std::optional<double> Inches(const QString& text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString InchText(double inches) { return QString::number(inches); }

int ToTwips(const QString& inches) { return static_cast<int>(RoundHalfEven(Val(inches) * TwipsPerInch)); }

} // namespace

PageSettingsEntry PageSettingsInEffect()
{
    const Settings& s = Config();
    PageSettingsEntry e;
    e.leftMargin = InchText(s.LeftMarginTwips / TwipsPerInch);
    e.topMargin = InchText(s.TopMarginTwips / TwipsPerInch);
    e.footerTop = InchText(s.FooterTop);
    e.printBorder = s.PrintBorder;
    e.borderFile = QString::fromStdString(s.BorderFile);
    for (int i = 0; i < 3; ++i)
        e.ownerLines[static_cast<std::size_t>(i)] = QString::fromStdString(s.OwnerLines[static_cast<std::size_t>(i + 1)]);
    e.trueNode = OutputRun().TrueNode;
    return e;
}

bool InchesAccepted(InchBox box, const QString& text)
{
    const std::optional<double> inches = Inches(text);
    const InchRange range = RangeOf(box);
    return inches && *inches >= range.low && *inches <= range.high;
}

QString InchesFallback(InchBox box)
{
    switch (box) {
    case InchBox::LeftMargin: return InchText(Config().LeftMarginTwips / TwipsPerInch);
    case InchBox::TopMargin: return InchText(Config().TopMarginTwips / TwipsPerInch);
    case InchBox::FooterTop: return QStringLiteral("10.21");
    }
    return {};
}

std::string InchesRule(InchBox box) { return RangeOf(box).rule; }

std::string BorderPictureProblem(const QString& path)
{
    const Picture border = BorderPicture(path.toStdString());
    if (border.Vector())
        return {};
    return PictureStore::Instance().Recheck(border.Name()).problem;
}

std::string BorderMessage()
{
    const Settings& s = Config();
    if (!s.PrintBorder)
        return {};
    const std::string problem = BorderPictureProblem(QString::fromStdString(s.BorderFile));
    if (problem.empty())
        return {};
    return "The border picture \"" + s.BorderFile + "\" " + problem +
           ", so the pages are drawn without a border. Choose another picture in File > Settings, "
           "or turn the border off there.";
}

std::optional<SettingsProblem> CheckPageSettings(const PageSettingsEntry& e)
{
    using Box = SettingsProblem::Box;
    const std::pair<InchBox, const QString*> boxes[] = {
        {InchBox::LeftMargin, &e.leftMargin}, {InchBox::TopMargin, &e.topMargin}, {InchBox::FooterTop, &e.footerTop}};
    for (const auto& [box, text] : boxes) {
        if (!InchesAccepted(box, *text)) {
            const Box which = box == InchBox::LeftMargin ? Box::LeftMargin
                              : box == InchBox::TopMargin ? Box::TopMargin
                                                          : Box::FooterTop;
            return SettingsProblem{which, InchesRule(box)};
        }
    }
    if (const std::string problem = e.printBorder ? BorderPictureProblem(e.borderFile) : std::string();
        !problem.empty())
        return SettingsProblem{Box::BorderFile, "The border picture \"" + e.borderFile.toStdString() + "\" " +
                                                    problem + ". Choose another picture with Change, "
                                                    "or print without the border."};
    return std::nullopt;
}

std::optional<std::string> SavePageSettings(const QString& settingsFile, const PageSettingsEntry& e)
{
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    const SettingValues values = {
        {"Left Margin", e.leftMargin},     {"Top Margin", e.topMargin},
        {"True Rahu", flag(e.trueNode)},   {"Border", flag(e.printBorder)},
        {"Border File", e.borderFile},     {"Owner Name", e.ownerLines[0]},
        {"Owner Address", e.ownerLines[1]}, {"Owner Phones", e.ownerLines[2]},
        {"Footer Top Margin", e.footerTop},
    };
    if (std::optional<std::string> failed = WriteSettings(settingsFile, values))
        return failed;

    Settings& s = Config();
    s.PrintBorder = e.printBorder;
    s.BorderFile = e.borderFile.toStdString();
    for (int i = 0; i < 3; ++i)
        s.OwnerLines[static_cast<std::size_t>(i + 1)] = e.ownerLines[static_cast<std::size_t>(i)].toStdString();
    s.FooterTop = Val(e.footerTop);
    OutputRun().TrueNode = e.trueNode;
    s.LeftMarginTwips = ToTwips(e.leftMargin);
    s.TopMarginTwips = ToTwips(e.topMargin);
    return std::nullopt;
}

} // namespace tarvik
