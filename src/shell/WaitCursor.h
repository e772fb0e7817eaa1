#pragma once

// The hourglass over every window of the program while a chart is computed
// or a page drawn.

#include <QCursor>
#include <QGuiApplication>

namespace tarvik {

class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace tarvik
