// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/spel.h"

#include "storage/recordformat.h"

#include <algorithm>

namespace Regels {
namespace {

constexpr int kTerugDraaiMs = 2000;

const QString kKlikRij[kRijen] = {
    QStringLiteral("Klik een vakje aan in de 1e rij"),
    QStringLiteral("Klik een vakje aan in de 2e rij"),
    QStringLiteral("Klik een vakje aan in de 3e rij"),
};

} // namespace

Spel::Spel(Kern::TijdBron& tijd, Toeval& toeval, Instellingen& instellingen, ScoreLijst& scores,
           QObject* parent)
    : QObject(parent), m_tijd(tijd), m_toeval(toeval), m_inst(instellingen), m_scores(scores),
      m_aftel(QString::number(m_inst.waarden().PauzeTijd)) {}

// An empty word would be dealt as a blank card that no pick can find.
bool Spel::isCompleet(const Opslag::SpelOnderwerp& onderwerp) {
    for (const Opslag::Drietal& drietal : onderwerp) {
        for (const QString& woord : drietal) {
            if (woord.isEmpty())
                return false;
        }
    }
    return true;
}

Spel::StartUitkomst Spel::start(const QString& naamAntwoord,
                                const std::optional<Opslag::SpelOnderwerp>& onderwerp) {
    if (naamAntwoord.isEmpty())
        return StartUitkomst::Geannuleerd;
    if (!onderwerp || !isCompleet(*onderwerp)) {
        emit onderwerpOnleesbaar(m_inst.waarden().Onderwerp);
        return StartUitkomst::OnderwerpOnleesbaar;
    }

    m_terugDraaien.stop(); // a wrong pick of the old board must not close cards of the new one
    m_spelKlok.stop();
    if (m_gepauzeerd) {
        m_gepauzeerd = false;
        emit pauzeGewijzigd(false);
    }
    m_aftelTimer.stop();
    m_t.SpelerNaam = Opslag::maakOpslaanbaar(naamAntwoord);
    m_speler = m_t.SpelerNaam;
    zetRijKader(false, 0);
    m_info = QStringLiteral("Info");
    m_timer = QStringLiteral("00:00");
    deel(*onderwerp);
    m_fase = Fase::Delen;
    emit tekstenGewijzigd();
    return StartUitkomst::Gestart;
}

// Every word goes to a slot drawn uniformly from the slots of its card row still free.
void Spel::deel(const Opslag::SpelOnderwerp& onderwerp) {
    std::array<int, kVakken>* plekken[kRijen] = {&m_t.PlekRij1, &m_t.PlekRij2, &m_t.PlekRij3};
    for (int rij = 0; rij < kRijen; ++rij) {
        std::array<int, kVakken> vrij;
        for (int vak = 0; vak < kVakken; ++vak)
            vrij[vak] = vak;
        int aantalVrij = kVakken;
        for (int i = 0; i < kVakken; ++i) {
            const int keus = m_toeval.trek(aantalVrij);
            const int vak = vrij[keus];
            vrij[keus] = vrij[--aantalVrij];
            (*plekken[rij])[i] = vak;
            m_woord[rij][vak] = onderwerp[i][rij];
            m_open[rij][vak] = true;
        }
    }
    for (int i = 0; i < kVakken; ++i)
        m_t.DrietalCode[i] = drietalCode(m_t.PlekRij1[i], m_t.PlekRij2[i], m_t.PlekRij3[i]);
    emit bordGedeeld();
}

void Spel::toonPauzeTijd() {
    if (m_fase == Fase::Onthullen)
        return;
    m_aftel = QString::number(m_inst.waarden().PauzeTijd);
    emit tekstenGewijzigd();
}

void Spel::startAftellen() {
    if (m_fase != Fase::Delen)
        return;
    m_goed = QStringLiteral("0 Goed");
    m_t.Aftellen = m_inst.waarden().PauzeTijd;
    m_aftel = QString::number(m_t.Aftellen);
    m_t.StrafTijd = 10;
    m_fase = Fase::Onthullen;
    emit tekstenGewijzigd();
    m_aftelTimer.start(m_tijd, [this] { tikAftellen(); });
}

void Spel::tikAftellen() {
    speel(QStringLiteral("timer.wav"));
    zetBezig(true);
    if (m_t.Aftellen > 0)
        --m_t.Aftellen;
    m_aftel = QString::number(m_t.Aftellen);
    emit tekstenGewijzigd();
    if (m_t.Aftellen != 0)
        return;

    m_aftelTimer.stop();
    for (int rij = 0; rij < kRijen; ++rij) {
        for (int vak = 0; vak < kVakken; ++vak)
            zetKaart(rij, vak, false);
    }
    speel(QStringLiteral("Start.wav"));
    m_t.SpelTijd = 0;
    m_t.Stap = 0;
    m_t.AantalGoed = 0;
    zetRijKader(true, m_rijKaderRij);
    m_fase = Fase::Spelen;
    m_spelKlok.start(m_tijd, [this] { tikSpelKlok(); });
    zetBezig(false);
    zetInfo(kKlikRij[0]);
}

void Spel::tikSpelKlok() {
    m_t.SpelTijd += 1;
    m_timer = klokTekst(m_t.SpelTijd);
    emit tekstenGewijzigd();
}

bool Spel::kies(int rij, int vak) {
    if (m_fase != Fase::Spelen || m_gepauzeerd || rij != m_t.Stap || vak < 0 || vak >= kVakken ||
        m_open[rij][vak])
        return false;

    speel(QStringLiteral("kaart.wav"));
    zetKaart(rij, vak, true);
    const int volgende = (rij + 1) % kRijen;
    zetRijKader(m_rijKaderZichtbaar, volgende);
    zetInfo(kKlikRij[volgende]);
    m_t.Keuze[rij] = vak;
    ++m_t.Stap;
    if (m_t.Stap == kRijen)
        beoordeelKeuze();
    return true;
}

void Spel::beoordeelKeuze() {
    m_t.KeuzeCode = drietalCode(m_t.Keuze[0], m_t.Keuze[1], m_t.Keuze[2]);
    m_t.Uitslag = QStringLiteral("Fout");
    const bool goed = std::find(m_t.DrietalCode.begin(), m_t.DrietalCode.end(), m_t.KeuzeCode) !=
                      m_t.DrietalCode.end();
    emit keuzeBeoordeeld(goed);
    if (!goed) {
        zetRijKader(false, m_rijKaderRij);
        m_terugDraaien.start(m_tijd, kTerugDraaiMs, false, [this] { draaiTerug(); });
        return;
    }

    ++m_t.AantalGoed;
    m_goed = QStringLiteral("%1 Goed").arg(m_t.AantalGoed);
    m_t.Stap = 0;
    m_t.Uitslag = QStringLiteral("Goed");
    emit tekstenGewijzigd();
    speel(QStringLiteral("%1.wav").arg(m_t.AantalGoed));
    if (m_t.AantalGoed < kVakken)
        return;

    m_spelKlok.stop();
    m_fase = Fase::Klaar;
    zetInfo(QStringLiteral("Je hebt alle 10 woorden goed geraden!"));
    const QString regel = m_timer + QStringLiteral(" - ") + m_t.SpelerNaam;
    m_scores.voegToe(regel);
    emit spelGewonnen(regel);
}

void Spel::draaiTerug() {
    for (int rij = 0; rij < kRijen; ++rij)
        zetKaart(rij, m_t.Keuze[rij], false);
    zetRijKader(true, m_rijKaderRij);
    m_t.Stap = 0;
}

void Spel::pauzeer() {
    if ((m_fase != Fase::Spelen && m_fase != Fase::Onthullen) || m_gepauzeerd)
        return;
    m_gepauzeerd = true;
    m_aftelTimer.pauzeer();
    m_spelKlok.pauzeer();
    emit pauzeGewijzigd(true);
}

void Spel::hervat() {
    if (!m_gepauzeerd)
        return;
    m_gepauzeerd = false;
    m_aftelTimer.hervat();
    m_spelKlok.hervat();
    emit pauzeGewijzigd(false);
}

void Spel::oplossingGezien() {
    if (m_fase != Fase::Spelen)
        return;
    m_t.SpelTijd += m_t.StrafTijd;
    m_t.StrafTijd += 10;
    m_timer = klokTekst(m_t.SpelTijd);
    emit tekstenGewijzigd();
}

void Spel::knopGeluid() {
    speel(QStringLiteral("button.wav"));
}

void Spel::wisselGeluid() {
    m_inst.wijzig([](InstellingWaarden& w) { w.GeluidAan = !w.GeluidAan; });
}

void Spel::speel(const QString& bestand) {
    if (m_inst.waarden().GeluidAan)
        emit geluidGevraagd(bestand);
}

void Spel::zetKaart(int rij, int vak, bool open) {
    if (m_open[rij][vak] == open)
        return;
    m_open[rij][vak] = open;
    emit kaartGewijzigd(rij, vak);
}

void Spel::zetRijKader(bool zichtbaar, int rij) {
    if (m_rijKaderZichtbaar == zichtbaar && m_rijKaderRij == rij)
        return;
    m_rijKaderZichtbaar = zichtbaar;
    m_rijKaderRij = rij;
    emit rijKaderGewijzigd();
}

void Spel::zetBezig(bool bezig) {
    if (m_bezig == bezig)
        return;
    m_bezig = bezig;
    emit bezigGewijzigd(bezig);
}

void Spel::zetInfo(const QString& tekst) {
    m_info = tekst;
    emit tekstenGewijzigd();
}

} // namespace Regels
