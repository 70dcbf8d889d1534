// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/pupil_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

PupilSink& pupilSink()
{
    static PupilSink sink;
    return sink;
}

} // namespace

PupilDialog::PupilDialog(const Pupil& last, QWidget* parent)
    : QDialog(parent), name_(new QLineEdit(last.name)), class_(new QLineEdit(last.className))
{
    setObjectName(QStringLiteral("PupilDialog"));
    setWindowTitle(tr("Кто проходит тест?"));
    auto* form = new QFormLayout(this);
    form->addRow(new QLabel(tr("Имя и класс попадут в журнал результатов; их можно не указывать.")));
    name_->setAccessibleName(tr("Имя и фамилия"));
    name_->setMinimumWidth(260);
    class_->setAccessibleName(tr("Класс"));
    class_->setPlaceholderText(tr("например, 8 Б"));
    form->addRow(tr("&Имя и фамилия:"), name_);
    form->addRow(tr("&Класс:"), class_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Начать"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    name_->setFocus();
}

Pupil PupilDialog::pupil() const
{
    return {name_->text().trimmed(), class_->text().trimmed()};
}

std::optional<Pupil> AskPupil(QWidget* parent, const Pupil& last)
{
    if (pupilSink())
        return pupilSink()(last);
    PupilDialog dialog(last, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.pupil();
}

void SetPupilSink(PupilSink sink)
{
    pupilSink() = std::move(sink);
}
