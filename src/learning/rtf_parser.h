// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

class RtfDocumentSink;

// Reads rich text and hands its text, paragraphs, tables and pictures to
// `sink` in reading order. Whatever it does not understand it skips;
// malformed, truncated or huge input never makes it fail or hang.
void ParseRtf(const QByteArray& data, RtfDocumentSink& sink);
