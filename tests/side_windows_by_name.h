// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/model_sheet.h"

#include <QHash>

#include <initializer_list>
#include <utility>

// Side windows handed over by name, for a sheet tested on its own.
class SideWindowMap : public SideWindows {
public:
    SideWindowMap(std::initializer_list<std::pair<QString, QWidget*>> windows)
    {
        for (const auto& [name, window] : windows)
            windows_.insert(name, window);
    }
    QWidget* sideWindow(const QString& name) const override { return windows_.value(name); }

private:
    QHash<QString, QWidget*> windows_;
};
