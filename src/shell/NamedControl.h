#pragma once

// A control with its object name (the name tests and the focus rules find
// it by) and its tool tip.

#include <QString>

namespace tarvik {

template <class W>
W* Named(W* widget, const QString& name, const QString& tip = {})
{
    widget->setObjectName(name);
    if (!tip.isEmpty())
        widget->setToolTip(tip);
    return widget;
}

} // namespace tarvik
