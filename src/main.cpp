// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/toeval.h"
#include "platform/afsluitsignaal.h"
#include "platform/echtetijd.h"
#include "platform/geluid.h"
#include "platform/platform.h"
#include "ui/kit/venster.h"
#include "ui/main/dialogen.h"
#include "ui/main/mainwindow.h"

#include "storage/folderlock.h"
#include "storage/paths.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QScreen>
#include <QStandardPaths>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

// What Qt said while it looked for a display, told only if none could be opened. A message
// handler is a bare function that Qt gives no object, so what it gathers can live nowhere else.
QString& schermMeldingen() {
    static QString tekst;
    return tekst;
}

// Qt ends a program that finds no display with an abort, after warnings that name plugins. A
// player gets one line and status 1 instead (a desktop's menu shows the status, not a core dump).
void meldGeenScherm(QtMsgType soort, const QMessageLogContext&, const QString& tekst) {
    if (soort != QtFatalMsg) {
        schermMeldingen() += tekst.simplified() + u' ';
        return;
    }
    std::fprintf(stderr, "drietalspel: er kan geen beeldscherm worden geopend (%s%s)\n",
                 qPrintable(schermMeldingen()), qPrintable(tekst.section(u'\n', 0, 0)));
    std::_Exit(1);
}

// A screen too small for the board and the toolbar (a netbook's 1024 x 600) gets the program
// again, scaled down to fit, before it takes its lock or shows anything: Qt reads its scale once,
// when the application starts.
void schaalNaarScherm(char* argv[]) {
    const QScreen* scherm = QGuiApplication::primaryScreen();
    if (!scherm || qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        return;
    const QSize ruimte = scherm->size();
    const QSize nodig = Drietal::Main::kNodigeRuimte;
    const qreal schaal =
        std::min(qreal(ruimte.width()) / nodig.width(), qreal(ruimte.height()) / nodig.height());
    if (schaal >= 1)
        return;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(std::floor(schaal * 1000) / 1000, 'f', 3));
    ::execv("/proc/self/exe", argv);
}

// The folder with the settings, the high-score list and the topics: the program folder of a
// portable copy that may write there, else the user's own data folder, made ready with the sample
// topics.
Opslag::Mappen mappenVanDezeKopie() {
    const Opslag::Indeling indeling = Opslag::indelingVoor(QCoreApplication::applicationDirPath());
    return Opslag::kiesMappen(
        indeling.programma, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
        !indeling.geinstalleerd && Opslag::isSchrijfbareMap(indeling.programma));
}

// The desktop entry's action "Map met onderwerpen openen": the folder where the editor saves
// topics, and where a topic copied in from a colleague shows up in the settings window, opened in
// the file manager; no game, no window. Its path goes to standard output, for a terminal.
int openOnderwerpenMap(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Drietalspel"));
    const QString map = mappenVanDezeKopie().dataMap();
    std::printf("%s\n", qPrintable(QDir::toNativeSeparators(map)));
    Platform::WebPaginaOpenen(map);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 2 && std::strcmp(argv[1], "--map-met-onderwerpen") == 0)
        return openOnderwerpenMap(argc, argv);

    // At rest the game only redraws its clock, once a second. Through shared memory each redraw
    // costs an X event and two more wake-ups to acknowledge it; the window's small updates go as
    // well through the X connection itself.
    const bool eigenKeuze = !qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM");
    if (eigenKeuze)
        qputenv("QT_XCB_NO_MITSHM", "1");
    const QtMessageHandler gewoon = qInstallMessageHandler(meldGeenScherm);
    QApplication app(argc, argv);
    qInstallMessageHandler(gewoon);
    if (eigenKeuze) // read at the start; not for the programs the game opens (the web browser)
        qunsetenv("QT_XCB_NO_MITSHM");
    if (!schermMeldingen().isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(schermMeldingen()));
    QApplication::setApplicationName(QStringLiteral("Drietalspel"));
    QApplication::setDesktopFileName(QStringLiteral("nl.drietalspel.Drietalspel"));
    // The game asks for its fonts by name; where they are not installed, the free look-alikes.
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    // Qt's own buttons (OK, Cancel, Yes, No) in Dutch, as the rest of the program.
    Drietal::laadQtVertaling();
    schaalNaarScherm(argv);

    const Opslag::Mappen mappen = mappenVanDezeKopie();
    // A second copy on the same folder would drop the scores of the first at exit.
    Opslag::MapVergrendeling slot(mappen.gebruikersMap());
    if (slot.bezet()) {
        Drietal::meld(nullptr, QStringLiteral("Drietalspel is al geopend.\n\nDe map %1 is in "
                                              "gebruik door een ander Drietalspel.")
                                   .arg(QDir::toNativeSeparators(mappen.gebruikersMap())));
        return 1;
    }

    Platform::EchteTijd tijd;
    Kern::SeamTimer lockVerversen;
    lockVerversen.start(tijd, 60 * 1000, true, [&slot] { slot.ververs(); });
    Regels::Toeval toeval;
    Regels::Instellingen instellingen(mappen);
    Regels::ScoreLijst scores(mappen);
    Drietal::VensterDialogen dialogen(tijd, instellingen, scores, mappen);
    Drietal::Main venster(tijd, toeval, dialogen, instellingen, scores, mappen);
    // Declared after the window, so its sound thread stops first.
    Platform::GeluidSpeler geluid;
    QObject::connect(
        &venster.spel(), &Regels::Spel::geluidGevraagd, &venster,
        [&geluid, &mappen](const QString& bestand) { geluid.speel(mappen.geluidPad(bestand)); });
    Platform::vangAfsluitSignalen([&venster] { venster.sluitZonderVragen(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &venster,
                     [&venster] { venster.sluitZonderVragen(); });
    venster.showFullScreen();
    const int uitkomst = app.exec();
    return uitkomst;
}
