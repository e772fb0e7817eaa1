#include "TextFile.h"

#include "core/FileWrite.h"
#include "core/RegularFile.h"

#include <QSaveFile>
#include <QStringDecoder>

#include <cstring>
#include <string_view>

namespace tarvik {

namespace {

// Far above any horoscope file or page set; a bigger file is none of them.
constexpr std::size_t LargestFile = 1 << 20;

} // namespace

QString PrintedNumber(long long value)
{
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(value < 0 ? -value : value) +
           u' ';
}

std::optional<long long> ReadPrintedInteger(QStringView field)
{
    bool ok = false;
    const long long value = field.trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<std::string> WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    // The save goes through a link to the file it names; it replaces a
    // regular file only, never a pipe, a device or a folder.
    if (const std::string what = NotReplaceable(path.toStdString()); !what.empty())
        return "it " + what;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString().toStdString();
    // Straight to the descriptor: a buffered write shows a full disk only at
    // the flush inside commit(), which then still puts the cut-off file in
    // place of the old one, and a short write loses the system's reason.
    const std::string_view all(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (const int error = WriteAll(file.handle(), all); error != 0) {
        file.cancelWriting();
        return std::strerror(error);
    }
    if (!file.commit())
        return file.errorString().toStdString();
    return std::nullopt;
}

std::optional<std::string> WriteTextLines(const QString& path, const QStringList& lines)
{
    QByteArray text;
    for (const QString& line : lines)
        text += line.toUtf8() + "\r\n";
    return WriteWholeFile(path, text);
}

QStringList LinesOfText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

std::optional<QStringList> ReadTextLines(const QString& path, std::string& error)
{
    // A pipe or a device has no size to check beforehand and may never end.
    FileProblem problem;
    const std::optional<std::string> bytes = ReadRegularFile(path.toStdString(), LargestFile, problem);
    if (!bytes) {
        error = problem.fault == FileFault::TooLarge ? "the file is too large to be one of the program's files"
                                                     : "it " + problem.words;
        return std::nullopt;
    }
    return LinesOfText(QByteArray::fromStdString(*bytes));
}

} // namespace tarvik
