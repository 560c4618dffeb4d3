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
    std::optional<QString> ChooseCalendarFileToOpen(QWidget*) override {
        ++askedCalendar;
        return calendarAnswer;
    }
    std::optional<QString> ChooseCalendarFileToSave(QWidget*, const QString& suggested) override {
        ++askedCalendar;
        suggestedCalendar = suggested;
        return calendarAnswer;
    }
    // Nothing: the user cancels.
    std::optional<QString> answer;
    int asked = 0;
    QString askedFolder;
    QString askedFile;
    // For both calendar questions.
    std::optional<QString> calendarAnswer;
    int askedCalendar = 0;
    QString suggestedCalendar;
};

} // namespace nudgery::testing
