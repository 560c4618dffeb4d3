#pragma once
// A time edit with its quick-set button beside it: the time the user types is read and
// shown under the user's regional settings, and the button opens the quick time set
// dialog on it. Both editors use it for every time they ask for.

#include "EditorServices.h"
#include "UserTimeText.h"
#include "core/datetime.h"

#include <QWidget>
#include <functional>
#include <optional>

class QLineEdit;
class QToolButton;

namespace nudgery {

class TTimeEntry : public QWidget {
    Q_OBJECT
public:
    struct Shape {
        const char* editName;
        const char* buttonName;
        QString editTooltip;
        int editWidth;
        int pointSize;
        // What a screen reader calls the edit and the button, whose label stands apart.
        QString spokenEditName;
        QString spokenButtonName;
    };

    TTimeEntry(const EditorServices& services, const Shape& shape, QWidget* parent);

    // For a label's accelerator.
    QLineEdit* Edit() const { return edit_; }
    QString Text() const;
    void SetText(const QString& text);
    // The time formatted with the user's short time format.
    void ShowTime(TDateTime time);
    void ShowCurrentTime();
    // The caller's time (a reminder's), shown in the user's format and kept exactly, seconds
    // included, for as long as the text stays as shown. A value no time edit can show (a
    // damaged data file) shows the present time instead.
    void ShowGivenTime(TDateTime time);
    // The text read as a time of day, or nothing when it is not one; the caller's time
    // while the text is unchanged.
    std::optional<TDateTime> Time() const;

    // A valid time is shown again in the user's format and returned; anything else is
    // reported with `lead` and the user's format by example, and left as typed and selected
    // for the user to correct.
    std::optional<TDateTime> CheckValidTime(const QString& lead = InvalidTimeLead());

    // What the quick-set button checks (and reports) first; CheckValidTime unless replaced.
    void SetQuickSetCheck(std::function<void()> check) { quickSetCheck_ = std::move(check); }
    // The quick-set button: after the check, the quick time set dialog starts from the
    // edit's time (the present time when the text is no time) and, on Ok, writes the picked
    // time back. On Cancel a refused text stays as typed.
    void QuickSetClick();

private:
    const EditorServices services_;
    QLineEdit* edit_;
    QToolButton* button_;
    std::function<void()> quickSetCheck_;
    struct GivenTime {
        QString text;
        TDateTime time;
    };
    std::optional<GivenTime> given_;

    // Whether the text is still the caller's time as shown.
    bool ShowsGivenTime() const;
};

} // namespace nudgery
