#pragma once
// The repeating reminder editor over the editor fakes, with its controls found by name.

#include "editor_fixture.h"
#include "ui/controls/SpinEdit.h"
#include "ui/editors/Editrep.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace nudgery::testing {

inline constexpr const char* WeekdayBoxes[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                               "Thursday", "Friday", "Saturday"};

class EditAlarmRepeatingTest : public EditorFixture {
protected:
    EditAlarmRepeatingTest() { Remake(); }

    // A fresh editor, starting at 8:00 AM and, should it repeat until a time, ending at 9:00.
    void Remake() {
        editor = std::make_unique<TEditAlarmRepeating>(Services());
        editor->SetFirstTime(EncodeTime(8, 0));
        editor->SetUntilTime(EncodeTime(9, 0));
    }

    template <typename T = QWidget> T& Control(const char* name) {
        return FindControl<T>(*editor, name);
    }
    QLineEdit& Edit(const char* name) { return Control<QLineEdit>(name); }
    TSpinEdit& Spinner(const char* name) { return Control<TSpinEdit>(name); }
    QComboBox& List(const char* name) { return Control<QComboBox>(name); }
    bool Checked(const char* name) { return Control<QAbstractButton>(name).isChecked(); }
    void Click(const char* button) { Control<QAbstractButton>(button).click(); }

    // The ticked day boxes, Sunday first.
    QStringList TickedDays() {
        QStringList ticked;
        for (const char* day : WeekdayBoxes)
            if (Checked(day))
                ticked << day;
        return ticked;
    }

    // Keys and focus changes reach only the active window.
    void Activate() {
        editor->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    }

    // Types `text` over a spinner's number, leaving the focus in it.
    void TypeInto(const char* spinner, const QString& text) {
        Activate();
        TSpinEdit& box = Spinner(spinner);
        box.setFocus();
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_Delete);
        QTest::keyClicks(&box, text);
    }
    // Types `text` into a spinner and saves with Enter while the spinner has the focus.
    void TypeAndPressEnter(const char* spinner, const QString& text) {
        TypeInto(spinner, text);
        QTest::keyClick(&Spinner(spinner), Qt::Key_Return);
    }

    // Opens the dialog, runs `steps` in it, then clicks Save.
    Outcome Save(const std::function<void()>& steps = {}) {
        return Run(*editor, [&] {
            if (steps)
                steps();
            Click("SetAlarmButton");
        });
    }

    std::unique_ptr<TEditAlarmRepeating> editor;
};

} // namespace nudgery::testing
