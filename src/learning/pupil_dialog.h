// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QLineEdit;

// Who takes the test; both parts may be left empty.
struct Pupil {
    QString name;
    QString className;
};

// "Кто проходит тест?": the pupil's name and class before the first question.
class PupilDialog : public QDialog {
    Q_OBJECT

public:
    explicit PupilDialog(const Pupil& last, QWidget* parent = nullptr);

    Pupil pupil() const;

private:
    QLineEdit* name_;
    QLineEdit* class_;
};

// Asks in that dialog, `last` filled in; nothing when the pupil cancels. With
// a pupil sink set, the sink answers instead of a dialog.
std::optional<Pupil> AskPupil(QWidget* parent, const Pupil& last);
using PupilSink = std::function<std::optional<Pupil>(const Pupil& last)>;
void SetPupilSink(PupilSink sink);
