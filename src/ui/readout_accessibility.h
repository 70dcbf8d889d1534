// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The LED readouts, dials, bars, the clock and the running line draw what
// they show, so a screen reader learns it from here. Each is a static text
// whose name is the caption the form gives it (its accessible name) and whose
// value is what it shows followed by its unit: the text of the label that
// its "unitLabel" property names, as "45 °" or "158,73 см"; its description
// says the same.
void InstallReadoutAccessibility();

// What a readout tells a screen reader it shows; empty for another widget.
QString SpokenReadout(const QWidget* readout);

// Tells a screen reader that a readout shows something else now.
void AnnounceReadoutChange(QWidget* readout);
