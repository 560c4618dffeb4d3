#pragma once
// The one-time reminder editor over the editor fakes, with its controls found by name.

#include "editor_fixture.h"
#include "ui/editors/Calendar.h"
#include "ui/editors/Editex.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <memory>

namespace nudgery::testing {

class EditAlarmExactTest : public EditorFixture {
protected:
    EditAlarmExactTest() { Remake(); }

    // A fresh editor, as every add or edit makes one.
    void Remake() {
        editor = std::make_unique<TEditAlarmExact>(Services());
        editor->SetWhen(EncodeDate(2024, 7, 1) + EncodeTime(8, 0));
    }

    template <typename T = QWidget> T& Control(const char* name) {
        return FindControl<T>(*editor, name);
    }
    QLineEdit& TimeEdit() { return Control<QLineEdit>("TimeEdit"); }
    QLineEdit& Descript() { return Control<QLineEdit>("Descript"); }
    QLineEdit& WaveFileEdit() { return Control<QLineEdit>("WaveFileEdit"); }
    TCalendar& Calendar() { return Control<TCalendar>("Calendar"); }
    QString DateLabel() { return Control<QLabel>("DateLabel").text(); }
    void Click(const char* button) { Control<QAbstractButton>(button).click(); }

    // Types a time and saves, inside the running dialog.
    Outcome SaveWithTime(const QString& typed) {
        return Run(*editor, [&] {
            TimeEdit().setText(typed);
            Click("SetAlarmButton");
        });
    }

    std::unique_ptr<TEditAlarmExact> editor;
};

} // namespace nudgery::testing
