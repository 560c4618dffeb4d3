#include "HistoryWindow.h"

#include "HistoryModel.h"
#include "alerts/CoreWords.h"
#include "art/ProgramArt.h"
#include "core/clock.h"
#include "core/history_entry.h"
#include "platform/desktop_font.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace nudgery {
namespace {

QDate DateOf(TDateTime day) {
    const CalendarDate date = DecodeDate(day);
    return {date.year, date.month, date.day};
}

TDateTime DayOf(const QDate& date) {
    return EncodeDate(date.year(), date.month(), date.day());
}

} // namespace

THistoryWindow::THistoryWindow(HistoryJournal& journal, const DateFormats& formats,
                               const Clock& clock)
    : QWidget(nullptr, Qt::Window), clock_(clock) {
    setObjectName(QStringLiteral("History"));
    setWindowTitle(tr("History"));
    setWindowIcon(ProgramIcon());
    setFont(DesktopFontInPixels(11));
    resize(760, 420);

    model_ = new HistoryModel(journal, formats, this);

    FindEdit = new QLineEdit(this);
    FindEdit->setObjectName(QStringLiteral("FindEdit"));
    FindEdit->setPlaceholderText(tr("Text in the message"));
    FindEdit->setClearButtonEnabled(true);
    auto* findLabel = new QLabel(tr("&Find:"), this);
    findLabel->setBuddy(FindEdit);

    DayCheck = new QCheckBox(tr("On &day:"), this);
    DayCheck->setObjectName(QStringLiteral("DayCheck"));
    DayEdit = new QDateEdit(DateOf(clock_.Today()), this);
    DayEdit->setObjectName(QStringLiteral("DayEdit"));
    DayEdit->setCalendarPopup(true);
    DayEdit->setEnabled(false);
    // The box before it reads "On day:", but a screen reader needs the name on the date.
    DayEdit->setAccessibleName(tr("Day"));

    ReminderLabel = new QLabel(this);
    ReminderLabel->setObjectName(QStringLiteral("ReminderLabel"));
    ReminderLabel->setTextFormat(Qt::PlainText);
    AllButton = new QPushButton(tr("Show &All"), this);
    AllButton->setObjectName(QStringLiteral("AllButton"));

    EntryList = new QTableView(this);
    EntryList->setObjectName(QStringLiteral("EntryList"));
    EntryList->setModel(model_);
    EntryList->setSelectionBehavior(QAbstractItemView::SelectRows);
    EntryList->setSelectionMode(QAbstractItemView::SingleSelection);
    EntryList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    EntryList->setAlternatingRowColors(true);
    EntryList->setAccessibleName(tr("Reminders shown and answered"));
    EntryList->setWordWrap(false);
    EntryList->verticalHeader()->hide();
    // Rows of one fixed height, so that a long history is not measured row by row.
    EntryList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    EntryList->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    // The time columns fit their longest text; the message takes what is left.
    const int timeWidth =
        fontMetrics().horizontalAdvance(QStringLiteral("Mmm 00, 0000 00:00mm")) + 12;
    QHeaderView* header = EntryList->horizontalHeader();
    header->setSectionResizeMode(HistoryModel::ReminderColumn, QHeaderView::Stretch);
    header->resizeSection(HistoryModel::DueColumn, timeWidth);
    header->resizeSection(HistoryModel::ShownColumn, timeWidth);
    header->resizeSection(HistoryModel::AnswerColumn,
                          fontMetrics().horizontalAdvance(CoreText("Left unanswered at the end")) +
                              12);
    header->resizeSection(HistoryModel::ListColumn,
                          fontMetrics().horizontalAdvance(CoreText("Repeating")) + 12);
    header->setHighlightSections(false);

    CountLabel = new QLabel(this);
    CountLabel->setObjectName(QStringLiteral("CountLabel"));
    CloseButton = new QPushButton(tr("Close"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));

    auto* filters = new QHBoxLayout;
    filters->addWidget(findLabel);
    filters->addWidget(FindEdit, 1);
    filters->addSpacing(12);
    filters->addWidget(DayCheck);
    filters->addWidget(DayEdit);
    auto* reminder = new QHBoxLayout;
    reminder->addWidget(ReminderLabel, 1);
    reminder->addWidget(AllButton);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(CountLabel, 1);
    bottom->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addLayout(reminder);
    layout->addWidget(EntryList, 1);
    layout->addLayout(bottom);

    setTabOrder(FindEdit, DayCheck);
    setTabOrder(DayCheck, DayEdit);
    setTabOrder(DayEdit, AllButton);
    setTabOrder(AllButton, EntryList);
    setTabOrder(EntryList, CloseButton);

    connect(FindEdit, &QLineEdit::textChanged, this, &THistoryWindow::ApplyFilter);
    connect(DayCheck, &QCheckBox::toggled, this, [this](bool on) {
        DayEdit->setEnabled(on);
        ApplyFilter();
    });
    connect(DayEdit, &QDateEdit::dateChanged, this, [this] {
        if (DayCheck->isChecked())
            ApplyFilter();
    });
    connect(AllButton, &QPushButton::clicked, this, &THistoryWindow::ShowAll);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    connect(model_, &QAbstractItemModel::modelReset, this, &THistoryWindow::ShowCount);

    ShowAll();
}

void THistoryWindow::ShowAll() {
    reminder_.reset();
    ApplyFilter();
}

void THistoryWindow::ShowReminder(ListKind list, const std::string& message) {
    reminder_ = HistoryFilter::Reminder{list, message};
    ApplyFilter();
}

void THistoryWindow::Refresh() {
    model_->Refresh();
}

void THistoryWindow::ApplyFilter() {
    HistoryFilter filter;
    filter.text = FindEdit->text().toStdString();
    if (DayCheck->isChecked())
        filter.day = DayOf(DayEdit->date());
    filter.reminder = reminder_;
    ReminderLabel->setText(reminder_ ? (reminder_->list == ListKind::Repeating
                                            ? tr("Only the repeating reminder \"%1\"")
                                            : tr("Only the one-time reminder \"%1\""))
                                           .arg(QString::fromStdString(reminder_->message))
                                     : QString());
    ReminderLabel->setVisible(reminder_.has_value());
    AllButton->setVisible(reminder_.has_value());
    model_->SetFilter(std::move(filter));
}

void THistoryWindow::ShowCount() {
    const std::int64_t total = model_->Total();
    CountLabel->setText(total == 1 ? tr("1 entry") : tr("%L1 entries").arg(total));
}

} // namespace nudgery
