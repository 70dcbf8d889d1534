// SPDX-License-Identifier: GPL-3.0-or-later
#include "probe.h"

#include "app/main_window.h"
#include "app/program_windows.h"
#include "ui/drag_bar.h"
#include "ui/glyph_button.h"
#include "ui/glyphs.h"
#include "ui/label_fx.h"
#include "ui/panel_status_bar.h"
#include "ui/rz_led_display.h"
#include "ui/vr_jog_meter.h"
#include "ui/vr_led_clock.h"
#include "ui/vr_matrix.h"
#include "ui/vr_num.h"
#include "ui/vr_progress_bar.h"
#include "ui/vr_scroll_text.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>

#include <cstdio>

namespace {

template <typename Widget>
Widget* place(QWidget* parent, const QRect& geometry)
{
    auto* widget = new Widget(parent);
    widget->setGeometry(geometry);
    return widget;
}

QLabel* note(QWidget* parent, const QRect& geometry, const QString& text)
{
    auto* label = place<QLabel>(parent, geometry);
    label->setText(text);
    return label;
}

void addReadouts(QWidget* page)
{
    auto* group = place<QGroupBox>(page, {8, 8, 440, 330});
    group->setTitle(QStringLiteral("ИНДИКАТОРЫ"));
    const std::pair<int, int> numbers[] = {{45, 2}, {357, 3}, {-7, 3}, {1200, 3}};
    int x = 10;
    for (const auto& [value, digits] : numbers) {
        auto* number = place<TVrNum>(group, {x, 24, 16 * digits + 8, 30});
        number->setDigits(digits);
        number->setMinimum(-9999);
        number->setMaximum(digits == 3 ? 999 : 90);
        number->setValue(value);
        x += 16 * digits + 18;
    }
    note(group, {x, 30, 120, 17}, QStringLiteral("45, 357, −7, 1200→999"));

    const std::pair<const char*, int> matrices[] = {
        {"290,81", 5}, {"NO", 5}, {"27,9228763880305", 8}, {"1,0309", 8}, {"-0,43", 5}, {"ОПТИКА", 6}};
    int y = 64;
    for (const auto& [text, leds] : matrices) {
        auto* matrix = place<TVrMatrix>(group, {10, y, leds * 18 + 6, 26});
        matrix->setLeds(leds);
        matrix->setText(QString::fromUtf8(text));
        note(group, {20 + leds * 18, y + 5, 200, 17}, QString::fromUtf8(text) + QStringLiteral(" (%1)").arg(leds));
        y += 32;
    }
    auto* jog = place<TVrJogMeter>(group, {290, 70, 140, 80});
    jog->setValue(37.5);
    auto* jog2 = place<TVrJogMeter>(group, {290, 160, 140, 80});
    jog2->setValue(120);
    for (int i = 0; i < 3; ++i) {
        auto* bar = place<TVrProgressBar>(group, {300 + 30 * i, 250, 16, 70});
        bar->setMinValue(0);
        bar->setMaxValue(100);
        bar->setPosition(i * 50);
    }
}

void addSegmentDisplays(QWidget* page)
{
    auto* group = place<QGroupBox>(page, {456, 8, 436, 330});
    group->setTitle(QStringLiteral("ТАБЛО"));
    const struct {
        const char* caption;
        int width;
        bool red;
    } displays[] = {{"296824215,84 m/c", 410, false}, {"=1,33", 153, true}, {"d>2F", 120, false},
                    {"F<d<2F", 160, false},           {"20", 80, false},    {"100", 80, true},
                    {"1,00029", 233, false},          {"149150476,62 m/c", 200, false}};
    int y = 22;
    int x = 10;
    for (const auto& d : displays) {
        if (x + d.width > 426) {
            x = 10;
            y += 48;
        }
        auto* display = place<TRzLEDDisplay>(group, {x, y, d.width, 41});
        display->setCaption(QString::fromUtf8(d.caption));
        if (d.red)
            display->setSegmentColor(QColor(0xFF, 0x20, 0x20));
        x += d.width + 8;
    }
    auto* clock = place<TVrLedClock>(group, {10, 250, 200, 70});
    clock->setLedSize(3);
    clock->setSpacing(8);
    auto* scroll = place<TVrScrollText>(group, {220, 270, 200, 24});
    scroll->setText(QStringLiteral("Значения показателей преломления для некоторых веществ"));
}

void addControls(QWidget* page)
{
    auto* group = place<QGroupBox>(page, {8, 346, 884, 170});
    group->setTitle(QStringLiteral("УПРАВЛЕНИЕ"));
    const struct {
        Glyph glyph;
        const char* caption;
        int width;
    } buttons[] = {{Glyph::Models, "МОДЕЛИ", 97}, {Glyph::Dictionary, "СЛОВАРЬ \nТЕРМИНОВ", 105},
                   {Glyph::Reference, "КРАТКИЙ СПРАВОЧНИК", 121}, {Glyph::HideModel, "", 49}};
    int x = 10;
    for (const auto& b : buttons) {
        auto* button = place<GlyphButton>(group, {x, 22, b.width, 41});
        button->setIcon(GlyphIcon(b.glyph));
        button->setIconSize(QSize(24, 24));
        button->setText(QString::fromUtf8(b.caption));
        x += b.width + 6;
    }
    auto* text = place<GlyphButton>(group, {x, 22, 110, 41});
    text->setText(QStringLiteral("ЗАКРЫТЬ"));
    x += 116;
    auto* disabled = place<GlyphButton>(group, {x, 22, 110, 41});
    disabled->setText(QStringLiteral("НЕДОСТУПНО"));
    disabled->setEnabled(false);
    x += 116;
    for (Glyph glyph : {Glyph::Refresh, Glyph::Defaults, Glyph::IndexTable, Glyph::Warning, Glyph::ArrowUp,
                        Glyph::ArrowDown, Glyph::Formulas, Glyph::Questions, Glyph::Problems}) {
        auto* button = place<GlyphButton>(group, {x, 18, 49, 49});
        button->setIcon(GlyphIcon(glyph));
        button->setIconSize(QSize(32, 32));
        x += 52;
        if (x > 830)
            break;
    }

    auto* slider = place<QSlider>(group, {10, 72, 286, 33});
    slider->setOrientation(Qt::Horizontal);
    slider->setRange(1, 89);
    slider->setValue(45);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(5);
    auto* scroll = place<QScrollBar>(group, {10, 112, 286, 17});
    scroll->setOrientation(Qt::Horizontal);
    scroll->setRange(101, 201);
    scroll->setValue(133);
    auto* point = place<QRadioButton>(group, {310, 72, 160, 20});
    point->setText(QStringLiteral("светящаяся точка"));
    point->setChecked(true);
    place<QRadioButton>(group, {310, 94, 160, 20})->setText(QStringLiteral("стрелка"));
    auto* check = place<QCheckBox>(group, {310, 116, 160, 20});
    check->setText(QStringLiteral("Линейка"));
    check->setChecked(true);
    auto* caption = note(group, {480, 74, 200, 17}, QStringLiteral("Угол A:"));
    caption->setStyleSheet(QStringLiteral("font: bold 13px \"MS Sans Serif\"; text-decoration: underline;"));
    auto* fx = place<LabelFX>(group, {480, 96, 400, 40});
    fx->setStyleSheet(QStringLiteral("font: bold 24px \"MS Sans Serif\";"));
    fx->setText(QStringLiteral("ВЫБЕРИТЕ МОДЕЛЬ!"));
}

} // namespace

int RunGalleryVerb(ProbeSession& session, const QString& skin, const QString& file)
{
    QWidget page;
    page.setObjectName(QStringLiteral("Gallery"));
    page.setFixedSize(900, 568);
    addReadouts(&page);
    addSegmentDisplays(&page);
    addControls(&page);
    auto* bar = place<DragBar>(&page, {0, 524, 900, 20});
    bar->setCaption(QStringLiteral("ИНТЕРАКТИВНЫЕ МОДЕЛИ ПО ГЕОМЕТРИЧЕСКОЙ ОПТИКЕ — ") + skin);
    bar->setStyleSheet(QStringLiteral("font: bold 16px \"MS Sans Serif\";"));
    auto* status = place<PanelStatusBar>(&page, {0, 546, 900, 19});
    status->setPanelWidths({100, 130, 500, 50});
    status->setPanelText(0, QStringLiteral("Время:  12:34:56"));
    status->setPanelText(1, QStringLiteral("Дата:  09.12.2026"));
    status->setPanelText(2, QStringLiteral("Подсказка экрана:  Выбор модели"));
    (void)session;

    page.show();
    QApplication::processEvents();
    if (!page.grab().save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return 1;
    }
    return 0;
}
