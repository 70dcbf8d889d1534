// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/keyboard_stepping.h"

#include <QAbstractSlider>
#include <QKeyEvent>

namespace {

// Page Up and Page Down on a slider whose page step is 0, which Qt's own
// handling would leave where it stands.
class PageKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* slider = static_cast<QAbstractSlider*>(watched);
        if (event->type() != QEvent::KeyPress || slider->pageStep() > 0)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_PageUp && key != Qt::Key_PageDown)
            return false;
        const int steps = (key == Qt::Key_PageUp) != slider->invertedControls() ? 10 : -10;
        slider->setValue(slider->value() + steps * slider->singleStep());
        return true;
    }
};

} // namespace

void MakeKeyboardOperable(QAbstractSlider* slider)
{
    slider->setFocusPolicy(Qt::StrongFocus);
    // A scroll bar's keys, as Qt sets them, move its thumb left by the
    // right arrow and by Page Up; a model's scroll bar moves like its track
    // bars: right, up and Page Up raise the value.
    slider->setInvertedControls(false);
    slider->installEventFilter(new PageKeys(slider));
}
