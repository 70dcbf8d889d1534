// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_windows.h"

#include "app/main_window.h"
#include "app/model_chooser.h"
#include "learning/about_window.h"
#include "learning/cards_window.h"
#include "learning/dictionary_window.h"
#include "learning/formulas_window.h"
#include "learning/grading_window.h"
#include "learning/help_window.h"
#include "learning/journal_window.h"
#include "learning/problems_window.h"
#include "learning/questions_window.h"
#include "learning/reference_window.h"
#include "learning/skin_chooser_window.h"
#include "learning/test_editor_window.h"
#include "learning/test_window.h"
#include "models/refraction/index_table_window.h"
#include "models/refraction/light_speed_window.h"
#include "models/refraction/refraction_graph_window.h"
#include "models/shadow/shadow_screen_window.h"
#include "ui/error_box.h"
#include "ui/readout_accessibility.h"
#include "ui/window_placement.h"

#include <QShortcut>

#include <type_traits>
#include <utility>

ProgramWindows::ProgramWindows() = default;
ProgramWindows::~ProgramWindows() = default;

namespace {

template <typename Form, typename = void>
struct HasFormCreate : std::false_type {};
template <typename Form>
struct HasFormCreate<Form, std::void_t<decltype(std::declval<Form&>().FormCreate())>> : std::true_type {};

// Builds a window, then runs its creation handler, if it has one, guarded:
// a window whose contents fail to load still exists and can be opened.
template <typename Form, typename... Args>
void create(std::unique_ptr<Form>& slot, Args&&... args)
{
    slot = std::make_unique<Form>(std::forward<Args>(args)...);
    if constexpr (HasFormCreate<Form>::value)
        RunGuarded([&slot] { slot->FormCreate(); });
}

} // namespace

void ProgramWindows::CreateAll()
{
    InstallReadoutAccessibility();
    create(form1);
    form1->SetWindows(this);
    create(form14);
    create(form2, OneSourceScreenLayout);
    create(form3, TwoSourceScreenLayout);
    create(form4);
    create(form5);
    form5->SetMainWindow(form1.get());
    create(form6);
    create(form7);
    create(form13);
    create(form10);
    create(form8);
    create(form11);
    create(form9);
    create(form12);
    create(form16);
    create(form17);
    create(form18);
    create(form19);
    create(testEditor);
    create(journal);
    form1->AttachSideWindows();
    form14->SetTestWindow(form17.get());
    form14->SetJournalWindow(journal.get());
    form17->SetGradingWindow(form19.get());
    form17->SetTestEditor(testEditor.get());
    form11->SetAboutWindow(form16.get());
    form11->SetSkinChooser(form18.get());
    form18->SetSkinManager(&form1->sSkinManager1);
    // Esc closes, which only hides, every window but the main one.
    for (QWidget* window : all()) {
        if (window && window != form1.get()) {
            auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
            QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
            ReleaseWhileHidden(window);
        }
    }
}

QList<QWidget*> ProgramWindows::all() const
{
    return {form1.get(),  form2.get(),  form3.get(),  form4.get(),  form5.get(),  form6.get(),
            form7.get(),  form8.get(),  form9.get(),  form10.get(), form11.get(), form12.get(),
            form13.get(), form14.get(), form16.get(), form17.get(), form18.get(), form19.get(),
            testEditor.get(), journal.get()};
}

QWidget* ProgramWindows::byName(const char* name) const
{
    for (QWidget* window : all()) {
        if (window && window->objectName() == QLatin1String(name))
            return window;
    }
    return nullptr;
}

QWidget* ProgramWindows::sideWindow(const QString& name) const
{
    return byName(qPrintable(name));
}
