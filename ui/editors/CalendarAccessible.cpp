#include "CalendarAccessible.h"

#include "Calendar.h"
#include "platform/accessible_factory.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <array>

namespace nudgery {

namespace {

constexpr int CellCount = CalendarColumns * CalendarRows;

GridCell CellAtIndex(int index) {
    return {index % CalendarColumns, index / CalendarColumns};
}

// One cell: a weekday's column header in row 0, a day (or an empty place) below.
class CalendarCell final : public QAccessibleInterface,
                           public QAccessibleTableCellInterface,
                           public QAccessibleActionInterface {
public:
    CalendarCell(TCalendar& calendar, GridCell cell) : calendar_(&calendar), cell_(cell) {}

    bool isValid() const override { return !calendar_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return calendar_ ? calendar_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(calendar_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && calendar_ ? calendar_->CellName(cell_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!calendar_)
            return {};
        const QRect box = calendar_->CellRect(cell_);
        return QRect(calendar_->mapToGlobal(box.topLeft()), box.size());
    }
    QAccessible::Role role() const override {
        return IsHeader() ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!calendar_ || IsHeader() || !IsDay())
            return state;
        state.selectable = true;
        state.focusable = true;
        if (cell_ == calendar_->CurrentCell()) {
            state.selected = true;
            state.focused = calendar_->hasFocus();
        }
        state.readOnly = calendar_->ReadOnly();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (IsHeader())
            return nullptr;
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface && IsDay())
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // As a cell of the table: its place among the weeks, under its weekday's header.
    bool isSelected() const override { return calendar_ && cell_ == calendar_->CurrentCell(); }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        QAccessibleInterface* table = parent();
        return table ? QList<QAccessibleInterface*>{table->child(cell_.col)}
                     : QList<QAccessibleInterface*>{};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return cell_.col; }
    int rowIndex() const override { return cell_.row - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    // Pressing a day picks it, as a click on it does.
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (calendar_ && name == pressAction())
            calendar_->SelectCell(cell_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    bool IsHeader() const { return cell_.row == 0; }
    bool IsDay() const { return calendar_ && !calendar_->CellText(cell_).isEmpty(); }

    QPointer<TCalendar> calendar_;
    GridCell cell_;
};

// The calendar: six weeks of seven days under a row of column headers.
class CalendarTable final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit CalendarTable(TCalendar& calendar)
        : QAccessibleWidget(&calendar, QAccessible::Table), calendar_(calendar) {}
    ~CalendarTable() override {
        for (const QAccessible::Id id : cells_)
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return CellCount; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= CellCount)
            return nullptr;
        QAccessible::Id& id = cells_[static_cast<std::size_t>(index)];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(
                new CalendarCell(calendar_, CellAtIndex(index)));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int index = 0; index < CellCount; ++index)
            if (cells_[static_cast<std::size_t>(index)] != 0 && this->child(index) == child)
                return index;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = calendar_.mapFromGlobal(QPoint(x, y));
        for (int index = 0; index < CellCount; ++index)
            if (calendar_.CellRect(CellAtIndex(index)).contains(at))
                return child(index);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return calendar_.hasFocus() ? child(AccessibleIndexOf(calendar_.CurrentCell())) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The table of weeks: rows count from the first week, below the headers.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return child(AccessibleIndexOf({column, row + 1}));
    }
    int selectedCellCount() const override { return 1; }
    QList<QAccessibleInterface*> selectedCells() const override {
        return {child(AccessibleIndexOf(calendar_.CurrentCell()))};
    }
    QString columnDescription(int column) const override { return calendar_.CellName({column, 0}); }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return CalendarColumns; }
    int rowCount() const override { return CalendarRows - 1; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    TCalendar& calendar_;
    // The registered interfaces of the cells, made when first asked for; 0 until then.
    mutable std::array<QAccessible::Id, CellCount> cells_{};
};

} // namespace

void InstallCalendarAccessibility() {
    InstallAccessibleFactory<TCalendar, CalendarTable>();
}

} // namespace nudgery
