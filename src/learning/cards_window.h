// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class TForm14;
}

class JournalWindow;
class TForm17;

// The task cards: rich-text documents read on demand, and the way into the
// test and into the journal of its results.
class TForm14 : public QWidget {
    Q_OBJECT

public:
    explicit TForm14(QWidget* parent = nullptr);
    ~TForm14() override;

    void SetTestWindow(TForm17* window);
    void SetJournalWindow(JournalWindow* window);

    // Loads the card file ("txt\k1.rtf") in place of the card shown.
    void LoadCard(const QString& relativeName);
    void sBitBtn7Click();
    void sBitBtn1Click();

    QString cardText() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<Ui::TForm14> ui;
    TForm17* test_ = nullptr;
    JournalWindow* journal_ = nullptr;
    // The card shown, by its file; empty while none is.
    QString card_;
};
