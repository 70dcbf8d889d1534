// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learning/test_result.h"

#include <QByteArray>
#include <QList>

// The results as one table for a spreadsheet: UTF-8 with a byte-order mark
// and semicolons, which LibreOffice Calc and Excel open with the Cyrillic
// intact; fields quoted where needed (RFC 4180), lines ended by CR LF.
QByteArray ResultsCsv(const QList<TestResult>& results);

// Writes that table to `path` whole or not at all; false with the reason.
bool ExportResults(const QString& path, const QList<TestResult>& results, QString* reason);
