// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class QWidget;

// What a readout shows, as the probe prints it and the tests read it: an LED
// number its whole value, a text display its text, a dial its value, a bar
// its position. Nothing for any other widget: an indicator, whose visibility
// is what it shows.
std::optional<QString> ReadoutText(const QWidget* readout);
