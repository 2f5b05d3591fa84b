// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/config.h"

#include "game/instellingenkeuze.h"
#include "ui/windows/venster.h"

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
constexpr QSize kVenster(twips(7860), twips(4560) - twips(360));
constexpr QRect kLabel1 = twipsRect(240, 240, 1740, 960);
constexpr QRect kColorScroll[3] = {twipsRect(270, 270, 1680, 300), twipsRect(270, 570, 1680, 300),
                                   twipsRect(270, 870, 1680, 300)};
constexpr QPoint kLabel2 = twipsPunt(270, 1230);
constexpr QRect kLabel3 = twipsRect(2130, 240, 990, 390);
constexpr QRect kResetKnop = twipsRect(2160, 270, 930, 330);
constexpr QRect kImage1 = twipsRect(2250, 1200, 720, 720);
constexpr QPoint kLabel8 = twipsPunt(240, 2100);
constexpr QRect kLabel6 = twipsRect(240, 2400, 1935, 360);
constexpr QRect kPauzeScroll = twipsRect(270, 2430, 1875, 300);
constexpr QPoint kLabel7 = twipsPunt(2220, 2445);
constexpr QPoint kLabel12 = twipsPunt(255, 3210);
constexpr QRect kText1 = twipsRect(240, 3525, 3000, 330);
constexpr QRect kLabel5[2] = {twipsRect(3300, 3510, 375, 375), twipsRect(3750, 3510, 375, 375)};
constexpr QRect kBackKnoppen = twipsRect(6630, 3525, 900, 390);
constexpr QRect kCancelKnop = twipsRect(6660, 3555, 840, 330);
constexpr QRect kList1 = twipsRect(3300, 240, 1890, 1740);
constexpr QPoint kLabel11 = twipsPunt(3330, 2040);
constexpr QRect kList2 = twipsRect(5400, 240, 2160, 1740);
constexpr QPoint kLabel4 = twipsPunt(5400, 2040);
} // namespace plek

// The text label style of the window: dark grey on the window's own colour, sized to its text.
QLabel* tekstLabel(QWidget* ouder, const QString& tekst, QPoint plek) {
    auto* label = new QLabel(tekst, ouder);
    label->setFont(arial(9.75));
    QPalette palet = label->palette();
    palet.setColor(QPalette::WindowText, QColor(64, 64, 64));
    label->setPalette(palet);
    label->move(plek);
    label->adjustSize();
    return label;
}

// A plain coloured area: the dark panels that frame the bars and buttons, and the swatches.
QLabel* vlak(QWidget* ouder, const QRect& plek, const QColor& kleur) {
    auto* label = new QLabel(ouder);
    label->setGeometry(plek);
    zetAchtergrond(label, kleur);
    return label;
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

Config::Config(Algemeen::Instellingen& instellingen, QWidget* parent, const QPixmap& tandwiel,
               std::function<void(QWidget*, const QString&)> meld)
    : QDialog(parent), m_inst(instellingen), m_meld(meld ? std::move(meld) : Drietal::meld) {
    // The bars cannot show a value outside their range, and an edited settings file may hold one.
    m_inst.wijzig([](Algemeen::InstellingWaarden& w) { Algemeen::begrensInstellingen(w); });
    const Algemeen::InstellingWaarden& inst = m_inst.waarden();
    bouw(tandwiel);

    m_colorScroll[0]->setValue(inst.ColorRed);
    m_colorScroll[1]->setValue(inst.ColorGreen);
    m_colorScroll[2]->setValue(inst.ColorBlue);
    m_pauzeScroll->setValue(inst.PauzeTijd);
    zetTekst(m_label7, QStringLiteral("%1 Seconden").arg(inst.PauzeTijd));
    m_text1->setText(inst.TitelTekst);

    for (int i = 0; i < 3; ++i)
        connect(m_colorScroll[i], &QScrollBar::valueChanged, this,
                [this, i](int waarde) { kleurGewijzigd(i + 1, waarde); });
    connect(m_pauzeScroll, &QScrollBar::valueChanged, this, &Config::pauzeGewijzigd);
    connect(m_resetKnop, &QPushButton::clicked, this, &Config::resetKlik);
    connect(m_cancelKnop, &QPushButton::clicked, this, &Config::exitKlik);
    connect(m_text1, &QLineEdit::returnPressed, this, &Config::exitKlik);
    connect(&m_inst, &Algemeen::Instellingen::gewijzigd, this,
            [this] { zetAchtergrond(this, vensterKleur(m_inst.waarden())); });

    vulOnderwerpen();
    vulAchtergronden();
    // Not on Reset, where a stray key press would undo the colours.
    m_text1->setFocus();
}

void Config::bouw(const QPixmap& tandwiel) {
    setWindowTitle(QStringLiteral(" Configuratie"));
    setModal(true);
    setFixedSize(plek::kVenster);
    zetAchtergrond(this, vensterKleur(m_inst.waarden()));
    bouwKleuren(tandwiel);
    bouwPauze();
    bouwTitel();
    m_list1 = new KeuzeLijst(this, plek::kList1, [this](int rij) { kiesOnderwerp(rij); });
    m_label11 = tekstLabel(this, {}, plek::kLabel11);
    m_list2 = new KeuzeLijst(this, plek::kList2, [this](int rij) { kiesAchtergrond(rij); });
    m_label4 = tekstLabel(this, {}, plek::kLabel4);
    benoem();
}

// Names for screen readers of the controls that carry no text of their own.
void Config::benoem() {
    const QString kleuren[3] = {QStringLiteral("Rood"), QStringLiteral("Groen"),
                                QStringLiteral("Blauw")};
    for (int i = 0; i < 3; ++i)
        m_colorScroll[i]->setAccessibleName(kleuren[i] + QStringLiteral(" van de formulieren"));
    m_pauzeScroll->setAccessibleName(QStringLiteral("Bedenktijd na de start in seconden"));
    m_text1->setAccessibleName(QStringLiteral("Titel programma"));
    m_label5[0]->setAccessibleName(QStringLiteral("Titelkleur donker"));
    m_label5[1]->setAccessibleName(QStringLiteral("Titelkleur licht"));
    m_list1->setAccessibleName(QStringLiteral("Keuze onderwerp"));
    m_list2->setAccessibleName(QStringLiteral("Keuze achtergrond"));
}

void Config::bouwKleuren(const QPixmap& tandwiel) {
    m_label1 = vlak(this, plek::kLabel1, Qt::black);
    for (int i = 0; i < 3; ++i)
        m_colorScroll[i] =
            balk(this, plek::kColorScroll[i], Algemeen::kMinKleurDeel, Algemeen::kMaxKleurDeel, 16);
    m_label2 = tekstLabel(this, QStringLiteral("Kleur formulieren"), plek::kLabel2);
    m_label3 = vlak(this, plek::kLabel3, Qt::black);
    m_resetKnop =
        gekleurdeKnop(this, QStringLiteral("Reset"), plek::kResetKnop, QColor(190, 220, 220));
    m_resetKnop->setToolTip(QStringLiteral(" Reset kleuren "));
    m_image1 = new QLabel(this);
    m_image1->setGeometry(plek::kImage1);
    m_image1->setPixmap(tandwiel);
}

void Config::bouwPauze() {
    m_label6 = vlak(this, plek::kLabel6, QColor(64, 64, 64));
    m_pauzeScroll = balk(this, plek::kPauzeScroll, Opslag::kMinPauzeTijd, Opslag::kMaxPauzeTijd, 5);
    m_label7 = tekstLabel(this, {}, plek::kLabel7);
    m_label8 = tekstLabel(this, QStringLiteral("Bedenktijd na de start"), plek::kLabel8);
}

// The title box with its two colour swatches, and the Exit button beside them.
void Config::bouwTitel() {
    m_text1 = new QLineEdit(this);
    m_text1->setGeometry(plek::kText1);
    m_text1->setFont(arial(9.75));
    QPalette palet = m_text1->palette();
    palet.setColor(QPalette::Base, QColor(230, 240, 180));
    m_text1->setPalette(palet);
    m_label12 = tekstLabel(
        this, QStringLiteral("Titel programma") + QString(27, u' ') + QStringLiteral("kleur"),
        plek::kLabel12);
    m_label5[0] =
        new Kleurvlak(this, plek::kLabel5[0], QColor(64, 64, 64), [this] { kiesTitelKleur(0); });
    m_label5[1] =
        new Kleurvlak(this, plek::kLabel5[1], QColor(224, 224, 224), [this] { kiesTitelKleur(1); });
    m_backKnoppen = vlak(this, plek::kBackKnoppen, Qt::black);
    m_cancelKnop =
        gekleurdeKnop(this, QStringLiteral("Exit"), plek::kCancelKnop, QColor(240, 240, 240));
}

// The topic in force is checked again at every opening: its file may have been changed in the
// editor since it was chosen.
void Config::vulOnderwerpen() {
    vulLijst(m_list1, Algemeen::keuzeOnderwerpen());
    for (int rij = 0; rij < m_list1->count(); ++rij) {
        if (m_list1->item(rij)->text() == m_inst.waarden().Onderwerp) {
            m_list1->setCurrentRow(rij);
            kiesOnderwerp(rij);
            break;
        }
    }
    toonOnderschrift(m_label11, QStringLiteral("Keuze onderwerp"), m_list1);
}

// Only shows which entry is in force: opening the window leaves the wallpaper as it is.
void Config::vulAchtergronden() {
    const QStringList namen = Algemeen::keuzeAchtergronden();
    vulLijst(m_list2, namen);
    const int rij = Algemeen::wallpaperKeuze(namen, m_inst.waarden().WallpaperFile);
    if (rij >= 0)
        m_list2->setCurrentRow(rij);
    toonOnderschrift(m_label4, QStringLiteral("Keuze achtergrond"), m_list2);
}

void Config::kleurGewijzigd(int index, int waarde) {
    m_inst.wijzig([index, waarde](Algemeen::InstellingWaarden& w) {
        int* deel[] = {&w.ColorRed, &w.ColorGreen, &w.ColorBlue};
        *deel[index - 1] = waarde;
    });
}

void Config::pauzeGewijzigd(int waarde) {
    m_inst.wijzig([waarde](Algemeen::InstellingWaarden& w) { w.PauzeTijd = waarde; });
    zetTekst(m_label7, QStringLiteral("%1 Seconden").arg(waarde));
}

void Config::kiesTitelKleur(int index) {
    m_inst.wijzig([index](Algemeen::InstellingWaarden& w) { w.TitelKleur = index != 0; });
}

void Config::kiesOnderwerp(int rij) {
    const QString naam = m_list1->item(rij)->text();
    if (const auto weigering = Algemeen::onderwerpWeigering(naam)) {
        m_meld(meldOuder(), *weigering);
        return;
    }
    m_inst.wijzig([&naam](Algemeen::InstellingWaarden& w) { w.Onderwerp = naam; });
    toonOnderschrift(m_label11, naam, m_list1);
}

void Config::kiesAchtergrond(int rij) {
    const QString bestand = Algemeen::achtergrondBestand(m_list2->item(rij)->text());
    m_inst.wijzig([&bestand](Algemeen::InstellingWaarden& w) { w.WallpaperFile = bestand; });
}

void Config::resetKlik() {
    const Opslag::OpgeslagenInstellingen standaard;
    m_inst.wijzig([&standaard](Algemeen::InstellingWaarden& w) {
        w.ColorRed = standaard.ColorRed;
        w.ColorGreen = standaard.ColorGreen;
        w.ColorBlue = standaard.ColorBlue;
    });
    m_colorScroll[0]->setValue(standaard.ColorRed);
    m_colorScroll[1]->setValue(standaard.ColorGreen);
    m_colorScroll[2]->setValue(standaard.ColorBlue);
    // The default title waits in the box like a typed one: only Exit applies it.
    m_text1->setText(standaard.TitelTekst);
}

void Config::exitKlik() {
    const QString titel = m_text1->text();
    if (const auto weigering = Algemeen::titelWeigering(titel)) {
        m_meld(this, *weigering);
        return;
    }
    m_inst.wijzig([&titel](Algemeen::InstellingWaarden& w) { w.TitelTekst = titel; });
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
