#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Puts single realistic faults into a scratch copy of the source, one at a time, rebuilds the
tests that should notice each, runs them and reports whether they did. Exits 1 when a fault
survived (or no longer applies: its old text must occur exactly once, so the list follows the
code). Slow: an incremental rebuild per fault. The scratch copy and its build folder are kept in
$MUTATE_DIR (default /tmp/drietalspel-mutate) and reused by the next run. Run it through
scripts/mutate.sh, which starts the test sound sink first.
    mutate.py            every fault
    mutate.py WORD ...   only the faults whose name contains one of the words
"""
import os, re, signal, subprocess, sys, time
from typing import NamedTuple

# Test targets by area; a fault names areas (@name) and single targets.
GROUPS = {
    'storage': ['tst_opslag'],
    'game': ['tst_regels', 'tst_spel'],
    'platform': ['tst_platform'],
    'sound': ['tst_geluid'],
    'windows': ['tst_vensters'],
    'main': ['tst_main'],
    'reader': ['orca'],
}


class Fault(NamedTuple):
    name: str
    file: str
    old: str  # the text it replaces, exactly once in the file
    new: str  # the text put in its place
    tests: str  # areas (@name) and targets that should catch it


# One fault a row. A text of several lines is a tuple of its lines.
FAULTS = [
    Fault('codepage-quotes-swapped', 'src/storage/textcodec.cpp',
          '0x0090, 0x2018, 0x2019,',
          '0x0090, 0x2019, 0x2018,',
          '@storage'),
    Fault('size-limit-off-by-one', 'src/storage/fileaccess.cpp',
          'if (info.size() > kMaxBestandsgrootte)',
          'if (info.size() >= kMaxBestandsgrootte)',
          '@storage'),
    Fault('fifo-opened', 'src/storage/fileaccess.cpp',
          'return QFileInfo(pad).isFile();',
          'return QFileInfo(pad).exists() && !QFileInfo(pad).isDir();',
          '@storage'),
    Fault('save-without-flush-check', 'src/storage/fileaccess.cpp',
          'return file.flush() && file.commit();',
          'return file.commit();',
          '@storage'),
    Fault('link-out-of-folders-written', 'src/storage/fileaccess.cpp',
          'if (!magSchrijven(mappen, pad) || (bewaarOud && !magSchrijven(mappen, backup)))',
          'if (bewaarOud && !magSchrijven(mappen, backup))',
          '@storage'),
    Fault('crlf-read-as-two-line-ends', 'src/storage/recordformat.cpp',
          "if (c == u'\\r' && m_pos < m_text.size() && m_text.at(m_pos) == u'\\n')",
          "if (c == u'\\n' && m_pos < m_text.size() && m_text.at(m_pos) == u'\\r')",
          '@storage'),
    Fault('think-time-upper-bound', 'src/storage/settingsfile.cpp',
          'w.PauzeTijd = begrensd(*pauze, kMinPauzeTijd, kMaxPauzeTijd);',
          'w.PauzeTijd = begrensd(*pauze, kMinPauzeTijd, kMaxPauzeTijd + 1);',
          '@storage'),
    Fault('score-list-one-header-line', 'src/storage/scorefile.cpp',
          'if (!lezer.veld() || !lezer.veld()) {',
          'if (!lezer.veld()) {',
          '@storage'),
    Fault('eleven-records-read', 'src/storage/topicfiles.cpp',
          ('drietal = *record;', '    }', '    return onderwerp;'),
          ('drietal = *record;', '    }', '    if (!leesRecord(lezer))', '        return std::nullopt;', '    return onderwerp;'),
          '@storage'),
    Fault('empty-fields-kept-in-columns', 'src/storage/topicfiles.cpp',
          'if (!(*record)[k].isEmpty())',
          'if (true)',
          '@storage'),
    Fault('damaged-topic-not-kept-at-save', 'src/storage/topicfiles.cpp',
          'return status != LeesStatus::Gelezen && status != LeesStatus::Ontbreekt;',
          'return status == LeesStatus::Onleesbaar;',
          '@storage @game'),
    Fault('deleted-sample-offered-again', 'src/storage/samples.cpp',
          'if (aangeboden.contains(naam) || !isOpslaanbareTekst(naam))',
          'if (!isOpslaanbareTekst(naam))',
          '@storage'),
    Fault('user-folder-taken-over-every-start', 'src/storage/paths.cpp',
          'if (!QFileInfo(mappen.dataMap()).isDir() && QDir().mkpath(mappen.dataMap()))',
          'if (QDir().mkpath(mappen.dataMap()))',
          '@storage'),
    Fault('portable-copy-writes-nowhere', 'src/storage/paths.cpp',
          'm_gebruiker(gebruiker.isEmpty() ? m_programma : std::move(gebruiker))',
          'm_gebruiker(std::move(gebruiker))',
          '@storage'),
    Fault('first-start-writes-no-settings', 'src/game/instellingen.cpp',
          ('if (gelezen.status == Opslag::LeesStatus::Ontbreekt) {', '        opslaan();'),
          'if (gelezen.status == Opslag::LeesStatus::Ontbreekt) {',
          '@game'),
    Fault('unstorable-score-entry-not-kept-as-bak', 'src/game/scorelijst.cpp',
          'm_bewaren = Opslag::moetBewaren(gelezen.status) || regels != gelezen.regels;',
          'm_bewaren = Opslag::moetBewaren(gelezen.status);',
          '@game'),
    Fault('penalty-step-off-by-one', 'src/game/spel.cpp',
          ('m_t.SpelTijd += m_t.StrafTijd;', '    m_t.StrafTijd += 10;'),
          ('m_t.StrafTijd += 10;', '    m_t.SpelTijd += m_t.StrafTijd;'),
          '@game @main'),
    Fault('wrong-slot-compared', 'src/game/spel.cpp',
          'drietalCode(m_t.Keuze[0], m_t.Keuze[1], m_t.Keuze[2]);',
          'drietalCode(m_t.Keuze[0], m_t.Keuze[1], m_t.Keuze[1]);',
          '@game'),
    Fault('wrong-card-turned-back', 'src/game/spel.cpp',
          'zetKaart(rij, m_t.Keuze[rij], false);',
          'zetKaart(rij, m_t.Keuze[0], false);',
          '@game'),
    Fault('rows-dealt-alike', 'src/game/spel.cpp',
          'const int vak = vrij[keus];',
          'const int vak = rij == 0 ? vrij[keus] : (*plekken[0])[i];',
          '@game'),
    Fault('pause-drops-part-second', 'src/core/tijdbron.cpp',
          'plan(m_rest);',
          'plan(kSeconde);',
          '@game'),
    Fault('reveal-arrows-do-nothing', 'src/ui/main/speelbord.cpp',
          'if (fase != Regels::Fase::Onthullen && fase != Regels::Fase::Spelen)',
          'if (fase != Regels::Fase::Spelen)',
          '@main'),
    Fault('pause-turned-around', 'src/game/spel.cpp',
          'if ((m_fase != Fase::Spelen && m_fase != Fase::Onthullen) || m_gepauzeerd)',
          'if ((m_fase == Fase::Spelen || m_fase == Fase::Onthullen) || m_gepauzeerd)',
          '@game @main'),
    Fault('scores-sorted-as-text', 'src/game/scorelijst.cpp',
          'return {false, m.captured(1).toLongLong(), m.captured(2).toLongLong(), m.captured(3)};',
          'return {false, 0, 0, regel};',
          '@game @windows'),
    Fault('wallpaper-matched-by-prefix', 'src/game/instellingenkeuze.cpp',
          'if (namen[i] + QStringLiteral(".jpg") == bestand)',
          'if (bestand.startsWith(namen[i]))',
          '@game @windows'),
    Fault('topic-with-too-many-words-taken', 'src/game/instellingenkeuze.cpp',
          'return woorden == kWoordenInOnderwerp;',
          'return woorden >= kWoordenInOnderwerp;',
          '@game @windows'),
    Fault('editor-takes-eleven-rows', 'src/game/woordeditor.cpp',
          'if (m_kolommen.kolom[0].size() >= kMaxRegels)',
          'if (m_kolommen.kolom[0].size() > kMaxRegels)',
          '@game @windows'),
    Fault('topic-name-duplicate-by-case', 'src/game/woordeditor.cpp',
          'if (naam.compare(antwoord, Qt::CaseInsensitive) == 0)',
          'if (naam == antwoord)',
          '@game @windows'),
    Fault('repeating-timer-fires-once', 'src/platform/echtetijd.cpp',
          'timer->setSingleShot(!herhalen);',
          'timer->setSingleShot(true);',
          '@platform'),
    Fault('session-end-signal-not-caught', 'src/platform/afsluitsignaal.cpp',
          'for (int signaal : {SIGTERM, SIGINT, SIGHUP})',
          'for (int signaal : {SIGINT, SIGHUP})',
          '@platform'),
    Fault('sound-played-at-one-rate', 'src/geluid/pulseuitvoer.cpp',
          'uint32_t(nieuw.rate)',
          'uint32_t(44100)',
          '@sound'),
    Fault('eight-bit-lead-in-not-silent', 'src/platform/geluid.cpp',
          'QByteArray pcm(stilte + frames * blok, soort.bits == 8 ? char(0x80) : char(0));',
          'QByteArray pcm(stilte + frames * blok, char(0));',
          '@sound'),
    Fault('fifo-sound-opened', 'src/platform/geluid.cpp',
          'if (!QFileInfo(pad).isFile() || !bestand.open(QIODevice::ReadOnly))',
          'if (!QFileInfo(pad).exists() || !bestand.open(QIODevice::ReadOnly))',
          '@sound'),
    Fault('second-press-not-ignored', 'src/ui/kit/venster.cpp',
          ('if (!nieuw)', '        return false;'),
          '',
          '@windows @main'),
    Fault('button-frame-hidden', 'src/ui/kit/venster.cpp',
          'paneel->setGeometry(knop.adjusted(-2, -2, 2, 2));',
          'paneel->setGeometry(knop);',
          '@windows'),
    Fault('think-time-bar-disconnected', 'src/ui/windows/config.cpp',
          'connect(m_bedenktijdBalk, &QScrollBar::valueChanged, this, &Config::pauzeGewijzigd);',
          '',
          '@windows'),
    Fault('colour-change-not-shown', 'src/ui/windows/config.cpp',
          '            [this] { zetAchtergrond(this, vensterKleur(m_inst.waarden())); });',
          '            [] {});',
          '@windows'),
    Fault('score-window-unsorted', 'src/ui/windows/scoreform.cpp',
          'm_lijst->addItems(Regels::gesorteerdeScores(m_scores.regels()));',
          'm_lijst->addItems(m_scores.regels());',
          '@windows'),
    Fault('solution-open-a-tick-longer', 'src/ui/windows/oplossing.cpp',
          'if (--m_resterend > 0)',
          'if (--m_resterend >= 0)',
          '@windows'),
    Fault('editor-add-ignores-typed-words', 'src/ui/windows/woordform.cpp',
          ('bool Woordform::toevoegen() {', '    neemInvoer();'),
          'bool Woordform::toevoegen() {',
          '@windows'),
    Fault('no-pause-on-focus-loss', 'src/ui/main/mainwindow.cpp',
          'if (st != Qt::ApplicationActive)',
          'if (st == Qt::ApplicationSuspended)',
          '@main'),
    Fault('no-pause-when-minimised', 'src/ui/main/speelbord.cpp',
          ('if (isMinimized())', '            m_spel.pauzeer();'),
          ('if (isMaximized())', '            m_spel.pauzeer();'),
          '@main'),
    Fault('card-changes-not-shown', 'src/ui/main/mainwindow.cpp',
          'connect(&m_spel, &Spel::kaartGewijzigd, this, &Main::toonKaart);',
          '',
          '@main'),
    Fault('card-edge-hits', 'src/ui/main/bordmaten.cpp',
          'if (p.x() > vlak.left() &&',
          'if (p.x() >= vlak.left() &&',
          '@main'),
    Fault('exit-saves-nothing', 'src/ui/main/afsluiten.cpp',
          'const bool opgeslagen = opslaanBijAfsluiten();',
          'const bool opgeslagen = true;',
          '@main'),
    Fault('stale-lock-kept-when-unformatted', 'src/storage/folderlock.cpp',
          'if (lock.pid == 0)',
          'if (lock.pid == 0 && st.st_size > kMaxLock)',
          '@storage'),
    Fault('lock-of-another-host-never-stale', 'src/storage/folderlock.cpp',
          '           std::chrono::seconds(MapVergrendeling::kVerouderd).count();',
          '           1000 * std::chrono::seconds(MapVergrendeling::kVerouderd).count();',
          '@storage'),
    Fault('fifo-lock-read', 'src/storage/folderlock.cpp',
          'if (!S_ISREG(st.st_mode)) {',
          'if (S_ISLNK(st.st_mode)) {',
          '@storage'),
    Fault('lock-not-refreshed', 'src/storage/folderlock.cpp',
          'if (m_slot.isLocked())',
          'if (!m_slot.isLocked())',
          '@storage'),
    Fault('repaired-row-read-whole', 'src/storage/topicfiles.cpp',
          'return lezer.hersteld() || !isTekst(inhoud.tekst) ? LeesStatus::Hersteld : LeesStatus::Gelezen;',
          'return lezer.hersteld() ? LeesStatus::Hersteld : LeesStatus::Gelezen;',
          '@storage'),
    Fault('damaged-offer-note-read-empty', 'src/storage/samples.cpp',
          'if (!eerder)',
          'if (!eerder && false)',
          '@storage'),
    Fault('note-shown-whole', 'src/ui/main/afsluiten.cpp',
          'if (tekens + regel.size() > kNotitieTekens)',
          'if (false)',
          '@main'),
    Fault('unwritable-folder-not-told', 'src/ui/main/afsluiten.cpp',
          'if (!Opslag::kanSchrijvenIn(map))',
          'if (!QFileInfo(map).isWritable())',
          '@main'),
    Fault('sound-module-fifo-loaded', 'src/platform/geluid.cpp',
          'if (!QFileInfo(plek).isFile())',
          'if (!QFileInfo(plek).exists())',
          '@sound'),
    Fault('not-told-think-time-runs', 'src/ui/main/mainwindow.cpp',
          'zegVoor(bedenktijdMelding(), Voorlees::Uitslag);',
          '(void)bedenktijdMelding();',
          '@reader'),
    Fault('card-word-last', 'src/ui/main/kaartvak.cpp',
          ': woord + QStringLiteral(". ") + plek;',
          ': plek + QStringLiteral(", open: ") + woord;',
          '@reader'),
    Fault('arrows-read-covered-cards', 'src/ui/main/speelbord.cpp',
          'return; // the cards are covered',
          '{} // the cards are covered',
          '@reader @main'),
    Fault('not-told-cards-turned', 'src/ui/main/mainwindow.cpp',
          'zegVoor(QStringLiteral("De kaarten zijn omgedraaid"), Voorlees::Uitslag);',
          '{}',
          '@reader'),
    Fault('not-told-word-opened', 'src/ui/main/speelbord.cpp',
          'zegVoor(m_spel.woord(rij, vak), Voorlees::Woord);',
          '{}',
          '@reader'),
    Fault('not-told-right-or-wrong', 'src/ui/main/mainwindow.cpp',
          'zegVoor(goed ? QStringLiteral("Goed") : QStringLiteral("Fout"), Voorlees::Uitslag);',
          '(void)goed;',
          '@reader'),
    Fault('not-told-pause', 'src/ui/main/mainwindow.cpp',
          'zegVoor(gepauzeerd ? QStringLiteral("Pauze. Druk op P om verder te spelen.")',
          'zegVoor(gepauzeerd ? QString()',
          '@reader'),
    Fault('not-told-help', 'src/ui/main/commandos.cpp',
          'zegVoor(tonen ? uitleg.replace(u\'\\n\', u\' \') : QStringLiteral("Help gesloten"));',
          'zegVoor(tonen ? QString() : QStringLiteral("Help gesloten"));',
          '@reader'),
    Fault('not-told-welcome', 'src/ui/main/speelbord.cpp',
          'zegVoor(welkomTekst());',
          '{}',
          '@reader'),
    Fault('win-told-without-its-time', 'src/ui/main/mainwindow.cpp',
          'zegVoor(m_spel.infoTekst() + QStringLiteral(" Tijd ") + m_spel.timerTekst());',
          'zegVoor(m_spel.infoTekst());',
          '@reader'),
    Fault('score-entry-not-told', 'src/ui/main/mainwindow.cpp',
          'this, [this, regel] { m_voorlezer->zeg(regel); }, Qt::QueuedConnection);',
          'this, [regel] { (void)regel; }, Qt::QueuedConnection);',
          '@reader'),
    Fault('toolbar-name-twice', 'src/ui/main/werkbalk.cpp',
          'm_knoppen[i]->setTip(QString::fromLatin1(soort.tip));',
          'm_knoppen[i]->setToolTip(QString::fromLatin1(soort.tip));',
          '@reader'),
    Fault('scroll-bar-out-of-tab-order', 'src/ui/windows/config.cpp',
          'scroll->setFocusPolicy(Qt::StrongFocus);',
          'scroll->setFocusPolicy(Qt::NoFocus);',
          '@reader @windows'),
    Fault('click-through-the-help', 'src/ui/main/speelbord.cpp',
          'if (knop != Qt::LeftButton || helpZichtbaar())',
          'if (knop != Qt::LeftButton)',
          '@main'),
    Fault('double-click-on-controls-hides-toolbar', 'src/ui/main/mainwindow.cpp',
          'return w->isVisible() && w->geometry().contains(plek);',
          'return w->isVisible() && w->geometry().contains(plek) && false;',
          '@main'),
    Fault('undecodable-wallpaper-blanks', 'src/ui/main/mainwindow.cpp',
          ('if (beeld.isNull())', '        return;'),
          ('if (false)', '        return;'),
          '@main'),
    Fault('clock-ticks-unseen', 'src/ui/main/mainwindow.cpp',
          'if (!isVisible() || isMinimized()) {',
          'if (false) {',
          '@main'),
    Fault('wallpaper-at-half-size', 'src/ui/main/mainwindow.cpp',
          'const QSize doel = size() * devicePixelRatioF();',
          'const QSize doel = size() * devicePixelRatioF() / 2;',
          '@main'),
    Fault('card-dots-spaced-by-the-scale', 'src/ui/main/bordtekening.cpp',
          'y += 2 * stip) {',
          'y += int(2 * dpr)) {',
          '@main'),
    Fault('help-lines-not-fitted', 'src/ui/main/helppaneel.cpp',
          'letters << passend(font, QString::fromUtf8(regel.tekst), kBreedte - kMarge - regel.x, 6);',
          'letters << passend(font, QString::fromUtf8(regel.tekst), 100000, 6);',
          '@main'),
    Fault('short-sound-never-started', 'src/geluid/pulseuitvoer.cpp',
          'zelf->afvoer = pa_stream_drain(stroom, leeggespeeld, zelf);',
          'zelf->afvoer = ((void)leeggespeeld, nullptr);',
          '@sound'),
    Fault('stream-closed-after-each-sound', 'src/geluid/pulseuitvoer.cpp',
          '    if (!gelukt)',
          '    if ((void)gelukt, zelf->sluitStroom(), !zelf->stroom)',
          '@sound'),
    Fault('played-out-stream-left-running', 'src/geluid/pulseuitvoer.cpp',
          '    if (pa_operation* o = pa_stream_cork(stroom, 1, nullptr, nullptr))',
          '    if (pa_operation* o = ((void)stroom, nullptr))',
          '@sound'),
    Fault('cut-sound-not-flushed', 'src/geluid/pulseuitvoer.cpp',
          '    if (pa_operation* o = pa_stream_flush(stroom, nullptr, nullptr))',
          '    if (pa_operation* o = ((void)stroom, nullptr))',
          '@sound'),
    Fault('leaving-question-does-not-pause', 'src/ui/main/speelbord.cpp',
          ('    m_spel.pauzeer();', '    m_stillePauze = false;'),
          '    m_stillePauze = false;',
          '@main'),
    Fault('no-resume-after-no', 'src/ui/main/speelbord.cpp',
          '    else if (pauzeerVoorVraag)',
          '    else if (!pauzeerVoorVraag)',
          '@main'),
    Fault('topic-name-not-elided', 'src/ui/windows/config.cpp',
          '    const int breedte = lijst->geometry().right() + 1 - label->x();',
          '    const int breedte = lijst->geometry().right() + 100 - label->x();',
          '@windows'),
    Fault('list-entries-wider-than-list', 'src/ui/windows/config.cpp',
          '        setItemDelegate(new BinnenDeBreedte(this));',
          '        {}',
          '@windows'),
    Fault('word-boxes-tab-into-lists', 'src/ui/windows/woordform.cpp',
          ('        setTabOrder(m_woordVelden[k],', '                    k < 2 ? static_cast<QWidget*>(m_woordVelden[k + 1]) : m_toevoegKnop);'),
          '        {}',
          '@windows'),
    Fault('enter-in-word-box-does-nothing', 'src/ui/windows/woordform.cpp',
          '            if (toevoegen())',
          '            if (false)',
          '@windows'),
    Fault('enter-in-title-box-does-nothing', 'src/ui/windows/config.cpp',
          '    connect(m_titelVeld, &QLineEdit::returnPressed, this, &Config::pasTitelToeEnSluit);',
          '    {}',
          '@windows'),
    Fault('settings-change-not-told', 'src/game/instellingen.cpp',
          ('    m_waarden = nieuw;', '    emit gewijzigd();'),
          '    m_waarden = nieuw;',
          '@game @main @windows'),
    Fault('wallpaper-change-not-told', 'src/game/instellingen.cpp',
          '        emit achtergrondGewijzigd();',
          '        {}',
          '@game @main'),
    Fault('main-window-does-not-follow-settings', 'src/ui/main/mainwindow.cpp',
          '    connect(&m_inst, &Regels::Instellingen::gewijzigd, this, &Main::toonInstellingen);',
          '    {}',
          '@main'),
    Fault('score-window-does-not-follow-list', 'src/ui/windows/scoreform.cpp',
          '    connect(&m_scores, &Regels::ScoreLijst::gewijzigd, this, &ScoreForm::vul);',
          '    {}',
          '@windows'),
    Fault('unstorable-character-not-named', 'src/storage/recordformat.cpp',
          '            return teken;',
          '            return text;',
          '@game @windows'),
]

import os, re, signal, subprocess, sys, time

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
work = os.environ.get("MUTATE_DIR", "/tmp/drietalspel-mutate")
tree, build = os.path.join(work, "tree"), os.path.join(work, "build")
limit = int(os.environ.get("MUTATE_TIMEOUT", "300"))


def as_text(t):
    return "\n".join(t) if isinstance(t, tuple) else t


faults = []
for row in FAULTS:
    f = {"fault": row.name, "file": row.file, "old": as_text(row.old), "new": as_text(row.new),
         "targets": []}
    for t in row.tests.split():
        for target in GROUPS[t[1:]] if t.startswith("@") else [t]:
            if target not in f["targets"]:
                f["targets"].append(target)
    faults.append(f)
wanted = sys.argv[1:]
if wanted:
    faults = [f for f in faults if any(w in f["fault"] for w in wanted)]

def read(path):
    with open(path, "rb") as h:
        return h.read()

def write(path, data):
    # Always a fresh write, so the file is newer than anything built from another version of it.
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as h:
        h.write(data)

# The list must match the code as it is: every old text exactly once.
wrong = []
for f in faults:
    count = read(os.path.join(root, f["file"])).decode().count(f["old"])
    if count != 1:
        wrong.append(f"{f['fault']}: old text found {count} times in {f['file']}")
if wrong:
    sys.exit("mutate.py: the fault list no longer matches the code:\n  " + "\n  ".join(wrong))

# The scratch copy: the work tree's files, rewritten only where they differ.
listed = {rel for rel in subprocess.run(
    ["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=root, check=True,
    capture_output=True).stdout.decode().split("\0") if rel and os.path.isfile(os.path.join(root, rel))}
for rel in listed:
    src, dst = os.path.join(root, rel), os.path.join(tree, rel)
    if not os.path.isfile(dst) or read(dst) != read(src):
        write(dst, read(src))
        if os.access(src, os.X_OK):
            os.chmod(dst, 0o755)
for folder, _, names in os.walk(tree):
    for name in names:
        rel = os.path.relpath(os.path.join(folder, name), tree)
        if rel not in listed:
            os.remove(os.path.join(tree, rel))

def run(cmd, **kw):
    return subprocess.run(cmd, stdin=subprocess.DEVNULL, capture_output=True, text=True,
                          errors="replace", **kw)

# Configured every run, so the list of tests below follows the test files as they are now.
r = run(["cmake", "-S", tree, "-B", build, "-DDRIETAL_TESTS=ON", "-DCMAKE_BUILD_TYPE=Debug",
         "-DCMAKE_CXX_FLAGS_DEBUG=-O0"])
if r.returncode:
    sys.exit("mutate.py: configuring the scratch build failed\n" + r.stdout + r.stderr)

# A target named in the list that has no test (yet) cannot catch anything.
known = set(re.findall(r"Test +#\d+: (\S+)", run(["ctest", "--test-dir", build, "-N"]).stdout))
for f in faults:
    f["targets"] = [t for t in f["targets"] if t in known]

def build_targets(targets):
    r = run(["cmake", "--build", build, "-j2", "--target", *targets])
    return r.returncode == 0, r.stdout + r.stderr

def run_tests(targets):
    """None when every test passed, otherwise what failed."""
    cmd = ["ctest", "--test-dir", build, "--stop-on-failure", "--output-on-failure",
           "-R", "^(" + "|".join(targets) + ")$"]
    p = subprocess.Popen(cmd, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                         stderr=subprocess.STDOUT, text=True, errors="replace",
                         start_new_session=True)
    try:
        out, _ = p.communicate(timeout=limit)
    except subprocess.TimeoutExpired:
        os.killpg(p.pid, signal.SIGKILL)
        p.communicate()
        return f"timeout after {limit} s"
    if p.returncode == 0 and "No tests were found" not in out:
        return None
    failed = re.findall(r"^\s*\d+ - (\S+) \(", out, re.M)
    return ", ".join(failed) or out.strip().splitlines()[-1]

# The unchanged code must pass, or a failure would say nothing about a fault.
every = sorted({t for f in faults for t in f["targets"]})
ok, log = build_targets(every)
if not ok:
    sys.exit("mutate.py: the unchanged code does not build\n" + log[-3000:])
failed = run_tests(every)
if failed:
    sys.exit(f"mutate.py: the unchanged code fails its tests: {failed}")

caught = 0
problems = 0
for f in faults:
    if not f["targets"]:
        print(f"SURVIVED  {f['fault']:40} {f['file']:32} (no test)", flush=True)
        continue
    path = os.path.join(tree, f["file"])
    original = read(path)
    write(path, original.decode().replace(f["old"], f["new"]).encode())
    started = time.time()
    try:
        ok, log = build_targets(f["targets"])
        failed = run_tests(f["targets"]) if ok else None
    finally:
        write(path, original)
    took = f"{time.time() - started:.0f}s"
    if not ok:
        problems += 1
        print(f"NO BUILD  {f['fault']:40} {f['file']}\n{log[-2000:]}", flush=True)
    elif failed:
        caught += 1
        print(f"caught    {f['fault']:40} {f['file']:32} by {failed} ({took})", flush=True)
    else:
        print(f"SURVIVED  {f['fault']:40} {f['file']:32} ({took})", flush=True)
print(f"{caught} of {len(faults)} faults caught")
sys.exit(0 if caught == len(faults) and not problems else 1)
