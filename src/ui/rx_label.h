// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/image_canvas.h"

#include <QWidget>

// The label a model draws on. Its canvas keeps the picture, so the window
// system's repaints show it again; only the model's own Refresh clears it.
// The picture is drawn at the device pixel ratio of the label's screen.
class TRxLabel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor backgroundColor READ backgroundColor WRITE setBackgroundColor)
    Q_PROPERTY(QString fontFamily READ fontFamily WRITE setFontFamily)
    Q_PROPERTY(int fontPixelSize READ fontPixelSize WRITE setFontPixelSize)
    Q_PROPERTY(bool fontBold READ fontBold WRITE setFontBold)
    Q_PROPERTY(QColor fontColor READ fontColor WRITE setFontColor)

public:
    explicit TRxLabel(QWidget* parent = nullptr);

    // The canvas at the label's present size and its screen's pixel ratio:
    // a label laid out while its window is hidden gets its resize event only
    // when shown, but a model may draw on it before that.
    ImageCanvas& Canvas();
    // Lets the picture's pixels go while the label is off the screen; the
    // next drawing makes them again at the label's size.
    void ReleasePicture();

    QColor backgroundColor() const { return background_; }
    void setBackgroundColor(const QColor& color);
    QString fontFamily() const { return family_; }
    void setFontFamily(const QString& family);
    int fontPixelSize() const { return pixelSize_; }
    void setFontPixelSize(int pixelSize);
    bool fontBold() const { return bold_; }
    void setFontBold(bool bold);
    QColor fontColor() const { return fontColor_; }
    void setFontColor(const QColor& color);

    QSize sizeHint() const override;

signals:
    // The label came to a screen of another pixel ratio: its picture must be
    // drawn again, at that ratio.
    void pictureLost();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyAppearance();

    ImageCanvas canvas_;
    QColor background_ = Qt::black;
    QString family_ = QStringLiteral("MS Sans Serif");
    int pixelSize_ = 11;
    bool bold_ = false;
    QColor fontColor_ = Qt::white;
    bool redrawAsked_ = false;
};
