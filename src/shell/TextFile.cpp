#include "TextFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

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

std::optional<std::string> WriteTextLines(const QString& path, const QStringList& lines)
{
    QByteArray text;
    for (const QString& line : lines)
        text += line.toUtf8() + "\r\n";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString().toStdString();
    if (file.write(text) != text.size()) {
        const std::string reason = file.errorString().toStdString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString().toStdString();
    return std::nullopt;
}

std::optional<QStringList> ReadTextLines(const QString& path, std::string& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString().toStdString();
        return std::nullopt;
    }
    if (file.size() > LargestFile) {
        error = "the file is too large to be one of the program's files";
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString().toStdString();
        return std::nullopt;
    }
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

} // namespace tarvik
