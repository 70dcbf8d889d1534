// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class ModelSheet;

// The eight models in the order the chooser lists them, which is also the
// order of their sheets in the main window's model host.
struct ModelEntry {
    QString name;        // the probe's name of the model, "reflection"
    QString sheet;       // the main window's sheet that shows it, "sTabSheet3"
    const char* titleText;       // the sheet's caption, the model's title
    QString picture;             // its picture, relative to the current directory
    const char* descriptionText; // what the chooser says of it
    // Builds the model's sheet; nullptr while the model is not built yet.
    ModelSheet* (*createSheet)();

    // The title and the description in the language installed.
    QString title() const;
    QString description() const;
};

const QList<ModelEntry>& ModelCatalogue();

// The entry of a model by its probe name; nullptr if there is none.
const ModelEntry* FindModel(const QString& name);
