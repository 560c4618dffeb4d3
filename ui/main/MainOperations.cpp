// The list operations of the main window: adding, editing, cloning, deleting and shifting
// reminders. They do nothing while the editors are not wired in.
#include "Main.h"

namespace nudgery {

void TMainForm::AddAlarmButtonClick() {}

void TMainForm::EditAlarmButtonClick() {}

void TMainForm::DeleteAlarmButtonClick() {}

void TMainForm::CloneButtonClick() {}

void TMainForm::AdjustTime(QAction*) {}

void TMainForm::mnuDeleteremindersmarkedasdoneClick() {}

void TMainForm::Deleteremindersmarkedasexpired1Click() {}

} // namespace nudgery
