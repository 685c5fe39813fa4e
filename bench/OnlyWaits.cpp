// The floor for a still board: a window of the board's size that paints once and then only waits
// for window events, with no timer, as the game does when nothing moves. bench/run measures it
// beside the game, under the same load.
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class Board : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::darkGray); }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Board board;
    board.setWindowTitle(QStringLiteral("only waits"));
    board.setFixedSize(416, 416);
    board.show();
    return app.exec();
}
