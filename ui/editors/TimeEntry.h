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
        const char* editTooltip;
        int editWidth;
        int pointSize;
    };

    TTimeEntry(const EditorServices& services, const Shape& shape, QWidget* parent);

    // For a label's accelerator.
    QLineEdit* Edit() const { return edit_; }
    QString Text() const;
    void SetText(const QString& text);
    // The time formatted with the user's short time format.
    void ShowTime(TDateTime time);
    void ShowCurrentTime();
    // The time, or the present time for a value no time edit can show (a damaged data file).
    void ShowTimeOrNow(TDateTime time);
    // The text read as a time of day, or nothing when it is not one.
    std::optional<TDateTime> Time() const;

    // A valid time is shown again in the user's format and returned; anything else is
    // reported with `lead` and the user's format by example, and left as typed.
    std::optional<TDateTime>
    CheckValidTime(const QString& lead = QString::fromLatin1(InvalidTimeLead));

    // What the quick-set button checks first; CheckValidTime unless replaced.
    void SetQuickSetCheck(std::function<bool()> check) { quickSetCheck_ = std::move(check); }
    // The quick-set button: a time that fails the check is replaced by the present time,
    // then the quick time set dialog starts from the edit's time and, on Ok, writes the
    // picked time back.
    void QuickSetClick();

private:
    const EditorServices services_;
    QLineEdit* edit_;
    QToolButton* button_;
    std::function<bool()> quickSetCheck_;
};

} // namespace nudgery
