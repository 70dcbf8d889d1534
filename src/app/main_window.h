// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/status_texts.h"
#include "ui/skin_manager.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace Ui {
class TForm1;
}

class PictureButtons;
class QMenu;
class QSystemTrayIcon;
struct ProgramWindows;
class ModelSheet;

// The main window: tool row, the host of the model sheets, start banner,
// clock, title strip, status bar and tray icon.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The other windows, which are created after this one.
    void SetWindows(const ProgramWindows* windows);
    // Hands every model sheet the program's windows, once all exist.
    void AttachSideWindows();

    // Shows `sheet` as the one tab of the model host, without redrawing it.
    void ShowModelSheet(QWidget* sheet);
    // The sheet with the given layout name ("sTabSheet3").
    QWidget* sheet(const QString& name) const;
    // The same sheet as a model, once the model is built there.
    ModelSheet* modelSheet(const QString& name) const;

    void sBitBtn32Click();
    void Timer1Timer();

    QTimer Timer1;
    // The program's skins; the skin chooser changes it.
    SkinManager sSkinManager1;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createModelSheets();
    void connectToolRow();
    void createShortcuts();
    void createTrayIcon();
    // The texts this window's code sets, in the language installed.
    void retranslate();

    std::unique_ptr<Ui::TForm1> ui;
    const ProgramWindows* windows_ = nullptr;
    PointerTracker pointer_;
    QElapsedTimer lastMove_;  // since the pointer last moved over the program
    QTimer secondTimer_;      // wakes the status bar when its clock changes
    qint64 nextSecond_ = 0;   // when the status bar's time text next changes, ms since the epoch
    QMenu* PopupMenu1 = nullptr;
    QSystemTrayIcon* RzTrayIcon1 = nullptr;
    PictureButtons* pictureButtons_ = nullptr; // beside the tab of the model shown
};
