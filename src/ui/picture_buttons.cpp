// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_buttons.h"

#include "ui/picture_actions.h"

#include <QAction>
#include <QHBoxLayout>
#include <QToolButton>

namespace {

constexpr int kPictureActions = 4;
constexpr int kIconSize = 18;

} // namespace

PictureButtons::PictureButtons(QWidget* parent)
    : QWidget(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 2, 0);
    row->setSpacing(2);
    for (int i = 0; i < kPictureActions; ++i) {
        auto* button = new QToolButton(this);
        button->setAutoRaise(true);
        button->setIconSize(QSize(kIconSize, kIconSize));
        button->setEnabled(false);
        row->addWidget(button);
        buttons_.append(button);
    }
}

void PictureButtons::Follow(QWidget* sheet)
{
    const QList<QAction*> actions = sheet ? PictureActions(*sheet) : QList<QAction*>();
    for (int i = 0; i < buttons_.size(); ++i) {
        QToolButton* button = buttons_[i];
        // The actions of a sheet shown before would make a held button pop up a menu of them.
        for (QAction* old : button->actions())
            button->removeAction(old);
        if (i < actions.size())
            button->setDefaultAction(actions[i]);
        else
            button->setEnabled(false);
    }
}
