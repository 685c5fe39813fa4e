// Run-time and window services that need the toolkit: the frame's wait, events, message boxes,
// the end of the program and the fonts.
#include "Runtime.h"
#include "Window.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>

namespace glintrow {
namespace {

// What the frame's wait holds for the event step, oldest first, and whether a frame waits now.
struct EventStepHold {
    bool frameWaits = false;
    std::deque<std::function<void()>> held;
};

EventStepHold& eventStepHold() {
    static EventStepHold hold;
    return hold;
}

// Catches, while a frame waits, the player's input and the window's closes on their way to any
// object, so that they act at the frame's event step as if they had come then. Keys the
// accessibility bridge sends again are posted events, not the window system's, so an event loop
// that leaves out the window system's input would still deliver them: they are caught here too.
class InputHold : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* target, QEvent* event) override {
        if (!eventStepHold().frameWaits)
            return false;
        const QPointer<QObject> receiver = target;
        if (event->type() == QEvent::Close) {
            // Refused now, asked again at the event step, where the window may accept it.
            event->ignore();
            HoldForEventStep([receiver] { closeAgain(receiver); });
            return true;
        }
        if (!event->isInputEvent())
            return false;
        const std::shared_ptr<QEvent> copy(event->clone());
        HoldForEventStep([receiver, copy] {
            if (receiver)
                QCoreApplication::sendEvent(receiver, copy.get());
        });
        return true;
    }

private:
    static void closeAgain(QObject* receiver) {
        if (auto* widget = qobject_cast<QWidget*>(receiver))
            widget->close();
        else if (auto* window = qobject_cast<QWindow*>(receiver))
            window->close();
    }
};

void installInputHold() {
    static QPointer<InputHold> filter;
    QCoreApplication* application = QCoreApplication::instance();
    if (filter || !application)
        return;
    filter = new InputHold(application);
    application->installEventFilter(filter);
}

// Runs what the frame's wait held; false when it held nothing.
bool runHeld() {
    EventStepHold& hold = eventStepHold();
    if (hold.held.empty())
        return false;
    while (!hold.held.empty()) {
        const std::function<void()> command = std::move(hold.held.front());
        hold.held.pop_front();
        command();
    }
    return true;
}

// Handles a listening screen reader's questions until a millisecond before the tick: the timer
// counts whole milliseconds and may fire late, and the sleep after it ends the wait on time.
// Input from the window system is left for later by the event loop, the rest by InputHold.
void answerScreenReaderUntil(int32_t tick) {
    if (!QCoreApplication::instance() || !QAccessible::isActive())
        return;
    using Clock = std::chrono::steady_clock;
    const Clock::time_point until =
        Clock::now() + std::chrono::milliseconds(TicksBetween(TickCount(), tick) - 1);
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
        if (left.count() <= 0)
            return;
        QEventLoop wait;
        QTimer::singleShot(left, Qt::PreciseTimer, &wait, &QEventLoop::quit);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    }
}

} // namespace

void WaitAnsweringScreenReader(int32_t tick) {
    installInputHold();
    EventStepHold& hold = eventStepHold();
    hold.frameWaits = true;
    struct WaitEnd {
        ~WaitEnd() { eventStepHold().frameWaits = false; }
    } waitEnd;
    // A test's tick stands still: it answers nothing and delivers its events in WaitForTick.
    if (!Hooks().waitForTick)
        answerScreenReaderUntil(tick);
    WaitForTick(tick);
}

bool HoldForEventStep(std::function<void()> command) {
    EventStepHold& hold = eventStepHold();
    if (!hold.frameWaits)
        return false;
    hold.held.push_back(std::move(command));
    return true;
}

void DoEvents() {
    runHeld();
    if (Hooks().doEvents) {
        Hooks().doEvents();
        return;
    }
    if (!QCoreApplication::instance())
        return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool WaitForEvents() {
    // What the wait held came before anything pending: it is this round's events.
    if (runHeld())
        return true;
    if (Hooks().waitForEvents) {
        Hooks().waitForEvents();
        return true;
    }
    if (Hooks().doEvents || !QCoreApplication::instance()) {
        DoEvents();
        return false;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return true;
}

void MsgBox(const std::string& prompt, MsgBoxIcon icon, const std::string& title) {
    if (Hooks().msgBox) {
        Hooks().msgBox(prompt, icon, title);
        return;
    }
    const QString caption =
        title.empty() ? QCoreApplication::applicationName() : QString::fromStdString(title);
    QString text = QString::fromStdString(prompt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
        return;
    }
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    if (icon == MsgBoxIcon::Information)
        boxIcon = QMessageBox::Information;
    else if (icon == MsgBoxIcon::Exclamation)
        boxIcon = QMessageBox::Warning;
    const QPointer<QWidget> owner = QApplication::activeWindow();
    QMessageBox box(boxIcon, caption, text, QMessageBox::Ok, owner);
    // A screen reader reads an alert's text from its description when it finds no label of its
    // own among the box's parts, as with the toolkit's message boxes.
    box.setAccessibleDescription(text);
    box.exec();
    // The keyboard goes back to the window the box came from at once, without waiting for the
    // window system to choose one: an X server without a window manager chooses none. Wayland
    // compositors take the request through xdg-activation where they offer it; weston 10 offers
    // none and hands the keyboard back only once the closed box has faded out.
    if (owner)
        owner->activateWindow();
}

void EndProgram(int status) {
    if (Hooks().endProgram) {
        Hooks().endProgram(status);
        throw ProgramEnded{};
    }
    std::fflush(nullptr);
    std::_Exit(status);
}

void RegisterFallbackFonts() {
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma"), Qt::CaseInsensitive))
        return;
    const QString wineTahoma = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
    if (QFile::exists(wineTahoma))
        QFontDatabase::addApplicationFont(wineTahoma);
}

} // namespace glintrow
