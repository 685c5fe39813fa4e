// A menu command with a check mark for assistive technology: the toolkit's own menu items leave
// the mark out, so a screen reader could not tell whether sound is on.
#include "MenuAccessible.h"
#include "LeafAccessible.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QWindow>

namespace glintrow {
namespace {

QMenu* menuOf(QAction* action) {
    for (QObject* shownIn : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(shownIn))
            return menu;
    return nullptr;
}

class CheckableCommandAccessible : public LeafAccessible, public QAccessibleActionInterface {
public:
    CheckableCommandAccessible(QAction* action, QMenu* menu)
        : LeafAccessible(menu), action_(action), menu_(menu) {}

    bool isValid() const override { return action_ && menu_; }
    QObject* object() const override { return action_; }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return QString(action_->text()).remove(QLatin1Char('&'));
        if (kind == QAccessible::Accelerator)
            return action_->shortcut().toString(QKeySequence::NativeText);
        return {};
    }
    QRect rect() const override {
        const QRect place = menu_->actionGeometry(action_);
        return QRect(menu_->mapToGlobal(place.topLeft()), place.size());
    }
    QAccessible::Role role() const override { return QAccessible::CheckBox; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.disabled = !action_->isEnabled();
        state.invisible = !menu_->isVisible();
        state.focused = menu_->activeAction() == action_;
        state.checkable = true;
        state.checked = action_->isChecked();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {toggleAction()}; }
    void doAction(const QString& name) override {
        if (name == toggleAction() && action_->isEnabled())
            action_->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QAction> action_;
    QPointer<QMenu> menu_;
};

QAccessibleInterface* makeCheckableCommandAccessible(const QString&, QObject* object) {
    auto* action = qobject_cast<QAction*>(object);
    QMenu* menu = action && action->isCheckable() ? menuOf(action) : nullptr;
    return menu ? new CheckableCommandAccessible(action, menu) : nullptr;
}

} // namespace

void InstallCheckableCommandAccessible() {
    InstallAccessibleFactory(makeCheckableCommandAccessible);
}

} // namespace glintrow
