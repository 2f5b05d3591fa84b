// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the game's start-up figures: the least a Qt full-screen window costs. One
// frameless QWidget, sized to the screen and shown full screen, that paints a solid colour.
#include <QApplication>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {

class Vlak : public QWidget {
public:
    Vlak() {
        setWindowTitle(QStringLiteral("baseline"));
        setWindowFlag(Qt::FramelessWindowHint);
        setAttribute(Qt::WA_OpaquePaintEvent);
        // As the game does: without a window manager a full-screen request alone does not
        // resize the window.
        if (const QScreen* scherm = QGuiApplication::primaryScreen())
            resize(scherm->size());
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter p(this);
        p.fillRect(event->rect(), QColor(30, 90, 150));
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Vlak venster;
    venster.showFullScreen();
    return app.exec();
}
