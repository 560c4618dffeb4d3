#include "Calendar.h"

#include "CalendarAccessible.h"
#include "core/clock.h"
#include "core/date_formats.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace nudgery {

TCalendar::TCalendar(const Clock& clock, const DateFormats& formats, QWidget* parent)
    : QWidget(parent), clock_(clock), formats_(formats), date_(clock.Today()),
      layout_(date_, startOfWeek_) {
    InstallCalendarAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    RebuildGrid();
}

int TCalendar::Year() const {
    return DecodeDate(date_).year;
}

int TCalendar::Month() const {
    return DecodeDate(date_).month;
}

int TCalendar::Day() const {
    return DecodeDate(date_).day;
}

void TCalendar::SetSelectedDate(TDateTime date) {
    ChangeTo(DatePartOf(date));
}

void TCalendar::ChangeTo(TDateTime date) {
    date_ = date;
    RebuildGrid();
    emit OnChange();
}

void TCalendar::ChangeToIf(const std::optional<TDateTime>& date) {
    if (date)
        ChangeTo(*date);
}

void TCalendar::ChangeByWrite(const std::optional<TDateTime>& date) {
    if (!date)
        return;
    useCurrentDate_ = false;
    ChangeTo(*date);
}

void TCalendar::SetYear(int year) {
    ChangeByWrite(WithYear(date_, year));
}

void TCalendar::SetMonth(int month) {
    ChangeByWrite(WithMonth(date_, month));
}

void TCalendar::SetDay(int day) {
    ChangeByWrite(WithDay(date_, day));
}

void TCalendar::NextMonth() {
    ChangeToIf(StepMonth(date_, 1));
}

void TCalendar::PrevMonth() {
    ChangeToIf(StepMonth(date_, -1));
}

void TCalendar::NextYear() {
    ChangeToIf(StepYear(date_, 1));
}

void TCalendar::PrevYear() {
    ChangeToIf(StepYear(date_, -1));
}

void TCalendar::SetStartOfWeek(int weekday) {
    if (weekday < 0 || weekday > 6 || weekday == startOfWeek_)
        return;
    startOfWeek_ = weekday;
    RebuildGrid();
}

void TCalendar::SetUseCurrentDate(bool on) {
    if (on == useCurrentDate_)
        return;
    useCurrentDate_ = on;
    if (on) {
        date_ = clock_.Today();
        RebuildGrid();
    }
}

void TCalendar::SetGridLineWidth(int width) {
    gridLineWidth_ = std::max(0, width);
    update();
}

void TCalendar::RebuildGrid() {
    layout_ = MonthLayout(date_, startOfWeek_);
    current_ = layout_.CellOf(DecodeDate(date_).day);
    update();
    AnnounceCurrentCell();
}

void TCalendar::AnnounceCurrentCell() {
    if (!QAccessible::isActive() || !hasFocus())
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(AccessibleIndexOf(current_));
    QAccessible::updateAccessibility(&event);
}

QString TCalendar::CellText(GridCell cell) const {
    if (cell.row == 0) {
        const auto weekday = static_cast<std::size_t>(HeaderWeekday(cell.col, startOfWeek_));
        return QString::fromLocal8Bit(formats_.User().shortDayNames[weekday]);
    }
    const int day = layout_.DayAt(cell);
    return day > 0 ? QString::number(day) : QString();
}

QString TCalendar::CellName(GridCell cell) const {
    const RegionalSettings& user = formats_.User();
    if (cell.row == 0)
        return QString::fromLocal8Bit(
            user.longDayNames[static_cast<std::size_t>(HeaderWeekday(cell.col, startOfWeek_))]);
    const int day = layout_.DayAt(cell);
    if (day == 0)
        return {};
    CalendarDate shown = DecodeDate(date_);
    shown.day = day;
    return QString::fromLocal8Bit(formats_.Format("dddddd", EncodeDate(shown)));
}

int TCalendar::ColWidth() const {
    return (width() - (CalendarColumns - 1) * gridLineWidth_) / CalendarColumns;
}

int TCalendar::RowHeight() const {
    return (height() - (CalendarRows - 1) * gridLineWidth_) / CalendarRows;
}

QRect TCalendar::CellRect(GridCell cell) const {
    return QRect(cell.col * (ColWidth() + gridLineWidth_),
                 cell.row * (RowHeight() + gridLineWidth_), ColWidth(), RowHeight());
}

void TCalendar::SelectCell(GridCell cell) {
    if (readOnly_ || layout_.DayAt(cell) == 0)
        return;
    SetDay(layout_.DayAt(cell));
}

void TCalendar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& colours = palette();
    // What is not a cell shows the grid lines.
    painter.fillRect(rect(), colours.color(QPalette::Button));
    for (int row = 0; row < CalendarRows; ++row) {
        for (int col = 0; col < CalendarColumns; ++col) {
            const GridCell cell{col, row};
            const QRect box = CellRect(cell);
            const bool selected = cell == current_;
            QColor fill = colours.color(row == 0 ? QPalette::Button : QPalette::Base);
            QColor ink = colours.color(row == 0 ? QPalette::ButtonText : QPalette::Text);
            if (selected) {
                fill = colours.color(QPalette::Highlight);
                ink = colours.color(QPalette::HighlightedText);
            }
            painter.fillRect(box, fill);
            painter.setPen(ink);
            painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, CellText(cell));
            if (selected && hasFocus()) {
                QStyleOptionFocusRect option;
                option.initFrom(this);
                option.rect = box.adjusted(1, 1, -1, -1);
                option.backgroundColor = fill;
                style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
            }
        }
    }
}

void TCalendar::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    const int col = p.x() / (ColWidth() + gridLineWidth_);
    const int row = p.y() / (RowHeight() + gridLineWidth_);
    const GridCell cell{col, row};
    // A click on a grid line or past the last cell picks nothing.
    if (CellRect(cell).contains(p))
        SelectCell(cell);
}

void TCalendar::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // The focus is on the picked day, not on the calendar as a whole.
    AnnounceCurrentCell();
}

void TCalendar::keyPressEvent(QKeyEvent* event) {
    GridCell target = current_;
    switch (event->key()) {
    case Qt::Key_Left:
        --target.col;
        break;
    case Qt::Key_Right:
        ++target.col;
        break;
    case Qt::Key_Up:
        --target.row;
        break;
    case Qt::Key_Down:
        ++target.row;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    // Like any grid: the selection stops at the edges and never wraps to the next row.
    if (target.col >= 0 && target.col < CalendarColumns)
        SelectCell(target);
}

} // namespace nudgery
