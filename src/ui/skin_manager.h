// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/focus_ring.h"
#include "ui/skins.h"

#include <QObject>

// Puts one of the built-in skins on the whole program: a change re-skins
// every window at once. The choice lasts until the program ends. Whichever
// control has the keyboard focus wears a ring in the skin's focus colour.
class SkinManager : public QObject {
    Q_OBJECT

public:
    explicit SkinManager(QObject* parent = nullptr);

    QString skinName() const { return skin_.name; }
    // Ignores a name that is not one of the built-in skins.
    void setSkinName(const QString& name);
    const Skin& skin() const { return skin_; }

    static QStringList skinNames();
    // The palette and style sheet of `skin`, as the application gets them.
    static QPalette paletteOf(const Skin& skin);
    static QString styleSheetOf(const Skin& skin);

signals:
    void skinChanged(const QString& name);

private:
    void apply();

    Skin skin_;
    FocusRing focusRing_;
};
