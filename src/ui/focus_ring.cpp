// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/focus_ring.h"

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

constexpr int kRingWidth = 2;
constexpr int kGroundWidth = 1;

} // namespace

// The frame over the control's edge, masked to its band so that the control
// goes on painting and taking the mouse inside it.
class FocusRingFrame : public QWidget {
public:
    FocusRingFrame(const QColor& ring, const QColor& ground)
        : ring_(ring), ground_(ground)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    void setColours(const QColor& ring, const QColor& ground)
    {
        ring_ = ring;
        ground_ = ground;
        update();
    }

protected:
    void resizeEvent(QResizeEvent*) override
    {
        const int band = kRingWidth + kGroundWidth;
        setMask(QRegion(rect()) - QRegion(rect().adjusted(band, band, -band, -band)));
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), ring_);
        painter.fillRect(rect().adjusted(kRingWidth, kRingWidth, -kRingWidth, -kRingWidth), ground_);
    }

private:
    QColor ring_;
    QColor ground_;
};

namespace {

bool IsCaptioned(const QWidget* control)
{
    return qobject_cast<const QRadioButton*>(control) || qobject_cast<const QCheckBox*>(control);
}

bool IsRinged(const QWidget* control)
{
    return IsCaptioned(control) || qobject_cast<const QAbstractSlider*>(control)
           || qobject_cast<const QAbstractScrollArea*>(control) || qobject_cast<const QLineEdit*>(control);
}

// Where the ring goes in the control: round its edge, or round the caption
// of a radio button or check box, whose mark reaches the control's edge.
QRect RingRect(const QWidget* control)
{
    if (!IsCaptioned(control))
        return control->rect();
    const auto* button = static_cast<const QAbstractButton*>(control);
    QStyleOptionButton option;
    option.initFrom(button);
    option.state |= button->isChecked() ? QStyle::State_On : QStyle::State_Off; // the mark's size may differ
    option.text = button->text();
    const QStyle::SubElement contents = qobject_cast<const QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                                                  : QStyle::SE_CheckBoxContents;
    const QRect caption = button->style()->itemTextRect(
        button->fontMetrics(), button->style()->subElementRect(contents, &option, button),
        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, button->isEnabled(), button->text());
    const int band = kRingWidth + kGroundWidth;
    return caption.adjusted(-band, -band, band, band).intersected(button->rect());
}

} // namespace

FocusRing::FocusRing(QObject* parent)
    : QObject(parent)
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
}

FocusRing::~FocusRing()
{
    if (control_)
        control_->removeEventFilter(this);
    delete frame_.data();
}

void FocusRing::setColours(const QColor& ring, const QColor& ground)
{
    ring_ = ring;
    ground_ = ground;
    if (frame_)
        frame_->setColours(ring, ground);
}

void FocusRing::follow(QWidget* focus)
{
    if (control_)
        control_->removeEventFilter(this);
    control_ = focus && IsRinged(focus) ? focus : nullptr;
    if (!control_) {
        if (frame_)
            frame_->hide();
        return;
    }
    // The frame goes with the control it rings and dies with it.
    if (!frame_)
        frame_ = new FocusRingFrame(ring_, ground_);
    frame_->setParent(control_);
    frame_->setGeometry(RingRect(control_));
    frame_->raise();
    frame_->show();
    control_->installEventFilter(this);
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == control_ && frame_ && event->type() == QEvent::Resize)
        frame_->setGeometry(RingRect(control_));
    return false;
}
