// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ModelSheet;
class QClipboard;

// "Сохранить рисунок…" (Ctrl+S), "Копировать рисунок" (Ctrl+C), "Печать…"
// (Ctrl+P) and "Во весь экран" (F11) of a model sheet: keys while the sheet has the focus,
// and the menu of its canvas.
void AddPictureActions(ModelSheet& sheet);

// Puts the sheet's picture on the clipboard: as an image, as SVG, and its
// settings and readouts as text.
void CopyPicture(ModelSheet& sheet, QClipboard& clipboard);
