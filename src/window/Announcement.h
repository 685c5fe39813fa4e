// What the game does, said at once by assistive technology while the keyboard stays on the board:
// a notification shown anew with each text, of which nothing is drawn.
#pragma once

#include <QLabel>

namespace glintrow {

class Announcement : public QLabel {
    Q_OBJECT

public:
    explicit Announcement(QWidget* window);

    // Says the text, if assistive technology listens; sends nothing otherwise.
    void say(const QString& text);

protected:
    void paintEvent(QPaintEvent*) override {}
};

// Has assistive technology take every Announcement for a notification; once per program.
void InstallAnnouncementAccessible();

} // namespace glintrow
