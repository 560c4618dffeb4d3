#pragma once
// The main window's test hook: the check cycle stepped tick by tick, the window's fields,
// and the list operations that no command reaches. Controls are found by their object
// names instead (Find below).

#include "core/clock.h"
#include "ui/main/Main.h"
#include "ui/main/MissedReminders.h"

#include <QObject>
#include <stdexcept>

namespace nudgery::testing {

class MainFormAccess {
public:
    explicit MainFormAccess(TMainForm& form) : form_(form) {}

    // One tick of Timer1; five make one check.
    void Tick() { form_.Timer1Timer(); }
    void CheckBothLists() {
        const TDateTime now = form_.CheckNormalAlarms(form_.services_.clock.Now());
        form_.CheckRepeatAlarms(now);
    }

    int& CheckCounter() { return form_.CheckCounter; }
    bool& Closing() { return form_.Closing; }
    TDateTime LoadedDate() const { return form_.LoadedDate; }

    // The missed-reminders window, a window of its own.
    // The window of missed reminders, made when there is the first to show.
    QWidget* MissedReminders() { return form_.missedWindow_.get(); }

    void SetButtons() { form_.SetButtons(); }
    bool SaveToDisk() { return form_.SaveToDisk(); }
    void Reload() { form_.Reload(); }
    void MoveGridRowToCorrectDateTimeSlot(int row, bool select) {
        form_.MoveGridRowToCorrectDateTimeSlot(row, select);
    }

private:
    TMainForm& form_;
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
