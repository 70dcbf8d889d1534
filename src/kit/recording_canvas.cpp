// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/recording_canvas.h"

RecordingCanvas::RecordingCanvas(int width, int height)
    : width_(width), height_(height)
{
    SetLog(&ops_);
}
