// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's board: the cards it shows, the deal's animation, and the player's picks by
// mouse and keyboard, which it hands to the game as moves.
#include "ui/main/bordmaten.h"
#include "ui/main/bordtekening.h"
#include "ui/main/bordwidget.h"
#include "ui/main/helppaneel.h"
#include "ui/main/kaartvak.h"
#include "ui/main/mainwindow.h"
#include "ui/main/plaatjes.h"

#include <QKeyEvent>
#include <QPainter>

namespace Drietal {
namespace {

// Places on the board, in its pixels.
constexpr QPoint kBordPlek = twipsPunt(1200, 1200);
constexpr int kWelkomKnop = 38; // the start and help pictures in the welcome text
constexpr QPoint kImage1(380, 208);
constexpr QPoint kImage2(380, 250);
constexpr QPoint kHelpPlek(27, 27);

constexpr int kBordStapMs = 200;      // the board is drawn one card line per step
constexpr int kOpeningPerVakMs = 150; // each card line uncovers in this time
constexpr int kAnimatieTikMs = 15;

// A toolbar picture shrunk to fit the gap the welcome text leaves for it.
QPixmap welkomPlaatje(Plaatje soort, qreal dpr) {
    QPixmap beeld = knopPlaatje(soort, dpr)
                        .scaled(QSize(kWelkomKnop, kWelkomKnop) * dpr, Qt::KeepAspectRatio,
                                Qt::SmoothTransformation);
    beeld.setDevicePixelRatio(dpr);
    return beeld;
}

QLabel* plaatjeOpBord(QWidget* bord, Plaatje soort, QPoint plek) {
    auto* label = new QLabel(bord);
    label->setPixmap(welkomPlaatje(soort, bord->devicePixelRatioF()));
    label->setGeometry(QRect(plek, QSize(kWelkomKnop, kWelkomKnop)));
    return label;
}

} // namespace

void Main::bouwBord() {
    m_bord = new BordWidget(this);
    m_bord->move(kBordPlek);
    m_bord->setCursor(bordCursor());
    m_bord->setAccessibleName(QStringLiteral("Speelbord"));
    m_bord->setAccessibleDescription(welkomTekst());
    const qreal dpr = devicePixelRatioF();
    QPixmap& beeld = m_bord->beeld();
    beeld = QPixmap(QSize(kBordBreedte, kBordHoogte) * dpr);
    beeld.setDevicePixelRatio(dpr);
    {
        QPainter p(&beeld);
        tekenBordAchtergrond(p);
        tekenWelkom(p);
    }
    m_image1 = plaatjeOpBord(m_bord, Plaatje::Start, kImage1);
    m_image2 = plaatjeOpBord(m_bord, Plaatje::Help, kImage2);
    bouwBordLabels();
    bouwGezichten();
    m_rijKader = new RijKaderWidget(m_bord);
    m_rijKader->setGeometry(kRijKaderLinks[0], kRijKaderBoven, kRijKaderBreedte, kRijKaderHoogte);
    m_rijKader->hide();

    m_pauze = new PauzePaneel(m_bord);
    connect(m_pauze, &PauzePaneel::geklikt, this, &Main::wisselPauze);
    connect(m_bord, &BordWidget::muisIngedrukt, this, &Main::bordKlik);
}

// The white card faces that show the words, and over them the cards' places for the keyboard.
void Main::bouwGezichten() {
    const QFont kaartLetter = comicSans(13, true);
    for (int rij = 0; rij < Regels::kRijen; ++rij) {
        for (int vak = 0; vak < Regels::kVakken; ++vak) {
            auto* gezicht = new QLabel(m_bord);
            gezicht->setFont(kaartLetter);
            gezicht->setAlignment(Qt::AlignCenter);
            gezicht->setAutoFillBackground(true);
            QPalette palet = gezicht->palette();
            palet.setColor(QPalette::Window, Qt::white);
            palet.setColor(QPalette::WindowText, Qt::black);
            gezicht->setPalette(palet);
            gezicht->setGeometry(gezichtRect(rij, vak));
            gezicht->hide();
            m_gezicht[rij][vak] = gezicht;
        }
    }
    for (int rij = 0; rij < Regels::kRijen; ++rij) {
        for (int vak = 0; vak < Regels::kVakken; ++vak) {
            auto* plek = new KaartVak(rij, vak, m_bord);
            plek->hide(); // no cards to read on the welcome screen
            connect(plek, &QAbstractButton::clicked, this, [this, plek] { kiesKaart(plek); });
            m_vakken[rij][vak] = plek;
        }
    }
}

// While the help shows, it lies over the cards: a click on it is no pick.
bool Main::helpZichtbaar() const {
    return m_helpPic && m_helpPic->isVisible();
}

void Main::bordKlik(QPoint plek, Qt::MouseButton knop) {
    if (knop != Qt::LeftButton || helpZichtbaar())
        return;
    if (const auto kaart = geraakteKaart(plek))
        m_spel.kies(kaart->rij, kaart->vak);
}

// The board is drawn afresh, one card line per step, then the cards are uncovered.
void Main::deelUit() {
    m_image1->hide();
    m_image2->hide();
    m_bord->setAccessibleDescription({});
    for (const auto& rij : m_vakken) {
        for (KaartVak* plek : rij)
            plek->show();
    }
    {
        QPainter p(&m_bord->beeld());
        tekenBordAchtergrond(p);
    }
    m_bord->beeldGewijzigd();
    m_bordStap = 0;
    volgendeBordStap();
    m_delen.start(m_tijd, kBordStapMs, true, [this] { volgendeBordStap(); });
}

void Main::volgendeBordStap() {
    if (m_bordStap < Regels::kVakken) {
        QPainter p(&m_bord->beeld());
        tekenKaartRegel(p, m_bordStap++);
        m_bord->beeldGewijzigd();
        return;
    }
    m_openingsBegin = m_tijd.nuMs();
    m_delen.start(m_tijd, kAnimatieTikMs, true, [this] { openingsStap(); });
}

// Uncovers the solution line by line from the top: the three faces of a line widen together.
void Main::openingsStap() {
    const qint64 verstreken = m_tijd.nuMs() - m_openingsBegin;
    for (int vak = 0; vak < Regels::kVakken; ++vak) {
        const qint64 begin = vak * qint64(kOpeningPerVakMs);
        if (verstreken < begin)
            break;
        const double deel = std::min(1.0, double(verstreken - begin) / kOpeningPerVakMs);
        const int breedte = 2 + int(std::lround(deel * (kGezichtBreedte - 2)));
        for (int rij = 0; rij < Regels::kRijen; ++rij) {
            QLabel* gezicht = m_gezicht[rij][vak];
            gezicht->resize(breedte, kGezichtHoogte);
            gezicht->show();
        }
    }
    if (verstreken >= qint64(kOpeningPerVakMs) * Regels::kVakken) {
        m_delen.stop();
        m_spel.startAftellen();
    }
}

// New words on the faces. A word too wide for the face at 13 point gets a smaller font, down to
// a size still easy to read.
void Main::toonGezichten() {
    const QFont basis = comicSans(13, true);
    const int ruimte = kGezichtBreedte - 6;
    for (int rij = 0; rij < Regels::kRijen; ++rij) {
        for (int vak = 0; vak < Regels::kVakken; ++vak) {
            QLabel* gezicht = m_gezicht[rij][vak];
            const QString woord = m_spel.woord(rij, vak);
            gezicht->setFont(passend(basis, woord, ruimte, 7));
            gezicht->setText(woord);
            gezicht->hide();
            toonVak(rij, vak);
        }
    }
}

void Main::toonVak(int rij, int vak) {
    m_vakken[rij][vak]->zetToestand(m_spel.isOpen(rij, vak),
                                    m_spel.gepauzeerd() ? QString() : m_spel.woord(rij, vak));
}

void Main::toonVakken() {
    for (int rij = 0; rij < Regels::kRijen; ++rij) {
        for (int vak = 0; vak < Regels::kVakken; ++vak)
            toonVak(rij, vak);
    }
}

void Main::toonKaart(int rij, int vak) {
    toonVak(rij, vak);
    // A card the player opened: its word is told before the focus moves on.
    if (m_spel.fase() == Regels::Fase::Spelen && m_spel.isOpen(rij, vak))
        zegVoor(m_spel.woord(rij, vak), Voorlees::Woord);
    // A card opened under the focus (a right triple) sends the focus on once the pick is done.
    if (m_vakken[rij][vak]->hasFocus() && m_spel.fase() == Regels::Fase::Spelen &&
        m_spel.isOpen(rij, vak))
        QMetaObject::invokeMethod(
            this, [this] { verplaatsKaartFocus(0); }, Qt::QueuedConnection);
    if (m_delen.actief())
        return; // the opening animation shows the faces itself
    QLabel* gezicht = m_gezicht[rij][vak];
    gezicht->resize(kGezichtBreedte, kGezichtHoogte);
    gezicht->setVisible(m_spel.isOpen(rij, vak));
}

void Main::toonRijKader() {
    m_rijKader->move(kRijKaderLinks[m_spel.rijKaderRij()], kRijKaderBoven);
    m_rijKader->setVisible(m_spel.rijKaderZichtbaar());
}

QWidget* Main::pauzeBeeld() const {
    return m_pauze;
}

// The help panel is made the first time it is wanted: most games never open it.
HelpPaneel* Main::helpPaneel() {
    if (!m_helpPic) {
        m_helpPic = new HelpPaneel(m_bord);
        m_helpPic->move(kHelpPlek);
        m_helpPic->hide();
    }
    return m_helpPic;
}

// Moves the keyboard focus to a face-down card of the row to click next: stap -1 up, +1 down,
// 0 the nearest one from where the focus was.
void Main::verplaatsKaartFocus(int stap) {
    if (m_spel.fase() != Regels::Fase::Spelen || m_spel.gepauzeerd() ||
        m_spel.toestand().Stap >= Regels::kRijen)
        return;
    const int rij = m_spel.toestand().Stap;
    int vak = 0;
    if (auto* huidig = qobject_cast<KaartVak*>(focusWidget()); huidig && huidig->rij() == rij)
        vak = huidig->vak() + stap;
    else if (stap < 0)
        vak = Regels::kVakken - 1;
    const int richting = stap < 0 ? -1 : 1;
    for (int n = 0; n < 2 * Regels::kVakken; ++n) {
        const int kandidaat = ((vak % Regels::kVakken) + Regels::kVakken) % Regels::kVakken;
        if (!m_spel.isOpen(rij, kandidaat)) {
            m_vakken[rij][kandidaat]->setFocus(Qt::OtherFocusReason);
            return;
        }
        vak = kandidaat + richting;
    }
}

// The arrows: during play Up and Down go over the face-down cards of the row to click next; during
// the reveal they go over all cards of a row, so its words can be read, and Left and Right go to
// the same line of the row beside.
void Main::pijlToets(int rijStap, int vakStap) {
    if (m_spel.gepauzeerd())
        return; // the cards are covered
    const auto fase = m_spel.fase();
    if (fase == Regels::Fase::Spelen && rijStap == 0) {
        verplaatsKaartFocus(vakStap);
        return;
    }
    if (fase != Regels::Fase::Onthullen && fase != Regels::Fase::Spelen)
        return;
    auto* huidig = qobject_cast<KaartVak*>(focusWidget());
    const auto rond = [](int i, int n) { return ((i % n) + n) % n; };
    int rij = 0;
    int vak = vakStap < 0 ? Regels::kVakken - 1 : 0;
    if (huidig) {
        rij = rond(huidig->rij() + rijStap, Regels::kRijen);
        vak = rond(huidig->vak() + vakStap, Regels::kVakken);
    }
    m_vakken[rij][vak]->setFocus(Qt::OtherFocusReason);
}

bool Main::openGefocusteKaart() {
    auto* plek = qobject_cast<KaartVak*>(focusWidget());
    if (!plek)
        return false;
    kiesKaart(plek);
    return true;
}

// A card pressed with the keyboard or a screen reader. After it the focus goes on to the same
// line of the next row, or the nearest face-down card there.
void Main::kiesKaart(KaartVak* plek) {
    if (helpZichtbaar() || !m_spel.kies(plek->rij(), plek->vak()))
        return;
    leesVoor(); // the word and the result before the card the focus goes to
    const int rij = m_spel.toestand().Stap;
    if (rij >= Regels::kRijen)
        return;
    if (!m_spel.isOpen(rij, plek->vak()))
        m_vakken[rij][plek->vak()]->setFocus(Qt::OtherFocusReason);
    else
        verplaatsKaartFocus(0);
}

void Main::wisselPauze() {
    if (m_spel.gepauzeerd())
        m_spel.hervat();
    else
        m_spel.pauzeer();
}

// The game waits for the answer as in a pause by P; No plays on from where it was.
void Main::vraagOfAfsluiten() {
    const bool pauzeerVoorVraag = !m_spel.gepauzeerd();
    m_stillePauze = true;
    m_spel.pauzeer();
    m_stillePauze = false;
    const bool afsluiten = m_dialogen.vraag(this, QStringLiteral("Wil je Drietalspel afsluiten?"));
    if (afsluiten)
        afsluitKlik();
    else if (pauzeerVoorVraag)
        m_spel.hervat();
}

void Main::wisselVolledigScherm() {
    if (isFullScreen()) {
        showNormal();
        resize(1024, 768);
    } else {
        showFullScreen();
    }
}

void Main::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        pijlToets(0, -1);
        break;
    case Qt::Key_Down:
        pijlToets(0, +1);
        break;
    case Qt::Key_Left:
        pijlToets(-1, 0);
        break;
    case Qt::Key_Right:
        pijlToets(+1, 0);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!openGefocusteKaart())
            QWidget::keyPressEvent(event);
        break;
    case Qt::Key_F1:
        knopKlik(Commando::Help);
        break;
    case Qt::Key_F2:
        knopKlik(Commando::Start);
        break;
    case Qt::Key_P:
        wisselPauze();
        break;
    case Qt::Key_F11:
        wisselVolledigScherm();
        break;
    case Qt::Key_Escape:
        vraagOfAfsluiten();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void Main::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        if (isMinimized())
            m_spel.pauzeer();
        planKlok();
    }
    if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
        !std::exchange(m_welkomGezegd, true))
        zegVoor(welkomTekst());
    QWidget::changeEvent(event);
}

} // namespace Drietal
