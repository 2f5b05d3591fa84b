// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/config.h"

#include "game/instellingenkeuze.h"
#include "ui/kit/venster.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace Drietal {
namespace {

// Where the window's controls stand, in twips. The text labels size themselves to their text.
namespace plek {
constexpr QSize kVenster = twipsVenster(7860, 4560);
constexpr QRect kKleurenVlak = twipsRect(240, 240, 1740, 960);
constexpr QRect kKleurBalken[3] = {twipsRect(270, 270, 1680, 300), twipsRect(270, 570, 1680, 300),
                                   twipsRect(270, 870, 1680, 300)};
constexpr QPoint kKleurOpschrift = twipsPunt(270, 1230);
constexpr QRect kResetVlak = twipsRect(2130, 240, 990, 390);
constexpr QRect kResetKnop = twipsRect(2160, 270, 930, 330);
constexpr QRect kTandwiel = twipsRect(2250, 1200, 720, 720);
constexpr QPoint kBedenktijdOpschrift = twipsPunt(240, 2100);
constexpr QRect kBedenktijdVlak = twipsRect(240, 2400, 1935, 360);
constexpr QRect kBedenktijdBalk = twipsRect(270, 2430, 1875, 300);
constexpr QPoint kBedenktijdWaarde = twipsPunt(2220, 2445);
constexpr QPoint kTitelOpschrift = twipsPunt(255, 3210);
constexpr QRect kTitelVeld = twipsRect(240, 3525, 3000, 330);
constexpr QRect kTitelKleurVlakken[2] = {twipsRect(3300, 3510, 375, 375),
                                         twipsRect(3750, 3510, 375, 375)};
constexpr QRect kSluitVlak = twipsRect(6630, 3525, 900, 390);
constexpr QRect kSluitKnop = twipsRect(6660, 3555, 840, 330);
constexpr QRect kOnderwerpLijst = twipsRect(3300, 240, 1890, 1740);
constexpr QPoint kOnderwerpOpschrift = twipsPunt(3330, 2040);
constexpr QRect kAchtergrondLijst = twipsRect(5400, 240, 2160, 1740);
constexpr QPoint kAchtergrondOpschrift = twipsPunt(5400, 2040);
} // namespace plek

// The text label style of the window: dark grey on the window's own colour, sized to its text.
QLabel* opschrift(QWidget* ouder, const QString& tekst, QPoint plek) {
    return tekstLabel(ouder, tekst, plek, arial(9.75), QColor(64, 64, 64));
}

QScrollBar* balk(QWidget* ouder, const QRect& plek, int laag, int hoog, int blad) {
    auto* scroll = new QScrollBar(Qt::Horizontal, ouder);
    scroll->setGeometry(plek);
    scroll->setRange(laag, hoog);
    scroll->setSingleStep(1);
    scroll->setPageStep(blad);
    scroll->setFocusPolicy(Qt::StrongFocus); // in the Tab order: the arrows set it too
    return scroll;
}

// Entries no wider than the list: a name longer than that ends in an ellipsis (the whole name is
// its tooltip) instead of running under the list's edge behind a scroll bar.
class BinnenDeBreedte : public QStyledItemDelegate {
public:
    explicit BinnenDeBreedte(QListWidget* lijst) : QStyledItemDelegate(lijst), m_lijst(lijst) {}
    QSize sizeHint(const QStyleOptionViewItem& optie, const QModelIndex& index) const override {
        QSize maat = QStyledItemDelegate::sizeHint(optie, index);
        maat.setWidth(std::min(maat.width(), m_lijst->viewport()->width()));
        return maat;
    }

private:
    QListWidget* m_lijst;
};

// A list whose choice is made by a click on an entry (also on the one already selected) or by
// moving the selection with the keyboard, not by selecting from code.
class KeuzeLijst : public QListWidget {
public:
    KeuzeLijst(QWidget* ouder, const QRect& plek, std::function<void(int)> bijKeuze)
        : QListWidget(ouder), m_bijKeuze(std::move(bijKeuze)) {
        setGeometry(plek);
        setFont(arial(9.75));
        setSelectionMode(QAbstractItemView::SingleSelection);
        setStyleSheet(lijstStijl());
        setItemDelegate(new BinnenDeBreedte(this));
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Laid out again when a scroll bar comes or goes and the entries' room changes.
        setResizeMode(QListView::Adjust);
        connect(this, &QListWidget::itemClicked, this,
                [this](QListWidgetItem* item) { m_bijKeuze(row(item)); });
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int voor = currentRow();
        QListWidget::keyPressEvent(event);
        if (currentRow() != voor && currentRow() >= 0)
            m_bijKeuze(currentRow());
    }

private:
    std::function<void(int)> m_bijKeuze;
};

void vulLijst(QListWidget* lijst, const QStringList& namen) {
    lijst->addItems(namen);
    for (int rij = 0; rij < lijst->count(); ++rij)
        lijst->item(rij)->setToolTip(namen[rij]);
}

// The text under a list, no wider than the list: a topic's name may be long, and the label to its
// right must stay readable. The whole text is the tooltip and the name for a screen reader.
void toonOnderschrift(QLabel* label, const QString& tekst, const QWidget* lijst) {
    const int breedte = lijst->geometry().right() + 1 - label->x();
    const QString passend = label->fontMetrics().elidedText(tekst, Qt::ElideRight, breedte);
    zetTekst(label, passend);
    label->setToolTip(passend == tekst ? QString() : tekst);
    label->setAccessibleName(tekst);
}

// A swatch takes a click like a button: released over it with the left button.
class Kleurvlak : public QLabel {
public:
    Kleurvlak(QWidget* ouder, const QRect& plek, const QColor& kleur, std::function<void()> bijKlik)
        : QLabel(ouder), m_bijKlik(std::move(bijKlik)) {
        setGeometry(plek);
        zetAchtergrond(this, kleur);
        setCursor(Config::handCursor());
        setFocusPolicy(Qt::TabFocus); // Space or Enter chooses it
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_bijKlik();
    }
    void keyPressEvent(QKeyEvent* event) override {
        const int k = event->key();
        if (k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter)
            m_bijKlik();
        else
            QLabel::keyPressEvent(event);
    }
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        if (!hasFocus() || !focusKaderZichtbaar())
            return;
        QPainter p(this);
        p.setPen(QPen(QColor(0, 190, 255), 2));
        p.drawRect(QRectF(1, 1, width() - 2, height() - 2));
    }

private:
    std::function<void()> m_bijKlik;
};

} // namespace

Config::Config(Regels::Instellingen& instellingen, const Opslag::Mappen& mappen, QWidget* parent,
               const QPixmap& tandwiel, std::function<void(QWidget*, const QString&)> meld)
    : QDialog(parent), m_inst(instellingen), m_mappen(mappen),
      m_meld(meld ? std::move(meld) : Drietal::meld) {
    // The bars cannot show a value outside their range, and an edited settings file may hold one.
    m_inst.wijzig([](Regels::InstellingWaarden& w) { Regels::begrensInstellingen(w); });
    const Regels::InstellingWaarden& inst = m_inst.waarden();
    bouw(tandwiel);

    m_kleurBalken[0]->setValue(inst.ColorRed);
    m_kleurBalken[1]->setValue(inst.ColorGreen);
    m_kleurBalken[2]->setValue(inst.ColorBlue);
    m_bedenktijdBalk->setValue(inst.PauzeTijd);
    zetTekst(m_bedenktijdWaarde, QStringLiteral("%1 Seconden").arg(inst.PauzeTijd));
    m_titelVeld->setText(inst.TitelTekst);

    for (int i = 0; i < 3; ++i)
        connect(m_kleurBalken[i], &QScrollBar::valueChanged, this,
                [this, i](int waarde) { kleurGewijzigd(i + 1, waarde); });
    connect(m_bedenktijdBalk, &QScrollBar::valueChanged, this, &Config::pauzeGewijzigd);
    connect(m_resetKnop, &QPushButton::clicked, this, &Config::resetKlik);
    connect(m_sluitKnop, &QPushButton::clicked, this, &Config::pasTitelToeEnSluit);
    connect(m_titelVeld, &QLineEdit::returnPressed, this, &Config::pasTitelToeEnSluit);
    connect(&m_inst, &Regels::Instellingen::gewijzigd, this,
            [this] { zetAchtergrond(this, vensterKleur(m_inst.waarden())); });

    vulOnderwerpen();
    vulAchtergronden();
    // Not on Reset, where a stray key press would undo the colours.
    m_titelVeld->setFocus();
}

void Config::bouw(const QPixmap& tandwiel) {
    setWindowTitle(QStringLiteral(" Configuratie"));
    setModal(true);
    setFixedSize(plek::kVenster);
    zetAchtergrond(this, vensterKleur(m_inst.waarden()));
    bouwKleuren(tandwiel);
    bouwPauze();
    bouwTitel();
    m_onderwerpLijst =
        new KeuzeLijst(this, plek::kOnderwerpLijst, [this](int rij) { kiesOnderwerp(rij); });
    m_onderwerpOpschrift = opschrift(this, {}, plek::kOnderwerpOpschrift);
    m_achtergrondLijst =
        new KeuzeLijst(this, plek::kAchtergrondLijst, [this](int rij) { kiesAchtergrond(rij); });
    m_achtergrondOpschrift = opschrift(this, {}, plek::kAchtergrondOpschrift);
    benoem();
}

// Names for screen readers of the controls that carry no text of their own.
void Config::benoem() {
    const QString kleuren[3] = {QStringLiteral("Rood"), QStringLiteral("Groen"),
                                QStringLiteral("Blauw")};
    for (int i = 0; i < 3; ++i)
        m_kleurBalken[i]->setAccessibleName(kleuren[i] + QStringLiteral(" van de formulieren"));
    m_bedenktijdBalk->setAccessibleName(QStringLiteral("Bedenktijd na de start in seconden"));
    m_titelVeld->setAccessibleName(QStringLiteral("Titel programma"));
    m_titelKleurVlakken[0]->setAccessibleName(QStringLiteral("Titelkleur donker"));
    m_titelKleurVlakken[1]->setAccessibleName(QStringLiteral("Titelkleur licht"));
    m_onderwerpLijst->setAccessibleName(QStringLiteral("Keuze onderwerp"));
    m_achtergrondLijst->setAccessibleName(QStringLiteral("Keuze achtergrond"));
}

void Config::bouwKleuren(const QPixmap& tandwiel) {
    m_kleurenVlak = vlak(this, plek::kKleurenVlak, Qt::black);
    for (int i = 0; i < 3; ++i)
        m_kleurBalken[i] =
            balk(this, plek::kKleurBalken[i], Opslag::kMinKleurDeel, Opslag::kMaxKleurDeel, 16);
    m_kleurOpschrift = opschrift(this, QStringLiteral("Kleur formulieren"), plek::kKleurOpschrift);
    m_resetVlak = vlak(this, plek::kResetVlak, Qt::black);
    m_resetKnop =
        gekleurdeKnop(this, QStringLiteral("Reset"), plek::kResetKnop, QColor(190, 220, 220));
    m_resetKnop->setToolTip(QStringLiteral(" Reset kleuren "));
    m_tandwiel = new QLabel(this);
    m_tandwiel->setGeometry(plek::kTandwiel);
    m_tandwiel->setPixmap(tandwiel);
}

void Config::bouwPauze() {
    m_bedenktijdVlak = vlak(this, plek::kBedenktijdVlak, QColor(64, 64, 64));
    m_bedenktijdBalk =
        balk(this, plek::kBedenktijdBalk, Opslag::kMinPauzeTijd, Opslag::kMaxPauzeTijd, 5);
    m_bedenktijdWaarde = opschrift(this, {}, plek::kBedenktijdWaarde);
    m_bedenktijdOpschrift =
        opschrift(this, QStringLiteral("Bedenktijd na de start"), plek::kBedenktijdOpschrift);
}

// The title box with its two colour swatches, and the Exit button beside them.
void Config::bouwTitel() {
    m_titelVeld = new QLineEdit(this);
    m_titelVeld->setGeometry(plek::kTitelVeld);
    m_titelVeld->setFont(arial(9.75));
    QPalette palet = m_titelVeld->palette();
    palet.setColor(QPalette::Base, QColor(230, 240, 180));
    m_titelVeld->setPalette(palet);
    m_titelOpschrift = opschrift(
        this, QStringLiteral("Titel programma") + QString(27, u' ') + QStringLiteral("kleur"),
        plek::kTitelOpschrift);
    m_titelKleurVlakken[0] = new Kleurvlak(this, plek::kTitelKleurVlakken[0], QColor(64, 64, 64),
                                           [this] { kiesTitelKleur(0); });
    m_titelKleurVlakken[1] = new Kleurvlak(this, plek::kTitelKleurVlakken[1], QColor(224, 224, 224),
                                           [this] { kiesTitelKleur(1); });
    m_sluitVlak = vlak(this, plek::kSluitVlak, Qt::black);
    m_sluitKnop =
        gekleurdeKnop(this, QStringLiteral("Exit"), plek::kSluitKnop, QColor(240, 240, 240));
}

// The topic in force is checked again at every opening: its file may have been changed in the
// editor since it was chosen.
void Config::vulOnderwerpen() {
    vulLijst(m_onderwerpLijst, Regels::keuzeOnderwerpen(m_mappen));
    for (int rij = 0; rij < m_onderwerpLijst->count(); ++rij) {
        if (m_onderwerpLijst->item(rij)->text() == m_inst.waarden().Onderwerp) {
            m_onderwerpLijst->setCurrentRow(rij);
            kiesOnderwerp(rij);
            break;
        }
    }
    toonOnderschrift(m_onderwerpOpschrift, QStringLiteral("Keuze onderwerp"), m_onderwerpLijst);
}

// Only shows which entry is in force: opening the window leaves the wallpaper as it is.
void Config::vulAchtergronden() {
    const QStringList namen = Regels::keuzeAchtergronden(m_mappen);
    vulLijst(m_achtergrondLijst, namen);
    const int rij = Regels::achtergrondKeuze(namen, m_inst.waarden().WallpaperFile);
    if (rij >= 0)
        m_achtergrondLijst->setCurrentRow(rij);
    toonOnderschrift(m_achtergrondOpschrift, QStringLiteral("Keuze achtergrond"),
                     m_achtergrondLijst);
}

void Config::kleurGewijzigd(int index, int waarde) {
    m_inst.wijzig([index, waarde](Regels::InstellingWaarden& w) {
        int* deel[] = {&w.ColorRed, &w.ColorGreen, &w.ColorBlue};
        *deel[index - 1] = waarde;
    });
}

void Config::pauzeGewijzigd(int waarde) {
    m_inst.wijzig([waarde](Regels::InstellingWaarden& w) { w.PauzeTijd = waarde; });
    zetTekst(m_bedenktijdWaarde, QStringLiteral("%1 Seconden").arg(waarde));
}

void Config::kiesTitelKleur(int index) {
    m_inst.wijzig([index](Regels::InstellingWaarden& w) { w.TitelKleur = index != 0; });
}

void Config::kiesOnderwerp(int rij) {
    const QString naam = m_onderwerpLijst->item(rij)->text();
    if (const auto weigering = Regels::onderwerpWeigering(m_mappen, naam)) {
        m_meld(meldOuder(), *weigering);
        return;
    }
    m_inst.wijzig([&naam](Regels::InstellingWaarden& w) { w.Onderwerp = naam; });
    toonOnderschrift(m_onderwerpOpschrift, naam, m_onderwerpLijst);
}

void Config::kiesAchtergrond(int rij) {
    const QString bestand =
        Regels::achtergrondBestand(m_mappen, m_achtergrondLijst->item(rij)->text());
    m_inst.wijzig([&bestand](Regels::InstellingWaarden& w) { w.WallpaperFile = bestand; });
}

void Config::resetKlik() {
    const Opslag::OpgeslagenInstellingen standaard;
    m_inst.wijzig([&standaard](Regels::InstellingWaarden& w) {
        w.ColorRed = standaard.ColorRed;
        w.ColorGreen = standaard.ColorGreen;
        w.ColorBlue = standaard.ColorBlue;
    });
    m_kleurBalken[0]->setValue(standaard.ColorRed);
    m_kleurBalken[1]->setValue(standaard.ColorGreen);
    m_kleurBalken[2]->setValue(standaard.ColorBlue);
    // The default title waits in the box like a typed one: only Exit applies it.
    m_titelVeld->setText(standaard.TitelTekst);
}

void Config::pasTitelToeEnSluit() {
    const QString titel = m_titelVeld->text();
    if (const auto weigering = Regels::titelWeigering(titel)) {
        m_meld(this, *weigering);
        return;
    }
    m_inst.wijzig([&titel](Regels::InstellingWaarden& w) { w.TitelTekst = titel; });
    accept();
}

// At opening the window is not shown yet; a message then stands over the window below it.
QWidget* Config::meldOuder() {
    return isVisible() ? this : parentWidget();
}

QCursor Config::handCursor() {
    QPixmap beeld(32, 32);
    beeld.fill(Qt::transparent);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    // The cuff, the pointing finger (its tip is the hot spot) with its root under the fist, the
    // three folded fingers and the thumb over the fist.
    p.setBrush(QColor(70, 110, 170));
    p.drawRect(QRectF(25.5, 8.5, 5, 18));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(5.5, 10.5, 13, 4), 1.5, 1.5);
    p.drawRoundedRect(QRectF(14.5, 8.5, 12, 18), 3, 3);
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(11.5, 14.5 + 4 * i, 7, 4), 2, 2);
    p.drawRoundedRect(QRectF(15.5, 5.5, 9, 5), 2.5, 2.5);
    p.end();
    return QCursor(beeld, 5, 12);
}

} // namespace Drietal
