#pragma once
// The program's folder: where the data file, the settings file and the help file live.
// It is the folder of the program file when that can be written to; a program installed
// system-wide keeps them in the user's own data folder instead. Always ends in '/'.

#include <QString>

namespace nudgery {

// The chosen folder, from the program file's folder and the user's data folder (created
// when it is the one chosen). Both given explicitly so tests can use scratch folders.
QString ChooseProgramFolder(const QString& executableFolder, const QString& userDataFolder);

// The folder for this run of the program; needs the application object to exist.
QString ProgramFolder();

} // namespace nudgery
