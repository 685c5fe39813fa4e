// A part of a widget that assistive technology reads as an object of its own, with no children of
// its own (a cell of the board, a command of a menu), and the factories that make such objects.
#pragma once

#include <QAccessible>
#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace glintrow {

// Installs a factory of accessible objects once, however often it is asked to.
inline void InstallAccessibleFactory(QAccessible::InterfaceFactory factory) {
    QAccessible::removeFactory(factory);
    QAccessible::installFactory(factory);
}

class LeafAccessible : public QAccessibleInterface {
public:
    explicit LeafAccessible(QWidget* owner) : owner_(owner) {}

    bool isValid() const override { return owner_ != nullptr; }
    QWindow* window() const override { return owner_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(owner_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    // The widget the part lies in.
    QPointer<QWidget> owner_;
};

} // namespace glintrow
