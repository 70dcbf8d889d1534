// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QList>

class QLabel;

// A status bar of fixed-width text panels.
class PanelStatusBar : public QFrame {
    Q_OBJECT

public:
    explicit PanelStatusBar(QWidget* parent = nullptr);

    void setPanelWidths(const QList<int>& widths);
    int panelCount() const { return int(panels_.size()); }
    void setPanelText(int panel, const QString& text);
    QString panelText(int panel) const;

private:
    QList<QLabel*> panels_;
};
