// SPDX-License-Identifier: GPL-3.0-or-later
#include "learning/journal_window.h"

#include "learning/question_tally.h"
#include "learning/result_export.h"
#include "learning/result_journal.h"
#include "learning/result_table.h"
#include "ui/error_box.h"
#include "ui/language.h"
#include "ui/window_placement.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A label that names `control` for the keyboard (Alt+letter) and for screen
// readers, once its caption is set.
QLabel* labelFor(QWidget* control)
{
    auto* label = new QLabel;
    label->setBuddy(control);
    return label;
}

void setCaption(QLabel* label, const QString& caption)
{
    label->setText(caption);
    label->buddy()->setAccessibleName(QString(caption).remove(u'&').remove(u':'));
}

QDateEdit* dateEdit()
{
    auto* edit = new QDateEdit;
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    // Tab stops at the date box, which hands the focus to its text inside;
    // a screen reader finds the name on the box.
    for (auto* text : edit->findChildren<QLineEdit*>())
        text->setFocusPolicy(Qt::ClickFocus);
    return edit;
}

QStandardItem* numberItem(int n)
{
    auto* item = new QStandardItem;
    item->setData(n, Qt::DisplayRole);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

std::optional<QString> chosen(const QComboBox* box)
{
    if (box->currentIndex() <= 0)
        return std::nullopt;
    return box->currentData().toString();
}

} // namespace

JournalWindow::JournalWindow(QWidget* parent)
    : QWidget(parent),
      model_(new ResultTableModel(this)),
      filter_(new ResultFilter(model_, this)),
      summary_(new QStandardItemModel(this)),
      class_(new QComboBox),
      test_(new QComboBox),
      name_(new QLineEdit),
      from_(dateEdit()),
      to_(dateEdit()),
      table_(new QTableView),
      count_(new QLabel),
      unreadableLabel_(new QLabel),
      unreadable_(new QListWidget),
      folder_(new QLabel)
{
    setObjectName(QStringLiteral("JournalWindow"));
    class_->setObjectName(QStringLiteral("classFilter"));
    test_->setObjectName(QStringLiteral("testFilter"));
    name_->setObjectName(QStringLiteral("nameFilter"));
    from_->setObjectName(QStringLiteral("fromDate"));
    to_->setObjectName(QStringLiteral("toDate"));
    table_->setObjectName(QStringLiteral("results"));
    unreadable_->setObjectName(QStringLiteral("unreadable"));

    auto* layout = new QVBoxLayout(this);
    auto* filters = new QHBoxLayout;
    QLabel* const classLabel = labelFor(class_);
    QLabel* const testLabel = labelFor(test_);
    QLabel* const nameLabel = labelFor(name_);
    QLabel* const fromLabel = labelFor(from_);
    QLabel* const toLabel = labelFor(to_);
    for (QWidget* widget : std::initializer_list<QWidget*>{classLabel, class_, testLabel})
        filters->addWidget(widget);
    filters->addWidget(test_, 1);
    for (QWidget* widget : std::initializer_list<QWidget*>{nameLabel, name_, fromLabel, from_, toLabel, to_})
        filters->addWidget(widget);
    name_->setClearButtonEnabled(true);
    layout->addLayout(filters);
    class_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    test_->setMinimumContentsLength(16);

    table_->setModel(filter_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(ResultTableModel::Finished, Qt::DescendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->verticalHeader()->hide();
    table_->setWordWrap(false);
    const int rowHeight = fontMetrics().height() + 8;
    table_->verticalHeader()->setDefaultSectionSize(rowHeight);
    table_->horizontalHeader()->setSectionResizeMode(ResultTableModel::Test, QHeaderView::Stretch);
    layout->addWidget(table_, 3);
    layout->addWidget(count_);

    auto* summaryView = summaryView_ = new QTableView;
    summaryView->setObjectName(QStringLiteral("summary"));
    summaryView->setModel(summary_);
    QLabel* const summaryLabel = labelFor(summaryView);
    summaryView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    summaryView->setSelectionBehavior(QAbstractItemView::SelectRows);
    summaryView->setAlternatingRowColors(true);
    summaryView->verticalHeader()->hide();
    summaryView->setWordWrap(false);
    summaryView->verticalHeader()->setDefaultSectionSize(rowHeight);
    summary_->setColumnCount(6); // named as the language is set
    summaryView->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    layout->addWidget(summaryLabel);
    layout->addWidget(summaryView, 2);

    unreadableLabel_->setBuddy(unreadable_);
    unreadable_->setMaximumHeight(64);
    layout->addWidget(unreadableLabel_);
    layout->addWidget(unreadable_);

    folder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(folder_);
    auto* buttons = new QHBoxLayout;
    auto* chooseFolder = new QPushButton;
    auto* refresh = new QPushButton;
    auto* exportButton = new QPushButton;
    auto* close = new QPushButton;
    for (QPushButton* button : {chooseFolder, refresh, exportButton})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    ConnectGuarded(chooseFolder, &QPushButton::clicked, this, [this] { this->chooseFolder(); });
    ConnectGuarded(refresh, &QPushButton::clicked, this, [this] { Refresh(); });
    ConnectGuarded(exportButton, &QPushButton::clicked, this, [this] { chooseExportFile(); });
    ConnectGuarded(close, &QPushButton::clicked, this, [this] { this->close(); });
    for (QComboBox* box : {class_, test_})
        ConnectGuarded(box, &QComboBox::currentIndexChanged, this, [this] { applyFilters(); });
    ConnectGuarded(name_, &QLineEdit::textChanged, this, [this] { applyFilters(); });
    for (QDateEdit* edit : {from_, to_})
        ConnectGuarded(edit, &QDateEdit::dateChanged, this, [this] { applyFilters(); });

    const auto retranslate = [=, this] {
        setWindowTitle(tr("Журнал результатов"));
        setCaption(classLabel, tr("&Класс:"));
        setCaption(testLabel, tr("&Тест:"));
        setCaption(nameLabel, tr("&Ученик:"));
        name_->setPlaceholderText(tr("часть имени"));
        setCaption(fromLabel, tr("&С:"));
        setCaption(toLabel, tr("&по:"));
        from_->setAccessibleName(tr("С даты"));
        to_->setAccessibleName(tr("По дату"));
        table_->setAccessibleName(tr("Результаты"));
        setCaption(summaryLabel, tr("По &вопросам: сколько ответили верно"));
        summaryView->setAccessibleName(tr("По вопросам"));
        summary_->setHorizontalHeaderLabels({tr("Тест"), tr("№"), tr("Вопрос"),
                                             tr("Верно"), tr("Ответили"), tr("Верно, %")});
        unreadableLabel_->setText(tr("Не прочитаны, пропущены (не результаты или повреждены):"));
        unreadable_->setAccessibleName(tr("Непрочитанные файлы"));
        chooseFolder->setText(tr("Папка журнала…"));
        chooseFolder->setToolTip(tr("Выбрать папку, куда программа пишет результаты, например общую сетевую папку класса"));
        refresh->setText(tr("Обновить"));
        refresh->setShortcut(QKeySequence::Refresh);
        exportButton->setText(tr("Экспорт…"));
        exportButton->setToolTip(tr("Записать показанные результаты в таблицу CSV для LibreOffice Calc или Excel"));
        close->setText(tr("Закрыть"));
        model_->headerDataChanged(Qt::Horizontal, 0, ResultTableModel::ColumnCount - 1);
    };
    retranslate();
    RetranslateOnLanguageChange(this, [this, retranslate] {
        retranslate();
        // The texts the journal's contents decide: the folder, the choices, the count.
        if (isVisible())
            Refresh();
    });

    resize(900, 640);
    // The folder is read when the window opens, never at start-up: a network
    // folder that is slow or gone must not hold the program up.
    ShapeWindow(this, WindowShape::Centred().Resizable().Maximisable());
}

JournalWindow::~JournalWindow() = default;

void JournalWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Refresh();
}

void JournalWindow::Refresh()
{
    const QString folder = JournalFolder();
    JournalContents contents = ReadJournal(folder);
    folder_->setText(tr("Папка журнала: ") + QDir::toNativeSeparators(folder));

    QStringList classes, tests;
    QDate earliest, latest;
    for (const TestResult& result : contents.results) {
        classes << result.pupilClass;
        tests << result.testTitle;
        const QDate day = result.finished.toLocalTime().date();
        earliest = earliest.isValid() ? std::min(earliest, day) : day;
        latest = latest.isValid() ? std::max(latest, day) : day;
    }
    if (!earliest.isValid())
        earliest = latest = QDate::currentDate();
    const QSignalBlocker blockFrom(from_), blockTo(to_);
    // Dates the teacher narrowed stay; dates left open take in the new days.
    if (!earliest_.isValid() || from_->date() == earliest_)
        from_->setDate(earliest);
    if (!latest_.isValid() || to_->date() == latest_)
        to_->setDate(latest);
    earliest_ = earliest;
    latest_ = latest;
    fillChoices(class_, tr("Все классы"), classes);
    fillChoices(test_, tr("Все тесты"), tests);

    unreadable_->clear();
    unreadable_->addItems(contents.unreadable);
    unreadableLabel_->setVisible(!contents.unreadable.isEmpty());
    unreadable_->setVisible(!contents.unreadable.isEmpty());

    model_->setResults(std::move(contents.results));
    table_->resizeColumnsToContents();
    table_->setColumnWidth(ResultTableModel::Pupil, std::max(table_->columnWidth(ResultTableModel::Pupil), 160));
    applyFilters();
}

void JournalWindow::fillChoices(QComboBox* box, const QString& all, QStringList values)
{
    values.removeDuplicates();
    std::sort(values.begin(), values.end(), [](const QString& a, const QString& b) { return a.localeAwareCompare(b) < 0; });
    const std::optional<QString> before = chosen(box);
    const QSignalBlocker block(box);
    box->clear();
    box->addItem(all);
    for (const QString& value : std::as_const(values))
        box->addItem(value.isEmpty() ? tr("(не указан)") : value, value);
    const int index = before ? box->findData(*before) : 0;
    box->setCurrentIndex(std::max(index, 0));
}

void JournalWindow::applyFilters()
{
    filter_->setClass(chosen(class_));
    filter_->setTest(chosen(test_));
    filter_->setName(name_->text());
    filter_->setDates(from_->date(), to_->date());
    count_->setText(tr("Показано результатов: %1 из %2").arg(filter_->rowCount()).arg(model_->rowCount()));
    updateSummary();
}

void JournalWindow::updateSummary()
{
    summary_->removeRows(0, summary_->rowCount());
    for (const QuestionTally& tally : TallyQuestions(filter_->shownResults())) {
        auto* test = new QStandardItem(tally.testTitle);
        test->setToolTip(tally.testFile);
        auto* text = new QStandardItem(tally.questionText);
        text->setToolTip(tally.questionText);
        const int percent = (200 * tally.right + tally.answered) / (2 * tally.answered);
        summary_->appendRow({test, numberItem(tally.question), text, numberItem(tally.right), numberItem(tally.answered),
                             numberItem(percent)});
    }
    summaryView_->resizeColumnsToContents();
    // A long test title leaves the room to the questions.
    summaryView_->setColumnWidth(0, std::min(summaryView_->columnWidth(0), 220));
}

QStringList JournalWindow::unreadableFiles() const
{
    QStringList names;
    for (int i = 0; i < unreadable_->count(); ++i)
        names << unreadable_->item(i)->text();
    return names;
}

void JournalWindow::UseFolder(const QString& folder)
{
    SetJournalFolder(folder);
    Refresh();
}

void JournalWindow::chooseFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Папка журнала результатов"), JournalFolder());
    if (!folder.isEmpty())
        UseFolder(folder);
}

bool JournalWindow::ExportTo(const QString& path)
{
    QString reason;
    if (!ExportResults(path, filter_->shownResults(), &reason)) {
        ShowError(tr("Журнал не удалось записать в файл «%1»: %2").arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    return true;
}

void JournalWindow::chooseExportFile()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = QFileDialog::getSaveFileName(this, tr("Экспорт журнала"),
                                                QDir(documents).filePath(tr("Журнал результатов") + QStringLiteral(".csv")),
                                                tr("Таблица CSV (*.csv)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    ExportTo(path);
}
