// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_fixture.h"

#include "ui/error_box.h"
#include "ui/readout_text.h"
#include "ui/rx_label.h"
#include "ui/vr_jog_meter.h"
#include "ui/vr_num.h"

QWidget* TestSideWindows::sideWindow(const QString& name) const
{
    for (const auto& [windowName, window] : windows_) {
        if (windowName == name)
            return window.get();
    }
    return nullptr;
}

SheetFixture::SheetFixture(const char* defaultsButton) : defaultsButton_(defaultsButton)
{
    SetErrorSink([this](const QString& text) { errors << text; });
}

SheetFixture::~SheetFixture()
{
    SetErrorSink(nullptr);
}

void SheetFixture::use(ModelSheet& sheet)
{
    sheet_ = &sheet;
    sheet.modelCanvas()->Canvas().SetLog(&ops);
}

void SheetFixture::SetUp()
{
    sheet_->AttachSideWindows(sideWindows_);
    const QList<TRxLabel*> sides = sheet_->sideCanvases();
    ASSERT_LE(sides.size(), 1) << "one log for the side labels of several windows";
    for (TRxLabel* side : sides)
        side->Canvas().SetLog(&sideOps);
}

void SheetFixture::TearDown()
{
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

std::pair<const QWidget*, QString> SheetFixture::ownerOf(const char* name) const
{
    const QString qualified = QString::fromUtf8(name);
    const int dot = qualified.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return {sheet_, qualified};
    return {sideWindows_.sideWindow(qualified.left(dot)), qualified.mid(dot + 1)};
}

int SheetFixture::number(const char* name) const
{
    return find<TVrNum>(name)->value();
}

double SheetFixture::dial(const char* name) const
{
    return find<TVrJogMeter>(name)->value();
}

QString SheetFixture::text(const char* name) const
{
    const std::optional<QString> shows = ReadoutText(find<QWidget>(name));
    if (!shows)
        throw std::invalid_argument(std::string(name) + " shows no text");
    return *shows;
}

bool SheetFixture::shown(const char* name) const
{
    return !find<QWidget>(name)->isHidden();
}

QStringList SheetFixture::readoutNames() const
{
    QStringList names;
    for (const QWidget* readout : sheet_->readouts())
        names << readout->objectName();
    return names;
}

QAbstractSlider* SheetFixture::slider(const char* name) const
{
    return find<QAbstractSlider>(name);
}

QAbstractButton* SheetFixture::button(const char* name) const
{
    return find<QAbstractButton>(name);
}

bool SheetFixture::checked(const char* button) const
{
    return this->button(button)->isChecked();
}

void SheetFixture::set(const char* control, int value)
{
    if (auto* bar = sheet_->findChild<QAbstractSlider*>(control)) {
        bar->setValue(value);
        return;
    }
    auto* toggle = sheet_->findChild<QAbstractButton*>(control);
    if (!toggle || !toggle->isCheckable())
        throw std::invalid_argument(std::string("no control ") + control + " to set");
    toggle->setChecked(value != 0);
}

void SheetFixture::click(const char* button)
{
    this->button(button)->click();
}

void SheetFixture::redrawWith(std::initializer_list<std::pair<const char*, int>> settings)
{
    for (const auto& [control, value] : settings)
        set(control, value);
    redraw();
}

void SheetFixture::redraw()
{
    sheet_->refreshButton()->click();
}

void SheetFixture::restoreDefaults()
{
    click(defaultsButton_);
}

std::vector<const CanvasOp*> SheetFixture::opsOf(const Ops& log, CanvasOp::Kind kind)
{
    std::vector<const CanvasOp*> found;
    for (const CanvasOp& op : log) {
        if (op.kind == kind)
            found.push_back(&op);
    }
    return found;
}

std::vector<std::vector<int>> SheetFixture::argsOf(const Ops& log, CanvasOp::Kind kind)
{
    std::vector<std::vector<int>> found;
    for (const CanvasOp* op : opsOf(log, kind))
        found.push_back(op->args);
    return found;
}

QStringList SheetFixture::texts() const
{
    QStringList found;
    for (const CanvasOp* op : opsOf(CanvasOp::Kind::TextOut))
        found << op->text;
    return found;
}

QStringList SheetFixture::printed(CanvasOp::Kind kind) const
{
    QStringList found;
    for (const CanvasOp* op : opsOf(kind))
        found << op->toString();
    return found;
}

int SheetFixture::linesIn(const QColor& pen) const
{
    int lines = 0;
    for (const CanvasOp* op : opsOf(CanvasOp::Kind::LineTo))
        lines += op->pen.color == pen;
    return lines;
}
