// Paces what the board tells assistive technology: a screen reader cuts off what it is saying for
// what comes next, so what the game did waits until what was said before has had its time.
#pragma once

#include "Announcement.h"

#include <QTimer>

#include <functional>

namespace glintrow {

class Narrator {
public:
    explicit Narrator(QWidget* window);

    // The player's own doing, or the outcome it had: said at once, and what was waiting is
    // dropped, since the player has moved on.
    void sayNow(const QString& text);
    // Something told by other means just now, as long as so many characters take to say.
    void noteTold(qsizetype characters);
    // Told once what was said before has had its time; the latest waiting replaces any other.
    void tellWhenFree(std::function<void()> tell, qsizetype characters);
    // Said as tellWhenFree tells.
    void sayWhenFree(const QString& text);

private:
    void startSpeaking(qsizetype characters);

    Announcement* announcement_;
    // Runs while what was said last is still being said.
    QTimer speaking_;
    std::function<void()> waiting_;
    qsizetype waitingCharacters_ = 0;
};

} // namespace glintrow
