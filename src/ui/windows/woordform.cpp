// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/woordform.h"

#include "ui/kit/venster.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace Drietal {
namespace {

const QColor kLijstKleur(30, 30, 60);
const QColor kWijzigKleur(255, 160, 160);
constexpr int kFlitsMs = 200;

// Where the window's controls stand, in twips. The text labels size themselves to their text, the
// topic box takes the height of its font.
namespace plek {
constexpr QSize kVenster = twipsVenster(8070, 5520);
constexpr QRect kOnderwerpKeuze = twipsRect(210, 240, 2400, 0);
constexpr QPoint kOnderwerpOpschrift = twipsPunt(2790, 300);
constexpr int kKolomLinks[3] = {210, 2790, 5370};
constexpr QRect lijst(int k) {
    return twipsRect(kKolomLinks[k], 780, 2400, 2700);
}
constexpr QRect tekst(int k) {
    return twipsRect(kKolomLinks[k], 3810, 2400, 330);
}
constexpr QPoint kKolomKop = twipsPunt(1350, 3515);
constexpr QRect kBewerkVlak = twipsRect(210, 4500, 3570, 390);
constexpr QRect kOpslaanVlak = twipsRect(5985, 4500, 1830, 390);
constexpr QRect kToevoegKnop = twipsRect(240, 4530, 885, 330);
constexpr QRect kVerwijderKnop = twipsRect(1125, 4530, 885, 330);
constexpr QRect kWijzigKnop = twipsRect(2010, 4530, 870, 330);
constexpr QRect kNieuwKnop = twipsRect(2880, 4530, 870, 330);
constexpr QRect kSluitKnop = twipsRect(6015, 4530, 870, 330);
constexpr QRect kOpslaanKnop = twipsRect(6885, 4530, 900, 330);
constexpr QPoint kRegelTeller = twipsPunt(3900, 4560);
} // namespace plek

QString vraagNaamStandaard(QWidget* ouder) {
    QInputDialog vraag(ouder);
    vraag.setWindowTitle(QStringLiteral("Nieuw"));
    QString prompt = Regels::WoordEditor::nieuwVraag();
    vraag.setLabelText(prompt.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    vraag.setTextValue(QString());
    // The prompt is one long sentence after the blank line; wrap it as an input box does.
    if (auto* label = vraag.findChild<QLabel*>()) {
        label->setWordWrap(true);
        label->setMinimumWidth(360);
    }
    return vraag.exec() == QDialog::Accepted ? vraag.textValue() : QString();
}

// The column header: its blanks stand for the distance between the columns. The characters are
// set a little closer or wider so that the "2" and the "3" land as near as they can over the
// middle of their columns whatever font stands in for Arial (least squares over the two; word
// spacing would not do, as Qt widens a run of blanks only once).
// All positions in pixels.
QFont kopFont(const QString& kop, int links, qreal midden2, qreal midden3) {
    QFont font = arial(12, true);
    const QFontMetricsF maat(font);
    qreal teller = 0;
    qreal noemer = 0;
    for (const auto& [cijfer, midden] : {std::pair{u'2', midden2}, std::pair{u'3', midden3}}) {
        const qsizetype i = kop.indexOf(cijfer);
        const qreal afwijking = midden - (links + maat.horizontalAdvance(kop.left(i)) +
                                          maat.horizontalAdvance(cijfer) / 2);
        // Each character before the digit and half the digit itself take the extra spacing.
        const qreal tekens = i + 0.5;
        teller += tekens * afwijking;
        noemer += tekens * tekens;
    }
    font.setLetterSpacing(QFont::AbsoluteSpacing, teller / noemer);
    return font;
}

void zetKleur(QWidget* widget, QPalette::ColorRole rol, const QColor& kleur) {
    QPalette palet = widget->palette();
    palet.setColor(rol, kleur);
    widget->setPalette(palet);
}

QPushButton* knop(QWidget* ouder, const QString& tekst, const QString& tip, const QRect& plek,
                  const QColor& kleur) {
    QPushButton* button = gekleurdeKnop(ouder, tekst, plek, kleur);
    button->setToolTip(tip);
    return button;
}

bool heeftItems(const QComboBox* combo, const QStringList& namen) {
    if (combo->count() != namen.size())
        return false;
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i) != namen.at(i))
            return false;
    }
    return true;
}

void zetTekst(QLineEdit* veld, const QString& tekst) {
    if (veld->text() != tekst)
        veld->setText(tekst);
}

void zetRijen(QListWidget* lijst, const QStringList& woorden, int selectie) {
    bool gelijk = lijst->count() == woorden.size();
    for (int i = 0; gelijk && i < lijst->count(); ++i)
        gelijk = lijst->item(i)->text() == woorden.at(i);
    if (!gelijk) {
        lijst->clear();
        lijst->addItems(woorden);
    }
    if (selectie == Regels::WoordEditor::kGeenRegel) {
        lijst->setCurrentRow(-1);
        lijst->clearSelection();
    } else if (lijst->currentRow() != selectie) {
        lijst->setCurrentRow(selectie);
    }
}

} // namespace

Woordform::Woordform(Kern::TijdBron& tijd, const Regels::InstellingWaarden& waarden,
                     const Opslag::Mappen& mappen, QWidget* parent,
                     std::function<void(QWidget*, const QString&)> meld,
                     std::function<QString(QWidget*)> vraagNaam)
    : QDialog(parent), m_editor(mappen), m_tijd(tijd),
      m_meld(meld ? std::move(meld) : Drietal::meld),
      m_vraagNaam(vraagNaam ? std::move(vraagNaam) : vraagNaamStandaard) {
    bouw(vensterKleur(waarden));
    const QString melding = m_editor.openen(waarden.Onderwerp).melding;
    spiegel();
    // A topic that could not be read whole is reported over the window, once it is shown.
    if (!melding.isEmpty())
        QTimer::singleShot(0, this, [this, melding] { m_meld(this, melding); });
}

void Woordform::bouw(const QColor& kleur) {
    setWindowTitle(QStringLiteral(" Woordlijsten"));
    setFixedSize(plek::kVenster);
    zetAchtergrond(this, kleur);
    const QFont gewoon = arial(9.75);

    m_onderwerpKeuze = new QComboBox(this);
    m_onderwerpKeuze->setEditable(true);
    // The typed name is taken as it stands: no completion, and Enter adds no entry.
    m_onderwerpKeuze->setInsertPolicy(QComboBox::NoInsert);
    m_onderwerpKeuze->setCompleter(nullptr);
    m_onderwerpKeuze->setFont(gewoon);
    m_onderwerpKeuze->setAccessibleName(QStringLiteral("Onderwerp"));
    zetKleur(m_onderwerpKeuze, QPalette::Base, QColor(190, 220, 190));
    m_onderwerpKeuze->setGeometry(
        plek::kOnderwerpKeuze.adjusted(0, 0, 0, m_onderwerpKeuze->sizeHint().height()));
    m_onderwerpOpschrift =
        tekstLabel(this, QStringLiteral("Onderwerp"), plek::kOnderwerpOpschrift, gewoon);
    bouwKolommen(gewoon);
    bouwKnoppen();
    m_regelTeller = tekstLabel(this, QString(), plek::kRegelTeller, gewoon);
    zetKleur(m_regelTeller, QPalette::WindowText, QColor(64, 64, 64));
    verbind();
}

// The three column lists with their input boxes below them, and the header over the boxes.
void Woordform::bouwKolommen(const QFont& font) {
    for (int k = 0; k < 3; ++k) {
        auto* lijst = new QListWidget(this);
        lijst->setGeometry(plek::lijst(k));
        lijst->setSelectionMode(QAbstractItemView::SingleSelection);
        lijst->setFont(font);
        zetKleur(lijst, QPalette::Text, Qt::white);
        m_woordLijsten[k] = lijst;

        auto* veld = new QLineEdit(this);
        veld->setGeometry(plek::tekst(k));
        veld->setFont(font);
        lijst->setAccessibleName(QStringLiteral("Woorden kolom %1").arg(k + 1));
        veld->setAccessibleName(QStringLiteral("Woord kolom %1").arg(k + 1));
        zetKleur(veld, QPalette::Base, QColor(220, 220, 220));
        m_woordVelden[k] = veld;
    }
    zetLijstKleur(kLijstKleur);

    const QString kop = QStringLiteral("1") + QString(41, u' ') + QStringLiteral("2") +
                        QString(40, u' ') + QStringLiteral("3");
    const auto midden = [](const QRect& r) { return r.x() + r.width() / 2.0; };
    m_kolomKop = tekstLabel(
        this, kop, plek::kKolomKop,
        kopFont(kop, plek::kKolomKop.x(), midden(plek::lijst(1)), midden(plek::lijst(2))));
    zetKleur(m_kolomKop, QPalette::WindowText, QColor(128, 128, 128));
}

void Woordform::bouwKnoppen() {
    // The black boxes first, so the buttons lie on top of them.
    m_bewerkVlak = vlak(this, plek::kBewerkVlak, Qt::black);
    m_opslaanVlak = vlak(this, plek::kOpslaanVlak, Qt::black);
    const QColor paars(210, 190, 250);
    const QColor groen(200, 250, 200);
    m_toevoegKnop = knop(this, QStringLiteral("Add"), QStringLiteral(" Woorden toevoegen "),
                         plek::kToevoegKnop, paars);
    m_verwijderKnop = knop(this, QStringLiteral("Delete"), QStringLiteral(" Verwijder woorden "),
                           plek::kVerwijderKnop, paars);
    m_wijzigKnop = knop(this, QStringLiteral("Wijzig"), QString(), plek::kWijzigKnop, paars);
    m_nieuwKnop = knop(this, QStringLiteral("Nieuw"), QStringLiteral(" Nieuw onderwerp "),
                       plek::kNieuwKnop, paars);
    m_sluitKnop =
        knop(this, QStringLiteral("Cancel"), QStringLiteral(" Exit "), plek::kSluitKnop, groen);
    m_opslaanKnop = knop(this, QStringLiteral("Save"), QStringLiteral(" Llijst opslaan "),
                         plek::kOpslaanKnop, groen);
}

void Woordform::verbind() {
    connect(m_onderwerpKeuze, &QComboBox::activated, this, &Woordform::kiesOnderwerp);
    for (int k = 0; k < 3; ++k) {
        // A click on the row that is already current changes no row, so it counts as well.
        connect(m_woordLijsten[k], &QListWidget::currentRowChanged, this,
                [this, k](int rij) { klikRegel(k, rij); });
        connect(m_woordLijsten[k], &QListWidget::itemClicked, this,
                [this, k](QListWidgetItem* item) { klikRegel(k, m_woordLijsten[k]->row(item)); });
    }
    // A row is typed by keyboard alone: Tab goes from word to word and on to Add, and Enter in
    // a word box adds the row.
    for (int k = 0; k < 3; ++k) {
        setTabOrder(m_woordVelden[k],
                    k < 2 ? static_cast<QWidget*>(m_woordVelden[k + 1]) : m_toevoegKnop);
        connect(m_woordVelden[k], &QLineEdit::returnPressed, this, [this] {
            if (toevoegen())
                m_woordVelden[0]->setFocus(); // ready for the next row
        });
    }
    connect(m_toevoegKnop, &QPushButton::clicked, this, &Woordform::toevoegen);
    connect(m_verwijderKnop, &QPushButton::clicked, this, &Woordform::verwijderen);
    connect(m_wijzigKnop, &QPushButton::clicked, this, &Woordform::wijzigen);
    connect(m_nieuwKnop, &QPushButton::clicked, this, &Woordform::nieuw);
    connect(m_opslaanKnop, &QPushButton::clicked, this, &Woordform::opslaan);
    connect(m_sluitKnop, &QPushButton::clicked, this, &QDialog::reject);
}

void Woordform::neemInvoer() {
    for (int k = 0; k < 3; ++k)
        m_editor.zetTekst(k, m_woordVelden[k]->text());
    m_editor.zetOnderwerpTekst(m_onderwerpKeuze->currentText());
}

void Woordform::spiegel() {
    const bool eerder = m_spiegelen;
    m_spiegelen = true;
    if (!heeftItems(m_onderwerpKeuze, m_editor.onderwerpNamen())) {
        m_onderwerpKeuze->clear();
        m_onderwerpKeuze->addItems(m_editor.onderwerpNamen());
    }
    m_onderwerpKeuze->setCurrentIndex(m_editor.onderwerpNamen().indexOf(m_editor.onderwerpTekst()));
    m_onderwerpKeuze->setEditText(m_editor.onderwerpTekst());

    for (int k = 0; k < 3; ++k) {
        zetRijen(m_woordLijsten[k], m_editor.kolom(k), m_editor.selectie(k));
        zetTekst(m_woordVelden[k], m_editor.tekst(k));
    }
    m_regelTeller->setText(m_editor.regelTeller());
    m_regelTeller->adjustSize();
    m_spiegelen = eerder;
}

void Woordform::toon(const Regels::WoordEditor::Uitkomst& uitkomst) {
    spiegel();
    if (!uitkomst.melding.isEmpty())
        m_meld(this, uitkomst.melding);
}

void Woordform::zetLijstKleur(const QColor& kleur) {
    for (QListWidget* lijst : m_woordLijsten)
        zetKleur(lijst, QPalette::Base, kleur);
}

void Woordform::kiesOnderwerp(int index) {
    neemInvoer();
    toon(m_editor.kiesOnderwerp(index));
}

void Woordform::klikRegel(int kolom, int rij) {
    if (m_spiegelen || rij < 0)
        return;
    neemInvoer();
    m_editor.klikRegel(kolom, rij);
    spiegel();
}

bool Woordform::toevoegen() {
    neemInvoer();
    const auto uitkomst = m_editor.toevoegen();
    toon(uitkomst);
    return uitkomst.gedaan;
}

void Woordform::wijzigen() {
    neemInvoer();
    const Regels::WoordEditor::Uitkomst uitkomst = m_editor.wijzigen();
    toon(uitkomst);
    if (!uitkomst.gedaan)
        return;
    // A short flash of the lists shows that the row changed.
    zetLijstKleur(kWijzigKleur);
    m_flits.start(m_tijd, kFlitsMs, false, [this] { zetLijstKleur(kLijstKleur); });
}

void Woordform::verwijderen() {
    neemInvoer();
    toon(m_editor.verwijderen());
}

void Woordform::nieuw() {
    neemInvoer();
    const QString antwoord = m_vraagNaam(this);
    toon(m_editor.nieuw(antwoord));
}

void Woordform::opslaan() {
    neemInvoer();
    toon(m_editor.opslaan());
}

} // namespace Drietal
