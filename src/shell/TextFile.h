#pragma once

// The program's own text files (horoscope files, page sets): one value per
// line with CR LF line ends, texts raw and numbers printed with a blank for
// the sign and one after (" 1 ", "-1 "). Files are written through a
// temporary file and a rename, so an old file stays whole until the new one
// is; a file is read whole before anything is taken from it.

#include <QString>
#include <QByteArray>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <string>

namespace tarvik {

// A number as the files print it: " 12 ", "-3 ".
QString PrintedNumber(long long value);
// A whole number as the files print it, blanks around it allowed; nothing
// for any other text.
std::optional<long long> ReadPrintedInteger(QStringView field);

// Writes the bytes as the whole file, through a temporary file and a rename;
// through a link, the file the link names is replaced and the link stays.
// Only a regular file is replaced: a pipe, a device or a folder in the
// file's place (or at the end of its link) is refused. The reason when the
// file could not be written ("No space left on device", "it is a named pipe
// (FIFO), not a file"); the old file, if any, is then unchanged.
std::optional<std::string> WriteWholeFile(const QString& path, const QByteArray& bytes);

// Writes the lines, each ended by CR LF. The reason when the file could not
// be written (the old file, if any, is then unchanged).
std::optional<std::string> WriteTextLines(const QString& path, const QStringList& lines);

// The lines of a file, without their line ends (CR LF or LF); a line end at
// the end of the file starts no further line. UTF-8, or for a file that is
// not UTF-8 one byte to a character. Nothing, with the reason in error, when
// the file cannot be read, is no regular file (a pipe, a device, a folder)
// or is far larger than any file of the program.
std::optional<QStringList> ReadTextLines(const QString& path, std::string& error);
// The lines of a file's bytes, as ReadTextLines gives them.
QStringList LinesOfText(const QByteArray& bytes);

} // namespace tarvik
