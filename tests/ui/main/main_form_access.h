#pragma once
// The main window's test hook: the check cycle stepped tick by tick, the window's fields,
// and the list operations that no command reaches. Controls are found by their object
// names instead (Find below).

#include "core/clock.h"
#include "ui/history/HistoryWindow.h"
#include "ui/main/Main.h"
#include "ui/main/MainPrivate.h"
#include "ui/main/MissedReminders.h"

#include <QObject>
#include <stdexcept>

namespace nudgery::testing {

class MainFormAccess {
public:
    explicit MainFormAccess(TMainForm& form) : d_(*form.d_) {}

    // One tick of Timer1; five make one check.
    void Tick() { d_.Timer1Timer(); }
    void CheckBothLists() { d_.cycle_.CheckBothLists(d_.services.clock.Now()); }

    int CheckCounter() const { return d_.cycle_.CheckCounter(); }
    bool& Closing() { return d_.Closing; }
    TDateTime LoadedDate() const { return d_.cycle_.LoadedDate(); }

    // The window of missed reminders, made when there is the first to show.
    QWidget* MissedReminders() { return d_.missedWindow_.get(); }
    // The history of reminders, and its window once shown.
    HistoryJournal& Journal() { return d_.journal_; }
    QWidget* HistoryWindow() { return d_.historyWindow_.get(); }

    void SetButtons() { d_.SetButtons(); }
    bool SaveToDisk() { return d_.listsFile_.Save(); }
    void Reload() { d_.cycle_.Load(); }
    void MoveGridRowToCorrectDateTimeSlot(int row, bool select) {
        d_.oneTime_.MoveRowToDateTimeSlot(row, select);
    }

private:
    MainPrivate& d_;
};

// The window's child of type T named `name`; throws when there is none, so a renamed
// control fails the test at once instead of crashing it.
template <typename T> T& Find(const QObject& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw std::logic_error(std::string("no child named ") + name);
    return *found;
}

} // namespace nudgery::testing
