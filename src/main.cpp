#include "ui/main/mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Drietalspel"));
    Drietal::MainWindow window;
    window.show();
    return app.exec();
}
