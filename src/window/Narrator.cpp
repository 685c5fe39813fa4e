// The pace of what the board tells: a screen reader at its usual rate says about fifteen
// characters a second, and each notification also says its role.
#include "Narrator.h"

#include <QAccessible>

#include <utility>

namespace glintrow {
namespace {

constexpr int MillisecondsPerCharacter = 65;

qsizetype spokenLength(const QString& text) {
    // The screen reader says "notification" before every announcement.
    return text.size() + 13;
}

} // namespace

Narrator::Narrator(QWidget* window) : announcement_(new Announcement(window)) {
    speaking_.setSingleShot(true);
    QObject::connect(&speaking_, &QTimer::timeout, [this] {
        if (!waiting_)
            return;
        startSpeaking(waitingCharacters_);
        std::exchange(waiting_, nullptr)();
    });
}

void Narrator::sayNow(const QString& text) {
    if (text.isEmpty())
        return;
    waiting_ = nullptr;
    startSpeaking(spokenLength(text));
    announcement_->say(text);
}

void Narrator::noteTold(qsizetype characters) {
    waiting_ = nullptr;
    startSpeaking(characters);
}

void Narrator::tellWhenFree(std::function<void()> tell, qsizetype characters) {
    if (speaking_.isActive()) {
        waiting_ = std::move(tell);
        waitingCharacters_ = characters;
        return;
    }
    startSpeaking(characters);
    tell();
}

void Narrator::sayWhenFree(const QString& text) {
    if (!text.isEmpty())
        tellWhenFree([this, text] { announcement_->say(text); }, spokenLength(text));
}

// Without a screen reader nothing is said, and no timer wakes the game for it.
void Narrator::startSpeaking(qsizetype characters) {
    if (QAccessible::isActive())
        speaking_.start(static_cast<int>(characters) * MillisecondsPerCharacter);
}

} // namespace glintrow
