#pragma once
// The owner-drawn tab set under the main window's lists: tabs sized for their caption in
// bold, drawn in the regular style, the selected tab in the window colour.

#include <QTabBar>

namespace nudgery {

class TTabSet final : public QTabBar {
    Q_OBJECT
public:
    static constexpr int TabHeight = 22;

    explicit TTabSet(QWidget* parent = nullptr);

    QColor SelectedColor() const;
    QColor UnselectedColor() const;

    // The handlers of the tab set: a tab's width, and the drawing of one tab.
    int TabSetMeasureTab(int index) const;
    void TabSetDrawTab(QPainter& painter, int index, const QRect& rect, bool selected) const;

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    void paintEvent(QPaintEvent* event) override;
};

} // namespace nudgery
