#include "platform/program_folder.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace nudgery {
namespace {

TEST(ProgramFolder, IsTheProgramsOwnFolderWhenItCanBeWrittenTo) {
    TempFolder folder;
    const QString executableFolder = folder.Path("bin");
    ASSERT_TRUE(QDir().mkpath(executableFolder));
    EXPECT_EQ(ChooseProgramFolder(executableFolder, folder.Path("data")), executableFolder + '/');
    EXPECT_FALSE(QFileInfo::exists(folder.Path("data")));
    // The probe file is gone again.
    EXPECT_TRUE(QDir(executableFolder).isEmpty());
}

TEST(ProgramFolder, FallsBackToTheUsersDataFolderAndCreatesIt) {
    TempFolder folder;
    // A "folder" that is a file cannot take new files, not even for root.
    const QString notAFolder = folder.Write("bin", "");
    const QString dataFolder = folder.Path("home/.local/share/Nudgery");
    EXPECT_EQ(ChooseProgramFolder(notAFolder, dataFolder), dataFolder + '/');
    EXPECT_TRUE(QFileInfo(dataFolder).isDir());
}

TEST(ProgramFolder, KeepsASingleTrailingSeparator) {
    TempFolder folder;
    EXPECT_EQ(ChooseProgramFolder(folder.Folder(), folder.Path("data")), folder.Folder());
}

} // namespace
} // namespace nudgery
