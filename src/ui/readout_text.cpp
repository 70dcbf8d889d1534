// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/readout_text.h"

#include "ui/rz_led_display.h"
#include "ui/vr_jog_meter.h"
#include "ui/vr_matrix.h"
#include "ui/vr_num.h"
#include "ui/vr_progress_bar.h"

std::optional<QString> ReadoutText(const QWidget* readout)
{
    if (auto* number = qobject_cast<const TVrNum*>(readout))
        return QString::number(number->value());
    if (auto* matrix = qobject_cast<const TVrMatrix*>(readout))
        return matrix->text();
    if (auto* display = qobject_cast<const TRzLEDDisplay*>(readout))
        return display->caption();
    if (auto* bar = qobject_cast<const TVrProgressBar*>(readout))
        return QString::number(bar->position());
    if (auto* dial = qobject_cast<const TVrJogMeter*>(readout))
        return QString::number(dial->value());
    return std::nullopt;
}
