#pragma once
// THistoryWindow: the history of reminders, newest first: every firing with when it fell due,
// when it was shown and how it was answered, found by a text in its message, by day, or for
// one reminder. A window of its own beside the main window; it only reads the journal.

#include "core/history_entry.h"

#include <QWidget>
#include <optional>
#include <string>

class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace nudgery {

class Clock;
class DateFormats;
class HistoryJournal;
class HistoryModel;

class THistoryWindow : public QWidget {
    Q_OBJECT
public:
    THistoryWindow(HistoryJournal& journal, const DateFormats& formats, const Clock& clock);

    // Lists every reminder's entries.
    void ShowAll();
    // Lists one reminder's entries: those of its list with its message.
    void ShowReminder(ListKind list, const std::string& message);
    // Reads the journal again, with the filter as it is.
    void Refresh();

private:
    void ApplyFilter();
    void ShowCount();

    const Clock& clock_;
    HistoryModel* model_ = nullptr;
    // The one reminder whose entries are listed, if any.
    std::optional<HistoryFilter::Reminder> reminder_;

    QLineEdit* FindEdit = nullptr;
    QCheckBox* DayCheck = nullptr;
    QDateEdit* DayEdit = nullptr;
    QLabel* ReminderLabel = nullptr;
    QPushButton* AllButton = nullptr;
    QTableView* EntryList = nullptr;
    QLabel* CountLabel = nullptr;
    QPushButton* CloseButton = nullptr;
};

} // namespace nudgery
