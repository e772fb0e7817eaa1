#include "TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tarvik {

namespace {

// Far above any horoscope file or page set; a bigger file is none of them.
constexpr qint64 LargestFile = 1 << 20;

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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString().toStdString();
    // Straight to the descriptor: a buffered write shows a full disk only at
    // the flush inside commit(), which then still puts the cut-off file in
    // place of the old one, and a short write loses the system's reason.
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(file.handle(), data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const std::string reason = written < 0 ? std::strerror(errno) : "nothing could be written";
            file.cancelWriting();
            return reason;
        }
        data += written;
        left -= written;
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
    if (!QFileInfo(path).isFile()) {
        error = QFileInfo::exists(path) ? "it is not a file" : "the file does not exist";
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString().toStdString();
        return std::nullopt;
    }
    // Read at most one byte beyond the limit: the file may grow meanwhile.
    const QByteArray bytes = file.read(LargestFile + 1);
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString().toStdString();
        return std::nullopt;
    }
    if (bytes.size() > LargestFile) {
        error = "the file is too large to be one of the program's files";
        return std::nullopt;
    }
    return LinesOfText(bytes);
}

} // namespace tarvik
