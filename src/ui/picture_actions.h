// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class ModelSheet;
class QAction;
class QClipboard;
class QWidget;

// "Сохранить рисунок…" (Ctrl+S), "Копировать рисунок" (Ctrl+C), "Печать…"
// (Ctrl+P) and "Во весь экран" (F11) of a model sheet: keys while the sheet
// is shown, the menu of its canvas and the buttons of PictureButtons.
void AddPictureActions(ModelSheet& sheet);

// The actions AddPictureActions gave `sheet`, in that order; none for a
// widget that is no model sheet.
QList<QAction*> PictureActions(const QWidget& sheet);

// Puts the sheet's picture on the clipboard: as an image, as SVG, and its
// settings and readouts as text.
void CopyPicture(ModelSheet& sheet, QClipboard& clipboard);
