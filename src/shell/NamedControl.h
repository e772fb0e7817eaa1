#pragma once

// A control with its object name (the name tests and the focus rules find
// it by) and its tool tip; a caption that gives its mnemonic's focus to the
// control it names.

#include <QLabel>
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

inline QLabel* Caption(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

} // namespace tarvik
