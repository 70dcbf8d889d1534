#pragma once

#include <QList>
#include <QString>

// The eight models in the order the chooser lists them.
struct ModelEntry {
    QString name;        // the probe's name of the model, "reflection"
    QString sheet;       // the main window's sheet that shows it, "sTabSheet3"
    QString picture;     // its picture, relative to the current directory
    QString description; // what the chooser says of it
};

const QList<ModelEntry>& ModelCatalogue();

// The entry of a model by its probe name; nullptr if there is none.
const ModelEntry* FindModel(const QString& name);
