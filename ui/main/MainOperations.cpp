// The list operations of the main window. They open the reminder editors and the
// preferences, which are built in steps of their own; until then these do nothing.
#include "Main.h"

namespace nudgery {

void TMainForm::AddAlarmButtonClick() {}

void TMainForm::EditAlarmButtonClick() {}

void TMainForm::DeleteAlarmButtonClick() {}

void TMainForm::CloneButtonClick() {}

void TMainForm::AdjustTime(QAction*) {}

void TMainForm::mnuSetPreferencesClick() {}

void TMainForm::mnuDeleteremindersmarkedasdoneClick() {}

void TMainForm::Deleteremindersmarkedasexpired1Click() {}

void TMainForm::mnuShowNudgeryClick() {}

} // namespace nudgery
