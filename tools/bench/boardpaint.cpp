// SPDX-License-Identifier: GPL-3.0-or-later
// Times a full repaint of the board box as the game shows it: the main window is built with a
// fake clock and answered dialogs, on the start screen and again with the solution face up
// (thirty card faces over the board), and the board is repainted N times and grabbed N times.
// Usage: boardpaint <program folder> [N]
// The program folder is only read: the settings and the high-score list go to a temporary folder.
// Prints table rows in the same columns as benchrunner; exits 0 whatever the figures say.
#include "game/instellingen.h"
#include "game/scorelijst.h"
#include "storage/paths.h"
#include "support/nepdialogen.h"
#include "support/neptijd.h"
#include "ui/main/bordwidget.h"
#include "ui/main/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFont>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr double kDoelMs = 2.0;
constexpr int kOpwarmen = 20;

void kopieerMap(const QString& van, const QString& naar) {
    QDir().mkpath(naar);
    for (const QString& bestand : QDir(van).entryList(QDir::Files))
        QFile::copy(van + "/" + bestand, naar + "/" + bestand);
}

struct Uitslag {
    double mediaan = 0;
    double p95 = 0;
};

Uitslag tijdVan(int n, const std::function<void()>& f) {
    for (int i = 0; i < kOpwarmen; ++i)
        f();
    std::vector<double> ms;
    ms.reserve(size_t(n));
    QElapsedTimer klok;
    for (int i = 0; i < n; ++i) {
        klok.start();
        f();
        ms.push_back(double(klok.nsecsElapsed()) / 1e6);
    }
    // What the repaints left queued (the server's completion events) is handled outside the timing.
    QCoreApplication::processEvents();
    std::sort(ms.begin(), ms.end());
    const size_t m = ms.size();
    Uitslag u;
    u.mediaan = m % 2 ? ms[m / 2] : (ms[m / 2 - 1] + ms[m / 2]) / 2;
    u.p95 = ms[std::min(m - 1, size_t(std::ceil(0.95 * double(m))) - 1)];
    return u;
}

void rij(const QString& wat, const Uitslag& u, bool metDoel) {
    const QByteArray w = wat.toUtf8();
    char waarde[64];
    std::snprintf(waarde, sizeof waarde, "%.3f / %.3f", u.mediaan, u.p95);
    std::printf("%-46s %21s %7s  %-18s %s\n", w.constData(), waarde, "-",
                metDoel ? "median < 2 ms" : "-",
                metDoel ? (u.mediaan < kDoelMs ? "PASS" : "FAIL") : "info");
}

void meetBord(Drietal::Main& venster, const QString& toestand, int n) {
    QCoreApplication::processEvents();
    Drietal::BordWidget* bord = venster.bord();
    const QString platform = QGuiApplication::platformName();
    rij(QStringLiteral("board repaint(), %1, %2 (ms)").arg(toestand, platform),
        tijdVan(n, [bord] { bord->repaint(); }), true);
    rij(QStringLiteral("board grab(), %1, %2 (ms)").arg(toestand, platform),
        tijdVan(n, [bord] { (void)bord->grab(); }), false);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: boardpaint <program folder> [N]\n");
        return 2;
    }
    const int n = argc > 2 ? std::max(1, std::atoi(argv[2])) : 500;
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));

    const QString programma = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir gebruiker;
    const Opslag::Mappen mappen(programma, gebruiker.path());
    kopieerMap(programma + "/Data", gebruiker.path() + "/Data");

    NepTijd tijd;
    Regels::Toeval toeval(42);
    NepDialogen dialogen;
    dialogen.naam = QStringLiteral("Sanne");
    Regels::Instellingen instellingen(mappen);
    Regels::ScoreLijst scores(mappen);
    Drietal::Main venster(tijd, toeval, dialogen, instellingen, scores, mappen);
    // The button clicks below need no sound device.
    instellingen.wijzig([](Regels::InstellingWaarden& w) { w.GeluidAan = false; });
    // The size of the bench's screen; the offscreen platform's own screen is smaller.
    venster.resize(1280, 800);
    venster.show();
    QElapsedTimer wacht;
    wacht.start();
    while (!(venster.windowHandle() && venster.windowHandle()->isExposed()) &&
           wacht.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    // The wallpaper is loaded after the first frame; let that happen before timing.
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();

    std::printf("Board box %dx%d, %d repaints and %d grabs per line (median / 95th "
                "percentile)\n",
                venster.bord()->width(), venster.bord()->height(), n, n);
    meetBord(venster, QStringLiteral("start screen"), n);

    // Start a game and let the board be dealt and uncovered: the solution lies face up.
    venster.knopKlik(Drietal::Commando::Start);
    tijd.verstrijk(Drietal::DrukEffect::kDrukMs + 2000 + 1500 + 50);
    if (venster.spel().fase() != Regels::Fase::Onthullen) {
        std::fprintf(stderr, "boardpaint: the game did not reach the reveal\n");
        return 1;
    }
    meetBord(venster, QStringLiteral("faces up"), n);
    return 0;
}
