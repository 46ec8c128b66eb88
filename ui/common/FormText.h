// FormText: a control's object name, caption and tooltip as a form's layout table holds them,
// and the control made from them, so a form's code creates its controls from the table and
// keeps to the wiring.
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

namespace nemra::ui {

struct FormText {
    const char* name = nullptr;    // the object name; none: the control has none
    const char* caption = nullptr; // UTF-8; none: empty
    const char* toolTip = nullptr; // UTF-8; none: no tooltip
};

// A widget's pixel place in its parent.
struct FormPlace {
    int left;
    int top;
    int width;
    int height;

    QRect rect() const { return {left, top, width, height}; }
};

// A control of type W made from a caption and a parent (a label, a button, a check or radio
// box, a group box), with its object name and tooltip.
template <class W> W* MakeControl(QWidget* parent, const FormText& text)
{
    auto* control = new W(QString::fromUtf8(text.caption), parent);
    if (text.name)
        control->setObjectName(QString::fromLatin1(text.name));
    if (text.toolTip)
        control->setToolTip(QString::fromUtf8(text.toolTip));
    return control;
}

} // namespace nemra::ui
