#pragma once

// The program's UTF-8 texts as the list a Qt control takes.

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace tarvik {

inline QStringList QtTexts(const std::vector<std::string>& texts)
{
    QStringList list;
    for (const std::string& t : texts)
        list << QString::fromStdString(t);
    return list;
}

} // namespace tarvik
