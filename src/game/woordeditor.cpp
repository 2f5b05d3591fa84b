// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/woordeditor.h"

#include "storage/paths.h"
#include "storage/recordformat.h"

namespace Regels {
namespace {

bool heeftRegel(const QStringList& lijst, int rij) {
    return rij >= 0 && rij < lijst.size();
}

} // namespace

QString WoordEditor::meldingTeVeelRegels() {
    return QStringLiteral("Maximaal 10 woorden (regels) per onderwerp...");
}
QString WoordEditor::meldingNietIngevuld() {
    return QStringLiteral("Niet alle tekstvelden zijn ingevuld!");
}
QString WoordEditor::meldingGeenSelectie() {
    return QStringLiteral("Geen woord geselecteerd!");
}
QString WoordEditor::meldingDubbeleNaam() {
    return QStringLiteral("Géén dubbele namen als onderwerp gebruiken...");
}
QString WoordEditor::meldingAanhalingsteken() {
    return QStringLiteral("Een woord mag geen aanhalingsteken (\") bevatten!");
}
QString WoordEditor::meldingOnopslaanbaarTeken(const QString& teken) {
    return QStringLiteral("Het teken ‘%1’ kan niet in een woordenlijst worden opgeslagen!")
        .arg(teken);
}
QString WoordEditor::meldingRegeleinde() {
    return QStringLiteral("Een woord mag geen regeleinde bevatten!");
}
QString WoordEditor::meldingOngeldigeNaam() {
    return QStringLiteral("Deze naam kan niet als onderwerp worden gebruikt. Gebruik geen tekens "
                          "als \\ / : * ? \" < > | en niet alleen een punt; een heel lange naam "
                          "past ook niet.");
}
QString WoordEditor::meldingGeenNaam() {
    return QStringLiteral("Geef eerst een naam voor het onderwerp...");
}
QString WoordEditor::meldingNietOpgeslagen() {
    return QStringLiteral("Het onderwerp kon niet worden opgeslagen! Het bestand is niet "
                          "veranderd.");
}
QString WoordEditor::meldingOnopslaanbareWoorden() {
    return QStringLiteral("Het onderwerp kon niet worden opgeslagen: een woord bevat een "
                          "aanhalingsteken, een regeleinde of een teken dat niet in het bestand "
                          "past. Het bestand is niet veranderd.");
}
QString WoordEditor::nieuwVraag() {
    return QStringLiteral("Geef een naam voor het nieuwe onderwerp...\r\n\r\n"
                          "Typ steeds 3 woorden in die iets met elkaar te maken hebben. "
                          "In totaal moeten er 10 rijen van 3 woorden worden ingevuld. "
                          "Klik dan op Save om het op te slaan.");
}

QString WoordEditor::meldingNietHeelGelezen(const QString& naam, Opslag::LeesStatus status) {
    QString waarom;
    switch (status) {
    case Opslag::LeesStatus::Gelezen:
    case Opslag::LeesStatus::Ontbreekt:
        return {};
    case Opslag::LeesStatus::TeGroot:
        waarom = QStringLiteral("is te groot om te openen");
        break;
    case Opslag::LeesStatus::Onleesbaar:
        waarom = QStringLiteral("kan niet worden gelezen");
        break;
    case Opslag::LeesStatus::Afgebroken:
        waarom = QStringLiteral("is beschadigd: alleen het begin kon worden gelezen");
        break;
    case Opslag::LeesStatus::Hersteld:
        waarom = QStringLiteral("is beschadigd: niet elke regel kon worden gelezen zoals hij er "
                                "staat");
        break;
    }
    return QStringLiteral("Het onderwerp ‘%1’ %2. Bij Save wordt het oude bestand eerst bewaard "
                          "als ‘%1.dat.bak’; lukt dat niet, dan blijft het onveranderd.")
        .arg(naam, waarom);
}

QString onderwerpNaamMelding(const QString& naam) {
    if (naam.trimmed().isEmpty())
        return WoordEditor::meldingGeenNaam();
    if (!Opslag::isGeldigeOnderwerpNaam(naam))
        return WoordEditor::meldingOngeldigeNaam();
    return {};
}

WoordEditor::Uitkomst WoordEditor::openen(const QString& onderwerp) {
    m_namen = Opslag::onderwerpen(m_mappen);
    m_onderwerpTekst = onderwerp;
    wisTeksten();
    wisLijsten();
    const QString melding = laad(onderwerp);
    m_regel = kGeenRegel;
    return {true, melding};
}

WoordEditor::Uitkomst WoordEditor::kiesOnderwerp(int index) {
    if (index < 0 || index >= m_namen.size())
        return {};
    m_item = m_namen.at(index);
    m_onderwerpTekst = m_item;
    wisLijsten();
    const QString melding = laad(m_item);
    wisTeksten();
    return {true, melding};
}

void WoordEditor::klikRegel(int kolom, int rij) {
    if (kolom < 0 || kolom > 2 || !heeftRegel(m_kolommen.kolom[kolom], rij))
        return;
    if (kolom != 0) {
        m_selectie[kolom] = rij;
        return;
    }
    m_regel = rij;
    for (int k = 0; k < 3; ++k) {
        // A column of a file with empty fields can be shorter than the first.
        const bool heeft = heeftRegel(m_kolommen.kolom[k], rij);
        m_selectie[k] = heeft ? rij : kGeenRegel;
        m_tekst[k] = m_kolommen.kolom[k].value(rij);
    }
}

WoordEditor::Uitkomst WoordEditor::toevoegen() {
    if (m_kolommen.kolom[0].size() >= kMaxRegels)
        return {false, meldingTeVeelRegels()};
    for (const QString& t : m_tekst) {
        if (t.trimmed().isEmpty())
            return {false, meldingNietIngevuld()};
    }
    if (const QString melding = woordMelding(); !melding.isEmpty())
        return {false, melding};
    // Blanks around a word are the user's own: the trimmed form served only the test above.
    for (int k = 0; k < 3; ++k)
        m_kolommen.kolom[k].append(m_tekst[k]);
    wisTeksten();
    return {true, {}};
}

WoordEditor::Uitkomst WoordEditor::wijzigen() {
    // Only a row that all three columns have can be changed: in a column that is shorter (a
    // loaded file with empty fields) the row would land elsewhere.
    for (const QStringList& lijst : m_kolommen.kolom) {
        if (!heeftRegel(lijst, m_regel))
            return {};
    }
    for (const QString& t : m_tekst) {
        if (t.isEmpty())
            return {};
    }
    if (const QString melding = woordMelding(); !melding.isEmpty())
        return {false, melding};
    for (int k = 0; k < 3; ++k)
        m_kolommen.kolom[k][m_regel] = m_tekst[k];
    return {true, {}};
}

WoordEditor::Uitkomst WoordEditor::verwijderen() {
    const int rij = m_selectie[0];
    if (!heeftRegel(m_kolommen.kolom[0], rij))
        return {false, meldingGeenSelectie()};
    for (QStringList& lijst : m_kolommen.kolom) {
        if (heeftRegel(lijst, rij))
            lijst.removeAt(rij);
    }
    // The selected rows are gone; Regel stays, so Wijzig now acts on the row that moved up.
    wisSelectie();
    return {true, {}};
}

WoordEditor::Uitkomst WoordEditor::nieuw(const QString& antwoord) {
    if (antwoord.isEmpty())
        return {};
    for (const QString& naam : m_namen) {
        if (naam.compare(antwoord, Qt::CaseInsensitive) == 0)
            return {false, meldingDubbeleNaam()};
    }
    const bool alleenBlanco = antwoord.trimmed().isEmpty();
    // A name of blanks only is no file yet and is not listed; saving it is refused later.
    if (!alleenBlanco) {
        if (const QString melding = onderwerpNaamMelding(antwoord); !melding.isEmpty())
            return {false, melding};
        m_namen.append(antwoord);
    }
    m_onderwerpTekst = antwoord;
    wisLijsten();
    wisTeksten();
    return {true, {}};
}

WoordEditor::Uitkomst WoordEditor::opslaan() {
    if (const QString melding = onderwerpNaamMelding(m_onderwerpTekst); !melding.isEmpty())
        return {false, melding};
    switch (Opslag::WoordLijstOpslaan(m_mappen, m_onderwerpTekst, m_kolommen)) {
    case Opslag::OpslaanStatus::Opgeslagen:
        return {true, {}};
    case Opslag::OpslaanStatus::OngeldigeNaam:
        return {false, meldingOngeldigeNaam()};
    case Opslag::OpslaanStatus::OngeldigeTekst:
        return {false, meldingOnopslaanbareWoorden()};
    case Opslag::OpslaanStatus::SchrijvenMislukt:
    case Opslag::OpslaanStatus::LinkNaarBuiten:
        break;
    }
    return {false, meldingNietOpgeslagen()};
}

void WoordEditor::zetTekst(int kolom, const QString& tekst) {
    if (kolom >= 0 && kolom < 3)
        m_tekst[kolom] = tekst;
}

QString WoordEditor::regelTeller() const {
    return QStringLiteral("%1 Woorden").arg(m_kolommen.kolom[0].size());
}

QString WoordEditor::laad(const QString& naam) {
    // A missing file leaves the lists empty, silently: that is how a new topic opens.
    return meldingNietHeelGelezen(naam, Opslag::WoordLijstLaden(m_mappen, naam, m_kolommen));
}

void WoordEditor::wisLijsten() {
    for (QStringList& lijst : m_kolommen.kolom)
        lijst.clear();
    wisSelectie();
}

void WoordEditor::wisTeksten() {
    for (QString& t : m_tekst)
        t.clear();
}

void WoordEditor::wisSelectie() {
    for (int& s : m_selectie)
        s = kGeenRegel;
}

QString WoordEditor::woordMelding() const {
    for (const QString& woord : m_tekst) {
        const auto teken = Opslag::eersteOnopslaanbaar(woord);
        if (!teken)
            continue;
        if (*teken == u"\"")
            return meldingAanhalingsteken();
        if (*teken == u"\r" || *teken == u"\n")
            return meldingRegeleinde();
        return meldingOnopslaanbaarTeken(*teken);
    }
    return {};
}

} // namespace Regels
