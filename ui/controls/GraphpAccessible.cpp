#include "GraphpAccessible.h"

#include "Graphp.h"
#include "platform/accessible_factory.h"

#include <QAccessibleWidget>

namespace nudgery {

namespace {

class GraphicPanelAccessible final : public QAccessibleWidget {
public:
    explicit GraphicPanelAccessible(TGraphicPanel& panel)
        : QAccessibleWidget(&panel, QAccessible::StaticText), panel_(panel) {}

    QAccessible::Role role() const override {
        return panel_.Pickable() ? QAccessible::RadioButton : QAccessible::StaticText;
    }
    // Named by its caption unless it was given a name of its own.
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && panel_.accessibleName().isEmpty())
            return panel_.ShownCaption();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (panel_.Pickable()) {
            state.checkable = true;
            state.checked = panel_.Picked();
        }
        return state;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (panel_.Pickable() && panel_.isEnabled())
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && panel_.Pickable() && panel_.isEnabled())
            panel_.Press();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    TGraphicPanel& panel_;
};

} // namespace

void InstallGraphicPanelAccessibility() {
    InstallAccessibleFactory<TGraphicPanel, GraphicPanelAccessible>();
}

} // namespace nudgery
