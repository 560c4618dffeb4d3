// What the cells of the main window's two lists show: each reminder's texts and its coloured
// status mark.
#include "Main.h"
#include "MainPrivate.h"
#include "alerts/CoreWords.h"
#include "core/clock.h"

#include <QCoreApplication>
#include <utility>

namespace nudgery {

namespace {

// A status mark: its colour, and the colour in words for those who cannot see it.
struct Mark {
    QColor color;
    const char* words;
};

const Mark NoMark{QColor(255, 255, 255), ""};
const Mark Red{QColor(255, 0, 0), QT_TRANSLATE_NOOP("TMainForm", "Red mark")};
const Mark Yellow{QColor(255, 255, 0), QT_TRANSLATE_NOOP("TMainForm", "Yellow mark")};
const Mark Blue{QColor(0, 0, 255), QT_TRANSLATE_NOOP("TMainForm", "Blue mark")};
const Mark Grey{QColor(128, 128, 128), QT_TRANSLATE_NOOP("TMainForm", "Grey mark")};

void SetMark(TFormatOptions& options, const Mark& mark) {
    options.MarkColor = mark.color;
    options.MarkText =
        *mark.words ? QCoreApplication::translate("TMainForm", mark.words) : QString();
}

QString Shown(const std::string& bytes) {
    return QString::fromLocal8Bit(bytes);
}

const Mark& StatusMark(std::uint8_t status) {
    switch (status) {
    case StatusPending:
        return Red;
    case StatusDone:
        return Yellow;
    case StatusExpired:
        return Blue;
    case StatusNotToday:
        return Grey;
    default:
        return NoMark;
    }
}

// The one-time list's columns after the message: when, and the status with its mark.
void OneTimeCell(const TReminder& reminder, int col, const DateFormats& formats, const Clock& clock,
                 TFormatOptions& options) {
    switch (col) {
    case 1:
        options.Text = CoreText(reminder.WhenText(formats, clock));
        break;
    case 2: {
        std::string status;
        reminder.StatusText(status);
        options.Text = CoreText(status);
        SetMark(options, StatusMark(reminder.Status));
        break;
    }
    default:
        break;
    }
}

// The repeating list's columns after the message: days, first time, interval, and the next
// time with its mark.
void RepeatingCell(const TReminder& reminder, int col, const DateFormats& formats,
                   const Clock& clock, TFormatOptions& options) {
    switch (col) {
    case 1:
        options.Text = DaySpecWords(reminder.DaySpec);
        break;
    case 2:
        options.Text = Shown(reminder.FirstTimeText(formats));
        break;
    case 3:
        options.Text = CoreText(reminder.RepeatText(formats));
        break;
    case 4: {
        const std::string next = reminder.WhenText(formats, clock);
        options.Text =
            next.empty() ? QCoreApplication::translate("TMainForm", "Not today") : CoreText(next);
        // Red for an occurrence still due today, as in the one-time list; grey otherwise.
        const bool dueToday =
            reminder.Status == StatusPending && reminder.DatePart() == clock.Today();
        SetMark(options, dueToday ? Red : Grey);
        break;
    }
    default:
        break;
    }
}

} // namespace

void MainPrivate::SetHeaderFontSize(TFormatOptions& options) const {
    if (q.font().pixelSize() > 0)
        options.Font.Face.setPixelSize(q.font().pixelSize());
    else
        options.Font.Face.setPointSizeF(q.font().pointSizeF());
}

void MainPrivate::GridGetCellFormat(TClickableStringGrid& sender, int col, int row,
                                    TFormatOptions& options) const {
    SetHeaderFontSize(options);
    const TReminder* reminder = std::as_const(sender).Object(row);
    if (!reminder)
        return;
    // Both lists begin with the message.
    if (col == 0)
        options.Text = Shown(reminder->Description);
    else if (&sender == AlarmGrid)
        OneTimeCell(*reminder, col, services.formats, services.clock, options);
    else
        RepeatingCell(*reminder, col, services.formats, services.clock, options);
}

} // namespace nudgery
