// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model_catalogue.h"
#include "kit/image_canvas.h"
#include "ui/model_sheet.h"
#include "ui/rx_label.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Moves every slider of a sheet a step through its range and checks the
// radio button whose turn it is, as a pupil moving the controls one by one;
// the picture is looked at after every change, as the screen shows it.
void setStep(ModelSheet& sheet, int step)
{
    const auto look = [&sheet] { sheet.modelCanvas()->Canvas().Image(); };
    for (QAbstractSlider* slider : sheet.findChildren<QAbstractSlider*>()) {
        const int range = slider->maximum() - slider->minimum();
        slider->setValue(slider->minimum() + (range * (step * 7 % 11)) / 10);
        look();
        slider->setValue(slider->value() + (slider->value() < slider->maximum() ? 1 : -1));
        look();
    }
    const auto radios = sheet.findChildren<QRadioButton*>();
    if (!radios.isEmpty())
        radios[step % radios.size()]->setChecked(true);
    look();
}

// Sets the controls of `to` as those of `from` stand, then redraws it once.
void copyControls(ModelSheet& from, ModelSheet& to)
{
    for (QAbstractSlider* slider : from.findChildren<QAbstractSlider*>())
        to.findChild<QAbstractSlider*>(slider->objectName())->setValue(slider->value());
    for (QRadioButton* radio : from.findChildren<QRadioButton*>()) {
        if (radio->isChecked())
            to.findChild<QRadioButton*>(radio->objectName())->setChecked(true);
    }
    to.refreshButton()->click();
}

// Whatever the canvas drew before, and whatever of it it keeps to draw
// faster, a redraw leaves the picture a fresh sheet draws for the same
// settings.
TEST(ModelPictures, ARedrawLeavesThePictureOfItsOwnSettings)
{
    for (const ModelEntry& model : ModelCatalogue()) {
        if (!model.createSheet)
            continue;
        std::unique_ptr<ModelSheet> driven(model.createSheet());
        for (int step = 0; step < 12; ++step) {
            setStep(*driven, step);
            std::unique_ptr<ModelSheet> fresh(model.createSheet());
            copyControls(*driven, *fresh);
            ASSERT_EQ(driven->modelCanvas()->Canvas().Image(), fresh->modelCanvas()->Canvas().Image())
                << model.name.toStdString() << ", step " << step;
        }
    }
}

} // namespace
