#include "ui/windows/woordform.h"

#include "game/algemeen.h"
#include "ui/windows/venster.h"

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

QString vraagNaamStandaard(QWidget* ouder) {
    QInputDialog vraag(ouder);
    vraag.setWindowTitle(QStringLiteral("Nieuw"));
    QString prompt = Algemeen::WoordEditor::nieuwVraag();
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
QFont kopFont(const QString& kop, int links, qreal midden2, qreal midden3) {
    QFont font = arial(12, true);
    const QFontMetricsF maat(font);
    qreal teller = 0;
    qreal noemer = 0;
    for (const auto& [cijfer, midden] : {std::pair{u'2', midden2}, std::pair{u'3', midden3}}) {
        const qsizetype i = kop.indexOf(cijfer);
        const qreal afwijking = midden - (twips(links) + maat.horizontalAdvance(kop.left(i)) +
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

QLabel* tekstLabel(QWidget* ouder, const QString& tekst, int links, int boven, const QFont& font) {
    auto* label = new QLabel(tekst, ouder);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->move(twips(links), twips(boven));
    label->adjustSize();
    return label;
}

QLabel* zwartVlak(QWidget* ouder, const QRect& plek) {
    auto* label = new QLabel(ouder);
    label->setGeometry(plek);
    zetAchtergrond(label, Qt::black);
    return label;
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
    if (selectie == Algemeen::WoordEditor::kGeenRegel) {
        lijst->setCurrentRow(-1);
        lijst->clearSelection();
    } else if (lijst->currentRow() != selectie) {
        lijst->setCurrentRow(selectie);
    }
}

} // namespace

Woordform::Woordform(QWidget* parent, std::function<void(QWidget*, const QString&)> meld,
                     std::function<QString(QWidget*)> vraagNaam)
    : QDialog(parent), m_meld(meld ? std::move(meld) : Drietal::meld),
      m_vraagNaam(vraagNaam ? std::move(vraagNaam) : vraagNaamStandaard) {
    bouw();
    const QString melding = m_editor.openen(Algemeen::instellingen.Onderwerp).melding;
    spiegel();
    // A topic that could not be read whole is reported over the window, once it is shown.
    if (!melding.isEmpty())
        QTimer::singleShot(0, this, [this, melding] { m_meld(this, melding); });
}

void Woordform::bouw() {
    setWindowTitle(QStringLiteral(" Woordlijsten"));
    setFixedSize(twips(8070), twips(5520) - twips(360));
    zetAchtergrond(this, instellingenKleur());
    const QFont gewoon = arial(9.75);

    m_combo = new QComboBox(this);
    m_combo->setEditable(true);
    // The typed name is taken as it stands: no completion, and Enter adds no entry.
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setCompleter(nullptr);
    m_combo->setFont(gewoon);
    zetKleur(m_combo, QPalette::Base, QColor(190, 220, 190));
    m_combo->setGeometry(twips(210), twips(240), twips(2400), m_combo->sizeHint().height());

    m_labels[0] = tekstLabel(this, QStringLiteral("Onderwerp"), 2790, 300, gewoon);

    const int links[3] = {210, 2790, 5370};
    for (int k = 0; k < 3; ++k) {
        auto* lijst = new QListWidget(this);
        lijst->setGeometry(twipsRect(links[k], 780, 2400, 2700));
        lijst->setSelectionMode(QAbstractItemView::SingleSelection);
        lijst->setFont(gewoon);
        zetKleur(lijst, QPalette::Text, Qt::white);
        m_lijsten[k] = lijst;

        auto* veld = new QLineEdit(this);
        veld->setGeometry(twipsRect(links[k], 3810, 2400, 330));
        veld->setFont(gewoon);
        zetKleur(veld, QPalette::Base, QColor(220, 220, 220));
        m_teksten[k] = veld;
    }
    zetLijstKleur(kLijstKleur);

    const QString kop = QStringLiteral("1") + QString(41, u' ') + QStringLiteral("2") +
                        QString(40, u' ') + QStringLiteral("3");
    m_labels[3] = tekstLabel(
        this, kop, 1350, 3515,
        kopFont(kop, 1350, twips(2790) + twips(2400) / 2.0, twips(5370) + twips(2400) / 2.0));
    zetKleur(m_labels[3], QPalette::WindowText, QColor(128, 128, 128));

    // The black boxes first, so the buttons lie on top of them.
    m_labels[1] = zwartVlak(this, twipsRect(210, 4500, 3570, 390));
    m_labels[2] = zwartVlak(this, twipsRect(5985, 4500, 1830, 390));
    const QColor paars(210, 190, 250);
    const QColor groen(200, 250, 200);
    m_add = knop(this, QStringLiteral("Add"), QStringLiteral(" Woorden toevoegen "),
                 twipsRect(240, 4530, 885, 330), paars);
    m_del = knop(this, QStringLiteral("Delete"), QStringLiteral(" Verwijder woorden "),
                 twipsRect(1125, 4530, 885, 330), paars);
    m_wijzig =
        knop(this, QStringLiteral("Wijzig"), QString(), twipsRect(2010, 4530, 870, 330), paars);
    m_new = knop(this, QStringLiteral("Nieuw"), QStringLiteral(" Nieuw onderwerp "),
                 twipsRect(2880, 4530, 870, 330), paars);
    m_cancel = knop(this, QStringLiteral("Cancel"), QStringLiteral(" Exit "),
                    twipsRect(6015, 4530, 870, 330), groen);
    m_exit = knop(this, QStringLiteral("Save"), QStringLiteral(" Llijst opslaan "),
                  twipsRect(6885, 4530, 900, 330), groen);

    m_labels[4] = tekstLabel(this, QString(), 3900, 4560, gewoon);
    zetKleur(m_labels[4], QPalette::WindowText, QColor(64, 64, 64));

    connect(m_combo, &QComboBox::activated, this, &Woordform::kiesOnderwerp);
    for (int k = 0; k < 3; ++k) {
        // A click on the row that is already current changes no row, so it counts as well.
        connect(m_lijsten[k], &QListWidget::currentRowChanged, this,
                [this, k](int rij) { klikRegel(k, rij); });
        connect(m_lijsten[k], &QListWidget::itemClicked, this,
                [this, k](QListWidgetItem* item) { klikRegel(k, m_lijsten[k]->row(item)); });
    }
    connect(m_add, &QPushButton::clicked, this, &Woordform::toevoegen);
    connect(m_del, &QPushButton::clicked, this, &Woordform::verwijderen);
    connect(m_wijzig, &QPushButton::clicked, this, &Woordform::wijzigen);
    connect(m_new, &QPushButton::clicked, this, &Woordform::nieuw);
    connect(m_exit, &QPushButton::clicked, this, &Woordform::opslaan);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void Woordform::neemInvoer() {
    for (int k = 0; k < 3; ++k)
        m_editor.zetTekst(k, m_teksten[k]->text());
    m_editor.zetOnderwerpTekst(m_combo->currentText());
}

void Woordform::spiegel() {
    const bool eerder = m_spiegelen;
    m_spiegelen = true;
    if (!heeftItems(m_combo, m_editor.onderwerpNamen())) {
        m_combo->clear();
        m_combo->addItems(m_editor.onderwerpNamen());
    }
    m_combo->setCurrentIndex(m_editor.onderwerpNamen().indexOf(m_editor.onderwerpTekst()));
    m_combo->setEditText(m_editor.onderwerpTekst());

    for (int k = 0; k < 3; ++k) {
        zetRijen(m_lijsten[k], m_editor.kolom(k), m_editor.selectie(k));
        zetTekst(m_teksten[k], m_editor.tekst(k));
    }
    m_labels[4]->setText(m_editor.regelTeller());
    m_labels[4]->adjustSize();
    m_spiegelen = eerder;
}

void Woordform::toon(const Algemeen::WoordEditor::Uitkomst& uitkomst) {
    spiegel();
    if (!uitkomst.melding.isEmpty())
        m_meld(this, uitkomst.melding);
}

void Woordform::zetLijstKleur(const QColor& kleur) {
    for (QListWidget* lijst : m_lijsten)
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

void Woordform::toevoegen() {
    neemInvoer();
    toon(m_editor.toevoegen());
}

void Woordform::wijzigen() {
    neemInvoer();
    const Algemeen::WoordEditor::Uitkomst uitkomst = m_editor.wijzigen();
    toon(uitkomst);
    if (!uitkomst.gedaan)
        return;
    // A short flash of the lists shows that the row changed.
    zetLijstKleur(kWijzigKleur);
    m_flits.start(Algemeen::tijd(), kFlitsMs, false, [this] { zetLijstKleur(kLijstKleur); });
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
