#pragma once
// A file chooser that answers with the path the test set and records how it was asked.

#include "platform/file_chooser.h"

namespace nudgery::testing {

class FakeFileChooser final : public FileChooser {
public:
    std::optional<QString> ChooseSoundFile(QWidget*, const QString& initialFolder,
                                           const QString& initialFile) override {
        ++asked;
        askedFolder = initialFolder;
        askedFile = initialFile;
        return answer;
    }
    // Nothing: the user cancels.
    std::optional<QString> answer;
    int asked = 0;
    QString askedFolder;
    QString askedFile;
};

} // namespace nudgery::testing
