#include "ui/main/mainwindow.h"

#include "game/algemeen.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace Drietal {

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    Algemeen::InstellingenStandaard();
    Algemeen::InstellingenLaden();
    Algemeen::ScoreLijstLaden();
    setWindowTitle(Algemeen::instellingen.TitelTekst);
    auto* layout = new QVBoxLayout(this);
    auto* titel = new QLabel(Algemeen::instellingen.TitelTekst, this);
    titel->setAlignment(Qt::AlignCenter);
    layout->addWidget(titel);
    resize(800, 500);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    Algemeen::InstellingenOpslaan();
    Algemeen::ScoreLijstOpslaan();
    event->accept();
}

} // namespace Drietal
