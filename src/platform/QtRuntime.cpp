// Run-time and window services that need the toolkit: events, message boxes, the end of the
// program and the fonts.
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

#include <cstdio>
#include <cstdlib>

namespace glintrow {

void DoEvents() {
    if (Hooks().doEvents) {
        Hooks().doEvents();
        return;
    }
    if (!QCoreApplication::instance())
        return;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void AnswerAssistiveQuestionsUntil(std::chrono::steady_clock::time_point until) {
    if (!QCoreApplication::instance() || !QAccessible::isActive())
        return;
    // The timer counts whole milliseconds and may fire late: it stops a millisecond early and the
    // caller's sleep ends the wait at the very moment.
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              until - std::chrono::steady_clock::now()) -
                          std::chrono::milliseconds(1);
        if (left.count() <= 0)
            return;
        QEventLoop wait;
        QTimer::singleShot(left, Qt::PreciseTimer, &wait, &QEventLoop::quit);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    }
}

bool WaitForEvents() {
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
