// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/model_sheet.h"

#include <QList>

#include <memory>

class ShadowScreenWindow;
class TForm1;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TForm12;
class TForm13;
class TForm14;
class TForm16;
class TForm17;
class TForm18;
class TForm19;
class JournalWindow;
class TestEditorWindow;

// The one instance of every window, created at start-up and held for the
// whole run; windows are only shown and hidden afterwards.
struct ProgramWindows : SideWindows {
    ProgramWindows();
    ~ProgramWindows() override;

    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm14> form14;
    std::unique_ptr<ShadowScreenWindow> form2;
    std::unique_ptr<ShadowScreenWindow> form3;
    std::unique_ptr<TForm4> form4;
    std::unique_ptr<TForm5> form5;
    std::unique_ptr<TForm6> form6;
    std::unique_ptr<TForm7> form7;
    std::unique_ptr<TForm13> form13;
    std::unique_ptr<TForm10> form10;
    std::unique_ptr<TForm8> form8;
    std::unique_ptr<TForm11> form11;
    std::unique_ptr<TForm9> form9;
    std::unique_ptr<TForm12> form12;
    std::unique_ptr<TForm16> form16;
    std::unique_ptr<TForm17> form17;
    std::unique_ptr<TForm18> form18;
    std::unique_ptr<TForm19> form19;
    std::unique_ptr<TestEditorWindow> testEditor;
    std::unique_ptr<JournalWindow> journal;

    // Creates the windows in start-up order, the main window first. An error
    // in one window's creation is shown in the error box and the next one is
    // created all the same.
    void CreateAll();

    // The window of that layout name (its object name), "TForm1" ... "TForm19",
    // as a probe or a test names it; nullptr if none.
    QWidget* byName(const char* name) const;
    // Every window, the main one first; none before CreateAll.
    QList<QWidget*> all() const;
    QWidget* sideWindow(const QString& name) const override;
};
