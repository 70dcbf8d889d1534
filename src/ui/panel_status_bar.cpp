// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/panel_status_bar.h"

#include <QHBoxLayout>
#include <QLabel>

PanelStatusBar::PanelStatusBar(QWidget* parent)
    : QFrame(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 1, 0, 0);
    layout->setSpacing(2);
    layout->addStretch();
}

void PanelStatusBar::setPanelWidths(const QList<int>& widths)
{
    qDeleteAll(panels_);
    panels_.clear();
    auto* row = static_cast<QHBoxLayout*>(layout());
    for (int width : widths) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("statusPanel"));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setFixedWidth(width);
        panel->setContentsMargins(2, 0, 2, 0);
        row->insertWidget(int(panels_.size()), panel);
        panels_.append(panel);
    }
}

void PanelStatusBar::setPanelText(int panel, const QString& text)
{
    if (panels_.value(panel) && panels_[panel]->text() != text)
        panels_[panel]->setText(text);
}

QString PanelStatusBar::panelText(int panel) const
{
    return panels_.value(panel) ? panels_[panel]->text() : QString();
}
