#include "ui/main/mainwindow.h"

#include "game/algemeen.h"
#include "platform/geluid.h"
#include "platform/platform.h"
#include "storage/paths.h"
#include "ui/main/bordtekening.h"
#include "ui/main/bordwidget.h"
#include "ui/main/helppaneel.h"
#include "ui/main/kaartvak.h"
#include "ui/main/plaatjes.h"
#include "ui/main/werkbalk.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QScreen>

namespace Drietal {
namespace {

// Positions on the window are given in twips, 15 to a pixel.
constexpr int twips(int t) {
    return t / 15;
}

constexpr int kBordStapMs = 200;      // the board is drawn one card line per step
constexpr int kOpeningPerVakMs = 150; // each card line uncovers in this time
constexpr int kAnimatieTikMs = 15;
constexpr int kWallpaperDeler = 2;

QFont letter(const char* familie, qreal punten, bool vet) {
    QFont font(QString::fromLatin1(familie));
    font.setPointSizeF(punten);
    font.setBold(vet);
    return font;
}

QLabel* maakLabel(QWidget* ouder, const QString& tekst, const QFont& font, const QColor& kleur) {
    auto* label = new QLabel(tekst, ouder);
    label->setFont(font);
    QPalette palet = label->palette();
    palet.setColor(QPalette::WindowText, kleur);
    label->setPalette(palet);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->adjustSize();
    return label;
}

void zetKleur(QLabel* label, const QColor& kleur) {
    QPalette palet = label->palette();
    palet.setColor(QPalette::WindowText, kleur);
    label->setPalette(palet);
}

void zetTekst(QLabel* label, const QString& tekst) {
    if (label->text() == tekst)
        return;
    label->setText(tekst);
    label->adjustSize();
}

} // namespace

Main::Main(Algemeen::TijdBron& tijd, Algemeen::Toeval& toeval, Dialogen& dialogen, QWidget* parent)
    : QWidget(parent), m_tijd(tijd), m_dialogen(dialogen), m_spel(tijd, toeval) {
    setWindowTitle(QStringLiteral("Drietalspel"));
    setWindowIcon(vensterIcoon());
    setWindowFlag(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    if (const QScreen* scherm = QGuiApplication::primaryScreen())
        resize(scherm->size());

    bouwTitel();
    bouwBord();
    m_knopPic = new KnopStrook(this);
    const QColor wit(255, 255, 255);
    m_klokLabel =
        maakLabel(m_knopPic, QStringLiteral("00:00:00"), letter("Arial", 9.75, false), wit);
    m_label2 = maakLabel(m_knopPic, QStringLiteral("10"), letter("Arial", 20.25, true),
                         QColor(250, 250, 250));
    m_label2->move(582, 32);
    m_label1 = maakLabel(m_knopPic, QStringLiteral("0 Goed"), letter("Arial", 26.25, true),
                         QColor(250, 250, 250));
    m_label1->move(640, 28);
    for (int i = 0; i < 8; ++i)
        connect(m_knopPic->knop(i), &PlaatjeKnop::geklikt, this, [this, i] { knopKlik(i); });
    connect(m_knopPic->exitKnop(), &PlaatjeKnop::geklikt, this, &Main::exitKlik);
    for (int i = 0; i < 8; ++i)
        setTabOrder(i == 0 ? static_cast<QWidget*>(this) : Knop(i - 1), Knop(i));
    setTabOrder(Knop(7), m_knopPic->exitKnop());
    m_pic->setAccessibleName(QStringLiteral("Speelbord"));
    legUit();

    laadInstellingen();
    verbindSpel();
    m_klokTimer.start(m_tijd, 60, true, [this] { toonKlok(); });
    toonKlok();
}

Main::~Main() = default;

QWidget* Main::KnopPic() const {
    return m_knopPic;
}
PlaatjeKnop* Main::Knop(int index) const {
    return m_knopPic->knop(index);
}

void Main::bouwTitel() {
    const QFont titel = letter("Comic Sans MS", 20.25, true);
    m_titel2 = maakLabel(this, QStringLiteral("Drietalspel"), titel, QColor(225, 225, 225));
    m_titel1 = maakLabel(this, QStringLiteral("Drietalspel"), titel, QColor(0, 0, 0));
    m_titel1->move(twips(5910), twips(300));
    m_titel2->move(twips(5940), twips(330));
    const QFont info = letter("Arial", 14.25, true);
    m_info2 = maakLabel(this, QStringLiteral("Info"), info, QColor(225, 225, 225));
    m_info1 = maakLabel(this, QStringLiteral("Info"), info, QColor(0, 0, 0));
    m_info1->move(twips(6900), twips(8790));
    m_info2->move(twips(6930), twips(8820));
}

void Main::bouwBord() {
    m_pic = new BordWidget(this);
    m_pic->move(twips(1200), twips(1200));
    m_pic->setCursor(bordCursor());
    const qreal dpr = devicePixelRatioF();
    QPixmap& beeld = m_pic->beeld();
    beeld = QPixmap(QSize(kBordBreedte, kBordHoogte) * dpr);
    beeld.setDevicePixelRatio(dpr);
    {
        QPainter p(&beeld);
        tekenBordAchtergrond(p);
        tekenWelkom(p);
    }
    // The start and help pictures fill the gaps the welcome text leaves for them.
    constexpr int kWelkomKnop = 38;
    const auto klein = [dpr](Plaatje soort) {
        QPixmap beeld = knopPlaatje(soort, dpr)
                            .scaled(QSize(kWelkomKnop, kWelkomKnop) * dpr, Qt::KeepAspectRatio,
                                    Qt::SmoothTransformation);
        beeld.setDevicePixelRatio(dpr);
        return beeld;
    };
    m_image1 = new QLabel(m_pic);
    m_image1->setPixmap(klein(Plaatje::Start));
    m_image1->setGeometry(382, 212, kWelkomKnop, kWelkomKnop);
    m_image2 = new QLabel(m_pic);
    m_image2->setPixmap(klein(Plaatje::Help));
    m_image2->setGeometry(382, 254, kWelkomKnop, kWelkomKnop);

    const QFont bordLetter = letter("Arial", 14.25, true);
    const QColor donker(60, 40, 20);
    m_spelerLabel = maakLabel(m_pic, QStringLiteral("Naam Speler"), bordLetter, donker);
    m_spelerLabel->move(644, 2);
    m_timerLabel = maakLabel(m_pic, QStringLiteral("00:00"), bordLetter, donker);
    m_timerLabel->move(710, 474);
    m_onderwerpLabel = maakLabel(m_pic, QStringLiteral("Onderwerp"), bordLetter, donker);
    m_onderwerpLabel->move(35, 473);

    const QFont kaartLetter = letter("Comic Sans MS", 13, true);
    for (int rij = 0; rij < Algemeen::kRijen; ++rij) {
        for (int vak = 0; vak < Algemeen::kVakken; ++vak) {
            auto* gezicht = new QLabel(m_pic);
            gezicht->setFont(kaartLetter);
            gezicht->setAlignment(Qt::AlignCenter);
            gezicht->setAutoFillBackground(true);
            QPalette palet = gezicht->palette();
            palet.setColor(QPalette::Window, Qt::white);
            palet.setColor(QPalette::WindowText, Qt::black);
            gezicht->setPalette(palet);
            gezicht->setGeometry(Algemeen::kKaartLinks[rij] + 2, Algemeen::kaartBoven(vak) + 2,
                                 Algemeen::kGezichtBreedte, Algemeen::kGezichtHoogte);
            gezicht->hide();
            m_gezicht[rij][vak] = gezicht;
        }
    }
    for (int rij = 0; rij < Algemeen::kRijen; ++rij)
        for (int vak = 0; vak < Algemeen::kVakken; ++vak)
            m_vakken[rij][vak] = new KaartVak(rij, vak, m_pic);
    m_pijl = new PijlWidget(m_pic);
    m_pijl->setGeometry(Algemeen::kPijlLinks[0], Algemeen::kPijlBoven, Algemeen::kPijlBreedte,
                        Algemeen::kPijlHoogte);
    m_pijl->hide();

    m_pauze = new PauzePaneel(m_pic);
    connect(m_pauze, &PauzePaneel::geklikt, this, &Main::wisselPauze);

    connect(m_pic, &BordWidget::muisIngedrukt, this,
            [this](QPoint p, Qt::MouseButton knop) { m_spel.klik(p.x(), p.y(), knop); });
}

void Main::laadInstellingen() {
    Algemeen::InstellingenStandaard();
    Algemeen::InstellingenLaden();
    Algemeen::ScoreLijstLaden();
    toonInstellingen();
}

// The settings that the main window shows: think time, topic, title and its colours.
void Main::toonInstellingen() {
    const auto& inst = Algemeen::instellingen;
    m_spel.toonPauzeTijd();
    zetTekst(m_onderwerpLabel, inst.Onderwerp);
    zetTekst(m_titel1, inst.TitelTekst);
    zetTekst(m_titel2, inst.TitelTekst);
    toonTitelKleuren();
    toonTeksten();
}

// The wallpaper is kept at half the screen's resolution and stretched smoothly when painted:
// its soft shapes lose nothing, the JPEG decoder can scale while decoding, and the program
// holds a quarter of a full-screen picture.
void Main::laadWallpaper() {
    QImageReader lezer(Opslag::wallpaperPad(Algemeen::instellingen.WallpaperFile));
    const QSize doel = size() * devicePixelRatioF() / kWallpaperDeler;
    if (lezer.size().isValid())
        lezer.setScaledSize(doel.boundedTo(lezer.size()));
    m_wallpaper = QPixmap::fromImage(lezer.read());
    update();
}

void Main::toonTitelKleuren() {
    const QColor zwart(0, 0, 0);
    const QColor grijs(225, 225, 225);
    const bool standaard = Algemeen::instellingen.TitelKleur;
    zetKleur(m_titel1, standaard ? zwart : grijs);
    zetKleur(m_info1, standaard ? zwart : grijs);
    zetKleur(m_titel2, standaard ? grijs : zwart);
    zetKleur(m_info2, standaard ? grijs : zwart);
}

void Main::legUit() {
    m_knopPic->setGeometry(0, height() - kStrookHoogte, width(), kStrookHoogte);
    plaatsKlok();
}

// The wall clock stands left of the exit button; a long date form moves it further left.
void Main::plaatsKlok() {
    const int ruimte = m_knopPic->width() - 64 - m_klokLabel->width();
    m_klokLabel->move(std::min(m_knopPic->width() - 185, ruimte), 38);
}

void Main::resizeEvent(QResizeEvent*) {
    legUit();
    if (m_wallpaperGevraagd)
        QMetaObject::invokeMethod(this, &Main::laadWallpaper, Qt::QueuedConnection);
}

void Main::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    if (!m_wallpaperGevraagd) {
        // The wallpaper is decoded once the first frame is on the screen, so start-up does not
        // wait for it.
        m_wallpaperGevraagd = true;
        QMetaObject::invokeMethod(this, &Main::laadWallpaper, Qt::QueuedConnection);
    }
    if (m_wallpaper.isNull()) {
        p.fillRect(event->rect(), QColor(40, 50, 60));
        return;
    }
    // Stretched as a whole and clipped, so partial repaints meet without seams.
    p.setClipRect(event->rect());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), m_wallpaper);
}

void Main::mouseDoubleClickEvent(QMouseEvent* event) {
    m_knopPic->setVisible(!m_knopPic->isVisible());
    event->accept();
}

void Main::verbindSpel() {
    using Algemeen::Spel;
    connect(&m_spel, &Spel::tekstenGewijzigd, this, &Main::toonTeksten);
    connect(&m_spel, &Spel::kaartGewijzigd, this, &Main::toonKaart);
    connect(&m_spel, &Spel::pijlGewijzigd, this, &Main::toonPijl);
    connect(&m_spel, &Spel::bordGedeeld, this, &Main::toonGezichten);
    connect(&m_spel, &Spel::pauzeGewijzigd, this, [this](bool gepauzeerd) {
        m_pauze->setVisible(gepauzeerd);
        if (gepauzeerd)
            setFocus();
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
    connect(&m_spel, &Spel::geluidGevraagd, this,
            [](const QString& bestand) { Algemeen::GeluidSpelen(Opslag::geluidPad(bestand)); });
    connect(&m_spel, &Spel::spelGewonnen, this, [this] { m_dialogen.toonScoreLijst(this); });
    connect(&m_spel, &Spel::onderwerpOnleesbaar, this, [this](const QString& naam) {
        m_dialogen.meld(this, QStringLiteral("Het onderwerp \"%1\" kan niet worden gelezen of is "
                                             "niet compleet.\nKies een ander onderwerp bij de "
                                             "instellingen.")
                                  .arg(naam));
    });
}

void Main::toonTeksten() {
    zetTekst(m_info1, m_spel.infoTekst());
    zetTekst(m_info2, m_spel.infoTekst());
    zetTekst(m_label1, m_spel.goedTekst());
    zetTekst(m_label2, m_spel.aftelTekst());
    zetTekst(m_timerLabel, m_spel.timerTekst());
    zetTekst(m_spelerLabel, m_spel.spelerTekst());
}

// New words on the faces. A word too wide for the face at 13 point gets a smaller font, down to
// a size still easy to read.
void Main::toonGezichten() {
    const QFont basis = letter("Comic Sans MS", 13, true);
    const int ruimte = Algemeen::kGezichtBreedte - 6;
    for (int rij = 0; rij < Algemeen::kRijen; ++rij) {
        for (int vak = 0; vak < Algemeen::kVakken; ++vak) {
            QLabel* gezicht = m_gezicht[rij][vak];
            const QString woord = m_spel.woord(rij, vak);
            QFont font = basis;
            while (font.pointSizeF() > 7 && QFontMetrics(font).horizontalAdvance(woord) > ruimte)
                font.setPointSizeF(font.pointSizeF() - 0.5);
            gezicht->setFont(font);
            gezicht->setText(woord);
            gezicht->hide();
            toonVak(rij, vak);
        }
    }
}

void Main::toonVak(int rij, int vak) {
    m_vakken[rij][vak]->zetToestand(m_spel.isOpen(rij, vak), m_spel.woord(rij, vak));
}

void Main::toonKaart(int rij, int vak) {
    toonVak(rij, vak);
    KaartVak* plek = m_vakken[rij][vak];
    if (plek->hasFocus() && m_spel.isOpen(rij, vak))
        verplaatsKaartFocus(0);
    if (m_delen.actief())
        return; // the opening animation shows the faces itself
    QLabel* gezicht = m_gezicht[rij][vak];
    gezicht->resize(Algemeen::kGezichtBreedte, Algemeen::kGezichtHoogte);
    gezicht->setVisible(m_spel.isOpen(rij, vak));
}

void Main::toonPijl() {
    m_pijl->move(m_spel.pijlLinks(), Algemeen::kPijlBoven);
    m_pijl->setVisible(m_spel.pijlZichtbaar());
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
    if (m_klokLabel->text() == tekst)
        return;
    zetTekst(m_klokLabel, tekst);
    plaatsKlok();
}

void Main::drukEffect(QWidget* knop) {
    const int links = knop->x();
    knop->move(links + 2, 25);
    m_spel.knopGeluid();
    Algemeen::Wachten(0.2);
    knop->move(links, 23);
}

void Main::knopKlik(int index) {
    if (index < 0 || index > 7)
        return;
    // While the help is shown only the help button itself reacts.
    if (m_helpPic && m_helpPic->isVisible() && index != 0)
        return;
    drukEffect(Knop(index));
    switch (index) {
    case 0:
        wisselHelp();
        break;
    case 1:
        startCommando();
        break;
    case 2:
        m_spel.wisselGeluid();
        Knop(2)->setPixmap(
            knopPlaatje(Algemeen::instellingen.GeluidAan ? Plaatje::SoundOn : Plaatje::SoundOff,
                        devicePixelRatioF()));
        break;
    case 3:
        m_dialogen.toonWoordform(this);
        break;
    case 4:
        m_dialogen.toonConfig(
            this, [this] { toonInstellingen(); }, [this] { laadWallpaper(); });
        toonInstellingen();
        break;
    case 5:
        m_dialogen.toonScoreLijst(this);
        break;
    case 6:
        Algemeen::WebPaginaOpenen(QString::fromLatin1(kThuisAdres));
        break;
    case 7:
        oplossingCommando();
        break;
    }
}

void Main::wisselHelp() {
    HelpPaneel* help = HelpPic();
    const bool tonen = !help->isVisible();
    if (tonen)
        help->tekenHelp();
    help->setVisible(tonen);
    for (int i = 1; i < 8; ++i)
        Knop(i)->setEnabled(!tonen);
}

// A look at the solution, only while the clock runs; its penalty counts when it closes.
void Main::oplossingCommando() {
    if (!m_spel.magOplossingZien())
        return;
    const Algemeen::SpelToestand& t = m_spel.toestand();
    m_dialogen.toonOplossing(this, t.StrafTijd, t.DrietalCode);
    m_spel.oplossingGezien();
}

void Main::startCommando() {
    const QString naam = m_dialogen.vraagNaam(this);
    if (m_spel.start(naam) != Algemeen::Spel::StartUitkomst::Gestart)
        return;
    m_image1->hide();
    m_image2->hide();
    // The board is drawn afresh, one card line per step, then the cards are uncovered.
    QPixmap& beeld = m_pic->beeld();
    {
        QPainter p(&beeld);
        tekenBordAchtergrond(p);
    }
    m_pic->beeldGewijzigd();
    m_bordStap = 0;
    volgendeBordStap();
    m_delen.start(m_tijd, kBordStapMs, true, [this] { volgendeBordStap(); });
}

void Main::volgendeBordStap() {
    if (m_bordStap < Algemeen::kVakken) {
        QPainter p(&m_pic->beeld());
        tekenKaartRegel(p, m_bordStap++);
        m_pic->beeldGewijzigd();
        return;
    }
    m_openingsBegin = m_tijd.nuMs();
    m_delen.start(m_tijd, kAnimatieTikMs, true, [this] { openingsStap(); });
}

// Uncovers the solution line by line from the top: the three faces of a line widen together.
void Main::openingsStap() {
    const qint64 verstreken = m_tijd.nuMs() - m_openingsBegin;
    for (int vak = 0; vak < Algemeen::kVakken; ++vak) {
        const qint64 begin = vak * qint64(kOpeningPerVakMs);
        if (verstreken < begin)
            break;
        const double deel = std::min(1.0, double(verstreken - begin) / kOpeningPerVakMs);
        const int breedte = 2 + int(std::lround(deel * (Algemeen::kGezichtBreedte - 2)));
        for (int rij = 0; rij < Algemeen::kRijen; ++rij) {
            QLabel* gezicht = m_gezicht[rij][vak];
            gezicht->resize(breedte, Algemeen::kGezichtHoogte);
            gezicht->show();
        }
    }
    if (verstreken >= qint64(kOpeningPerVakMs) * Algemeen::kVakken) {
        m_delen.stop();
        m_spel.startAftellen();
    }
}

QWidget* Main::PauzePic() const {
    return m_pauze;
}

// The help panel is made the first time it is wanted: most games never open it.
HelpPaneel* Main::HelpPic() {
    if (!m_helpPic) {
        m_helpPic = new HelpPaneel(m_pic);
        m_helpPic->move(27, 27);
        m_helpPic->hide();
    }
    return m_helpPic;
}

// Moves the keyboard focus to a face-down card of the row to click next: stap -1 up, +1 down,
// 0 the nearest one from where the focus was.
void Main::verplaatsKaartFocus(int stap) {
    if (m_spel.fase() != Algemeen::Fase::Spelen || m_spel.gepauzeerd() ||
        m_spel.toestand().Stap >= Algemeen::kRijen)
        return;
    const int rij = m_spel.toestand().Stap;
    int vak = 0;
    if (auto* huidig = qobject_cast<KaartVak*>(focusWidget()))
        vak = huidig->vak() + stap;
    else if (stap < 0)
        vak = Algemeen::kVakken - 1;
    const int richting = stap < 0 ? -1 : 1;
    for (int n = 0; n < 2 * Algemeen::kVakken; ++n) {
        const int kandidaat = ((vak % Algemeen::kVakken) + Algemeen::kVakken) % Algemeen::kVakken;
        if (!m_spel.isOpen(rij, kandidaat)) {
            m_vakken[rij][kandidaat]->setFocus(Qt::OtherFocusReason);
            return;
        }
        vak = kandidaat + richting;
    }
}

bool Main::openGefocusteKaart() {
    auto* plek = qobject_cast<KaartVak*>(focusWidget());
    if (!plek)
        return false;
    const QPoint midden = Algemeen::kaartMidden(plek->rij(), plek->vak());
    const int rijVoor = m_spel.toestand().Stap;
    m_spel.klik(midden.x(), midden.y(), Qt::LeftButton);
    // After a card the focus goes on to the same line of the next row.
    if (m_spel.toestand().Stap != rijVoor && m_spel.toestand().Stap < Algemeen::kRijen) {
        const int rij = m_spel.toestand().Stap;
        if (!m_spel.isOpen(rij, plek->vak()))
            m_vakken[rij][plek->vak()]->setFocus(Qt::OtherFocusReason);
        else
            verplaatsKaartFocus(0);
    }
    return true;
}

void Main::wisselPauze() {
    if (m_spel.gepauzeerd())
        m_spel.hervat();
    else
        m_spel.pauzeer();
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
    case Qt::Key_Left:
        verplaatsKaartFocus(-1);
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        verplaatsKaartFocus(+1);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!openGefocusteKaart())
            QWidget::keyPressEvent(event);
        break;
    case Qt::Key_F1:
        knopKlik(0);
        break;
    case Qt::Key_F2:
        knopKlik(1);
        break;
    case Qt::Key_P:
        wisselPauze();
        break;
    case Qt::Key_F11:
        wisselVolledigScherm();
        break;
    case Qt::Key_Escape:
        if (m_dialogen.vraag(this, QStringLiteral("Wil je Drietalspel afsluiten?")))
            exitKlik();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void Main::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        m_spel.pauzeer();
    QWidget::changeEvent(event);
}

void Main::exitKlik() {
    PlaatjeKnop* knop = m_knopPic->exitKnop();
    const int links = knop->x();
    knop->move(links + 2, 25);
    m_spel.speel(QStringLiteral("exit.wav"));
    Algemeen::Wachten(0.2);
    knop->move(links, 23);
    Algemeen::Wachten(3);
    close();
}

void Main::opslaanBijAfsluiten() {
    if (m_opgeslagen)
        return;
    m_opgeslagen = true;
    QStringList mislukt;
    if (Algemeen::InstellingenOpslaan() != Opslag::OpslaanStatus::Opgeslagen)
        mislukt << QStringLiteral("de instellingen (%1)").arg(Opslag::instellingenPad());
    if (Algemeen::ScoreLijstOpslaan() != Opslag::OpslaanStatus::Opgeslagen)
        mislukt << QStringLiteral("de scorelijst (%1)").arg(Opslag::scoreLijstPad());
    if (!mislukt.isEmpty())
        m_dialogen.meld(this, QStringLiteral("Het opslaan van %1 is mislukt.\nDe vorige versie "
                                             "is bewaard gebleven.")
                                  .arg(mislukt.join(QStringLiteral(" en "))));
}

void Main::closeEvent(QCloseEvent* event) {
    opslaanBijAfsluiten();
    m_klokTimer.stop();
    m_delen.stop();
    event->accept();
    if (QCoreApplication::instance())
        QCoreApplication::quit();
}

} // namespace Drietal
