#pragma once

// The page settings the settings dialog edits: the text margins, the footer's
// position, the border picture, the owner's three footer lines and the
// Rahu/Ketu choice kept for the next start. Margins and the footer are typed
// in inches; the store keeps them as typed, the pages use them in twips.

#include <QString>

#include <array>
#include <optional>
#include <string>

namespace tarvik {

struct PageSettingsEntry {
    QString leftMargin, topMargin, footerTop;   // inches, as typed
    bool printBorder = true;
    QString borderFile;
    std::array<QString, 3> ownerLines;          // name, address, phones
    bool trueNode = true;

    bool operator==(const PageSettingsEntry&) const = default;
};

// The settings in effect, as the dialog shows them ("1", "0.7", "10.5").
PageSettingsEntry PageSettingsInEffect();

// The boxes that take inches, and their ranges.
enum class InchBox { LeftMargin, TopMargin, FooterTop };

// Whether the box's text is a number of inches in the box's range.
bool InchesAccepted(InchBox box, const QString& text);
// What a box that is left with a text it does not accept shows instead: the
// margin in effect, or 10.21 inches for the footer.
QString InchesFallback(InchBox box);
// The message for a text the box does not accept.
std::string InchesRule(InchBox box);

// Why the border picture cannot be painted ("was not found", "is a named
// pipe (FIFO), not a picture file", "cannot be read as a picture: ..."); empty
// when it can: the program's own border, or a picture file that reads. A
// file that could not be read before is read again.
std::string BorderPictureProblem(const QString& path);
inline bool BorderPictureReadable(const QString& path) { return BorderPictureProblem(path).empty(); }

// What an output run tells when the settings print the border and its
// picture cannot be read (the pages then go without it); empty otherwise.
std::string BorderMessage();

// The first box whose entry cannot be stored, with its message.
struct SettingsProblem {
    enum class Box { LeftMargin, TopMargin, FooterTop, BorderFile } box;
    std::string message;
};
std::optional<SettingsProblem> CheckPageSettings(const PageSettingsEntry& entry);

// Stores the entry in the settings store of the file (empty: the user's own)
// and, once it is stored, makes it the settings in effect. The reason when
// it could not be stored; nothing has changed then.
std::optional<std::string> SavePageSettings(const QString& settingsFile, const PageSettingsEntry& entry);

} // namespace tarvik
