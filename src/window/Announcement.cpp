// The notification: screen readers speak a notification when it shows, so each text is shown
// anew; a name that merely changes is not spoken.
#include "Announcement.h"

#include "LeafAccessible.h"

#include <QAccessibleWidget>

namespace glintrow {
namespace {

class AnnouncementAccessible : public QAccessibleWidget {
public:
    explicit AnnouncementAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? static_cast<QLabel*>(widget())->text() : QString();
    }
};

// The toolkit asks by the widget's own class name, so a plain label never becomes one.
QAccessibleInterface* makeAnnouncementAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(Announcement::staticMetaObject.className()))
        return nullptr;
    return new AnnouncementAccessible(static_cast<QWidget*>(object));
}

} // namespace

Announcement::Announcement(QWidget* window) : QLabel(window) {
    InstallAnnouncementAccessible();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // A pixel in the window's corner that is never painted: the picture stays as it is.
    setGeometry(0, 0, 1, 1);
    hide();
}

void Announcement::say(const QString& text) {
    if (!QAccessible::isActive() || text.isEmpty())
        return;
    hide();
    setText(text);
    show();
}

void InstallAnnouncementAccessible() {
    InstallAccessibleFactory(makeAnnouncementAccessible);
}

} // namespace glintrow
