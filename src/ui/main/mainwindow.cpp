// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/mainwindow.h"

#include "storage/fileaccess.h"
#include "storage/paths.h"
#include "ui/main/bordwidget.h"
#include "ui/main/kaartvak.h"
#include "ui/main/plaatjes.h"

#include <QApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QImageReader>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <functional>
#include <utility>

namespace Drietal {
namespace {

// Where the fixed labels stand: on the window in twips, on the board and on the toolbar strip in
// their own pixels. They size themselves to their text. The wall clock follows the strip's width
// (plaatsKlok).
namespace plek {
constexpr QPoint kTitel1 = twipsPunt(5910, 300);
constexpr QPoint kTitel2 = twipsPunt(5940, 330);
constexpr QPoint kInfo1 = twipsPunt(6900, 8790);
constexpr QPoint kInfo2 = twipsPunt(6930, 8820);
constexpr QPoint kSpeler(644, 2);
constexpr QPoint kTimer(710, 474);
constexpr QPoint kOnderwerp(35, 473);
constexpr QPoint kAftelLabel(582, 32);
constexpr QPoint kGoedLabel(640, 28);
constexpr int kKlokBoven = 38;
} // namespace plek

const QColor kDonker(0, 0, 0);
const QColor kLicht(225, 225, 225);
const QColor kStrookTekst(250, 250, 250);

// The captions let the mouse through to the window beneath them.
QLabel* maakLabel(QWidget* ouder, const QString& tekst, const QFont& font, const QColor& kleur,
                  QPoint plek) {
    QLabel* label = tekstLabel(ouder, tekst, plek, font, kleur);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace

Main::Main(Kern::TijdBron& tijd, Regels::Toeval& toeval, Dialogen& dialogen,
           Regels::Instellingen& instellingen, Regels::ScoreLijst& scores,
           const Opslag::Mappen& mappen, QWidget* parent)
    : QWidget(parent), m_tijd(tijd), m_dialogen(dialogen), m_inst(instellingen), m_scores(scores),
      m_mappen(mappen), m_spel(tijd, toeval, instellingen, scores), m_drukEffect(tijd) {
    setWindowTitle(QStringLiteral("Drietalspel"));
    setWindowIcon(vensterIcoon());
    setWindowFlag(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    if (const QScreen* scherm = QGuiApplication::primaryScreen())
        resize(scherm->size());

    volgToetsenbord();
    bouwTitel();
    bouwBord();
    bouwWerkbalk();
    legUit();

    laadInstellingen();
    m_voorlezer = new Voorlezer(this);
    verbindSpel();
    verbindMeldingen();
    toonKlok();
    QMetaObject::invokeMethod(this, &Main::meldBijStart, Qt::QueuedConnection);
}

Main::~Main() = default;

QWidget* Main::werkbalk() const {
    return m_werkbalk;
}
PlaatjeKnop* Main::knop(Commando commando) const {
    return m_werkbalk->knop(commando);
}
PlaatjeKnop* Main::afsluitKnop() const {
    return m_werkbalk->exitKnop();
}

void Main::bouwTitel() {
    const QFont titel = comicSans(20.25, true);
    m_titel2 = maakLabel(this, QStringLiteral("Drietalspel"), titel, kLicht, plek::kTitel2);
    m_titel1 = maakLabel(this, QStringLiteral("Drietalspel"), titel, kDonker, plek::kTitel1);
    const QFont info = arial(14.25, true);
    m_info2 = maakLabel(this, m_spel.infoTekst(), info, kLicht, plek::kInfo2);
    m_info1 = maakLabel(this, m_spel.infoTekst(), info, kDonker, plek::kInfo1);
}

void Main::bouwBordLabels() {
    const QFont bordLetter = arial(14.25, true);
    const QColor bruin(60, 40, 20);
    m_spelerLabel = maakLabel(m_bord, m_spel.spelerTekst(), bordLetter, bruin, plek::kSpeler);
    m_spelKlokLabel = maakLabel(m_bord, m_spel.timerTekst(), bordLetter, bruin, plek::kTimer);
    m_onderwerpLabel =
        maakLabel(m_bord, QStringLiteral("Onderwerp"), bordLetter, bruin, plek::kOnderwerp);
}

void Main::bouwWerkbalk() {
    m_werkbalk = new KnopStrook(this);
    m_wandklokLabel = maakLabel(m_werkbalk, QStringLiteral("00:00:00"), arial(9.75), Qt::white, {});
    m_aftelLabel = maakLabel(m_werkbalk, m_spel.aftelTekst(), arial(20.25, true), kStrookTekst,
                             plek::kAftelLabel);
    m_goedLabel = maakLabel(m_werkbalk, m_spel.goedTekst(), arial(26.25, true), kStrookTekst,
                            plek::kGoedLabel);
    QWidget* vorige = this;
    for (int i = 0; i < kAantalKnoppen; ++i) {
        const auto commando = Commando(i);
        connect(knop(commando), &PlaatjeKnop::geklikt, this,
                [this, commando] { knopKlik(commando); });
        setTabOrder(vorige, knop(commando));
        vorige = knop(commando);
    }
    connect(afsluitKnop(), &PlaatjeKnop::geklikt, this, &Main::afsluitKlik);
    // The sound switch tells a screen reader whether the sound is on.
    knop(Commando::Geluid)->setCheckable(true);
    knop(Commando::Geluid)->setChecked(m_inst.waarden().GeluidAan);
    setTabOrder(vorige, afsluitKnop());
}

void Main::laadInstellingen() {
    m_inst.zetStandaard();
    m_inst.laden();
    m_scores.laden();
    toonInstellingen();
    connect(&m_inst, &Regels::Instellingen::gewijzigd, this, &Main::toonInstellingen);
    connect(&m_inst, &Regels::Instellingen::achtergrondGewijzigd, this, [this] {
        if (m_achtergrondGevraagd)
            laadAchtergrond();
    });
}

// The settings that the main window shows: think time, topic, title and its colours.
void Main::toonInstellingen() {
    const Regels::InstellingWaarden& inst = m_inst.waarden();
    m_spel.toonPauzeTijd();
    zetTekst(m_onderwerpLabel, inst.Onderwerp);
    zetTekst(m_titel1, inst.TitelTekst);
    zetTekst(m_titel2, inst.TitelTekst);
    toonTitelKleuren();
    toonTeksten();
}

void Main::laadAchtergrond() {
    const QString pad = m_mappen.achtergrondPad(m_inst.waarden().WallpaperFile);
    // A settings file may name anything; only a regular file is opened (a FIFO would block).
    if (!Opslag::isGewoonBestand(pad)) {
        m_achtergrond = QPixmap();
        update();
        return;
    }
    QImageReader lezer(pad);
    // Decoded at the window's size in device pixels: as sharp as the screen shows it, and a photo
    // from a camera does not take its full size in memory.
    const QSize doel = size() * devicePixelRatioF();
    if (lezer.size().isValid())
        lezer.setScaledSize(doel.boundedTo(lezer.size()));
    // A file that cannot be decoded leaves the picture that was there.
    QImage beeld = lezer.read();
    if (beeld.isNull())
        return;
    m_achtergrond = QPixmap::fromImage(std::move(beeld));
    update();
}

void Main::toonTitelKleuren() {
    const bool standaard = m_inst.waarden().TitelKleur;
    const QColor voor = standaard ? kDonker : kLicht;
    const QColor schaduw = standaard ? kLicht : kDonker;
    zetTekstKleur(m_titel1, voor);
    zetTekstKleur(m_info1, voor);
    zetTekstKleur(m_titel2, schaduw);
    zetTekstKleur(m_info2, schaduw);
}

void Main::legUit() {
    m_werkbalk->setGeometry(0, height() - kStrookHoogte, width(), kStrookHoogte);
    plaatsKlok();
}

// The wall clock stands left of the exit button; a long date form moves it further left.
void Main::plaatsKlok() {
    const int ruimte = m_werkbalk->width() - 64 - m_wandklokLabel->width();
    m_wandklokLabel->move(std::min(m_werkbalk->width() - 185, ruimte), plek::kKlokBoven);
}

void Main::resizeEvent(QResizeEvent*) {
    legUit();
    if (m_achtergrondGevraagd)
        QMetaObject::invokeMethod(this, &Main::laadAchtergrond, Qt::QueuedConnection);
}

void Main::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (!m_achtergrondGevraagd) {
        // The wallpaper is decoded once the first frame is on the screen, so start-up does not
        // wait for it.
        m_achtergrondGevraagd = true;
        QMetaObject::invokeMethod(this, &Main::laadAchtergrond, Qt::QueuedConnection);
    }
    if (m_achtergrond.isNull()) {
        p.fillRect(event->rect(), QColor(40, 50, 60));
        return;
    }
    // Stretched as a whole and clipped, so partial repaints meet without seams.
    p.setClipRect(event->rect());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), m_achtergrond);
}

// A double-click on the wallpaper itself hides the toolbar or shows it again; one on a control (the
// board, the title, the toolbar strip) is not for the wallpaper.
void Main::mouseDoubleClickEvent(QMouseEvent* event) {
    // By geometry: the labels let the mouse through, so childAt() does not see them.
    const QPoint plek = event->position().toPoint();
    const QList<QWidget*> delen = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    if (std::none_of(delen.begin(), delen.end(), [&](const QWidget* w) {
            return w->isVisible() && w->geometry().contains(plek);
        }))
        m_werkbalk->setVisible(!m_werkbalk->isVisible());
    event->accept();
}

void Main::verbindSpel() {
    using Regels::Spel;
    connect(&m_spel, &Spel::tekstenGewijzigd, this, &Main::toonTeksten);
    connect(&m_spel, &Spel::kaartGewijzigd, this, &Main::toonKaart);
    connect(&m_spel, &Spel::rijKaderGewijzigd, this, &Main::toonRijKader);
    connect(&m_spel, &Spel::bordGedeeld, this, &Main::toonGezichten);
    connect(&m_spel, &Spel::pauzeGewijzigd, this, [this](bool gepauzeerd) {
        m_pauze->setVisible(gepauzeerd);
        // A pause for the leaving question goes unsaid: the question itself is read out, and P
        // does nothing while it is open.
        if (!m_stillePauze)
            zegVoor(gepauzeerd ? QStringLiteral("Pauze. Druk op P om verder te spelen.")
                               : QStringLiteral("Het spel gaat verder."));
        toonVakken(); // the covered cards keep their words from a screen reader too
    });
    // Leaving the game (another program in front, or the window minimised) pauses it; our own
    // dialogs keep the application active, so the solution preview does not.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState st) {
        if (st != Qt::ApplicationActive)
            m_spel.pauzeer();
    });
    connect(&m_spel, &Spel::bezigGewijzigd, this, [](bool bezig) {
        if (bezig)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    });
    connect(&m_spel, &Spel::keuzeBeoordeeld, this, [this](bool goed) {
        zegVoor(goed ? QStringLiteral("Goed") : QStringLiteral("Fout"), Voorlees::Uitslag);
    });
}

void Main::zegVoor(const QString& tekst, Voorlees soort) {
    if (std::all_of(m_voorlezen.begin(), m_voorlezen.end(), std::mem_fn(&QString::isEmpty)))
        QMetaObject::invokeMethod(this, &Main::leesVoor, Qt::QueuedConnection);
    m_voorlezen[std::size_t(soort)] = tekst;
}

void Main::leesVoor() {
    QStringList zinnen;
    for (QString& deel : m_voorlezen) {
        if (!deel.isEmpty() && !deel.back().isPunct())
            deel += u'.';
        if (!deel.isEmpty())
            zinnen << deel;
        deel.clear();
    }
    if (!zinnen.isEmpty())
        m_voorlezer->zeg(zinnen.join(u' '));
}

QString Main::bedenktijdMelding() {
    QString melding = QStringLiteral("De bedenktijd loopt: %1 seconden.").arg(m_spel.aftelTekst());
    if (!std::exchange(m_toetsenUitgelegd, true))
        melding +=
            QStringLiteral(" Lees de kaarten met de pijltjestoetsen: omhoog en omlaag in een "
                           "rij, links en rechts naar de rij ernaast.");
    return melding;
}

// What the game reports in a window of its own: the high-score list after a win, and a topic
// it could not deal.
void Main::verbindMeldingen() {
    using Regels::Spel;
    connect(&m_spel, &Spel::spelGewonnen, this, [this](const QString& regel) {
        // Told now, before the list takes the focus and the reader reads that.
        zegVoor(m_spel.infoTekst() + QStringLiteral(" Tijd ") + m_spel.timerTekst());
        leesVoor();
        // The reader says only "a list" when the list gets the focus on the player's entry (it
        // reads the entries as the arrows move). Queued, the entry is told once the list shows.
        QMetaObject::invokeMethod(
            this, [this, regel] { m_voorlezer->zeg(regel); }, Qt::QueuedConnection);
        m_dialogen.toonScoreLijst(this, regel);
    });
    connect(&m_spel, &Spel::onderwerpOnleesbaar, this, [this](const QString& naam) {
        m_dialogen.meld(this, QStringLiteral("Het onderwerp \"%1\" kan niet worden gelezen of is "
                                             "niet compleet.\nKies een ander onderwerp bij de "
                                             "instellingen.")
                                  .arg(naam));
    });
}

void Main::toonTeksten() {
    if (m_info1->text() != m_spel.infoTekst())
        zegVoor(m_spel.infoTekst());
    if (m_getoondeFase != Regels::Fase::Onthullen && m_spel.fase() == Regels::Fase::Onthullen)
        zegVoor(bedenktijdMelding(), Voorlees::Uitslag);
    if (m_getoondeFase == Regels::Fase::Onthullen && m_spel.fase() == Regels::Fase::Spelen)
        zegVoor(QStringLiteral("De kaarten zijn omgedraaid"), Voorlees::Uitslag);
    m_getoondeFase = m_spel.fase();
    zetTekst(m_info1, m_spel.infoTekst());
    zetTekst(m_info2, m_spel.infoTekst());
    zetTekst(m_goedLabel, m_spel.goedTekst());
    zetTekst(m_aftelLabel, m_spel.aftelTekst());
    zetTekst(m_spelKlokLabel, m_spel.timerTekst());
    zetTekst(m_spelerLabel, m_spel.spelerTekst());
}

// The wall clock shows whole seconds: it wakes at each second's turn, so the time shown is never
// late, and not at all while the window cannot be seen.
void Main::planKlok() {
    if (!isVisible() || isMinimized()) {
        m_klokTimer.stop();
        return;
    }
    const int rest = 1000 - QTime::currentTime().msec();
    m_klokTimer.start(m_tijd, rest, false, [this] {
        toonKlok();
        planKlok();
    });
}

void Main::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    toonKlok();
    planKlok();
}

void Main::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    planKlok();
}

void Main::toonKlok() {
    const QDateTime nu = QDateTime::currentDateTime();
    if (nu.date() != m_klokDatum) {
        // The date in the locale's short form changes once a day; formatting it is not free.
        m_klokDatum = nu.date();
        m_klokDatumTekst = QLocale::system().toString(m_klokDatum, QLocale::ShortFormat);
    }
    const QString tekst = QStringLiteral(" %1 / %2")
                              .arg(nu.time().toString(QStringLiteral("H:mm:ss")), m_klokDatumTekst);
    if (m_wandklokLabel->text() == tekst)
        return;
    zetTekst(m_wandklokLabel, tekst);
    plaatsKlok();
}

} // namespace Drietal
