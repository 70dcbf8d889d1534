// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>

class FocusRingFrame;
class QWidget;

// The focus ring of the controls the style sheet cannot ring well: track
// bars, scroll bars, text fields, scroll boxes, radio buttons and check
// boxes. Whichever of them has the keyboard focus gets a frame laid over its
// edge (a radio button's or check box's round its caption): two pixels of
// the ring colour and, inside them, one of the ground colour, so that the
// ring always lies on ground even where the control's face (a white field,
// a groove) reaches its edge. Buttons and tabs ring themselves through the
// skin's style sheet.
class FocusRing : public QObject {
    Q_OBJECT

public:
    explicit FocusRing(QObject* parent = nullptr);
    ~FocusRing() override;

    void setColours(const QColor& ring, const QColor& ground);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QWidget* focus);

    QColor ring_;
    QColor ground_;
    QPointer<QWidget> control_;
    QPointer<FocusRingFrame> frame_;
};
