#pragma once

#include <QString>

// The sheet of the main window that shows a model given by its probe name
// ("reflection" -> "sTabSheet3"); empty for an unknown name.
QString SheetOfModel(const QString& model);
