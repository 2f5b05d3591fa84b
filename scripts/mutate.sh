#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts single realistic faults into a scratch copy of the source, one at a time, rebuilds the
# tests that should notice each, runs them and reports whether they did. Exits 1 when a fault
# survived (or no longer applies: its old text must occur exactly once, so the list follows the
# code). Slow: an incremental rebuild per fault. The scratch copy and its build folder are kept
# in $MUTATE_DIR (default /tmp/drietalspel-mutate) and reused by the next run.
#   scripts/mutate.sh            every fault
#   scripts/mutate.sh WORD ...   only the faults whose name contains one of the words
set -euo pipefail
cd "$(dirname "$0")/.."

# Test targets by area; a fault names areas (@name) and single targets.
groups=$(cat <<'EOF'
storage  tst_opslag
game     tst_regels tst_spel
platform tst_platform
sound    tst_geluid
windows  tst_vensters
main     tst_main
reader   orca
EOF
)

# One fault a block: its name, the file, the text it replaces and the text put in its place (a
# line each, the text from the seventh column on), and the tests that should catch it.
faults=$(cat <<'EOF'
fault codepage-quotes-swapped
file  src/storage/textcodec.cpp
old   0x0090, 0x2018, 0x2019,
new   0x0090, 0x2019, 0x2018,
tests @storage

fault size-limit-off-by-one
file  src/storage/fileaccess.cpp
old   if (info.size() > kMaxBestandsgrootte)
new   if (info.size() >= kMaxBestandsgrootte)
tests @storage

fault fifo-opened
file  src/storage/fileaccess.cpp
old   return QFileInfo(pad).isFile();
new   return QFileInfo(pad).exists() && !QFileInfo(pad).isDir();
tests @storage

fault save-without-flush-check
file  src/storage/fileaccess.cpp
old   return file.flush() && file.commit();
new   return file.commit();
tests @storage

fault link-out-of-folders-written
file  src/storage/fileaccess.cpp
old   if (!magSchrijven(pad) || (bewaarOud && !magSchrijven(backup)))
new   if (bewaarOud && !magSchrijven(backup))
tests @storage

fault crlf-read-as-two-line-ends
file  src/storage/recordformat.cpp
old   if (c == u'\r' && m_pos < m_text.size() && m_text.at(m_pos) == u'\n')
new   if (c == u'\n' && m_pos < m_text.size() && m_text.at(m_pos) == u'\r')
tests @storage

fault think-time-upper-bound
file  src/storage/settingsfile.cpp
old   w.PauzeTijd = begrensd(*pauze, kMinPauzeTijd, kMaxPauzeTijd);
new   w.PauzeTijd = begrensd(*pauze, kMinPauzeTijd, kMaxPauzeTijd + 1);
tests @storage

fault score-list-one-header-line
file  src/storage/scorefile.cpp
old   if (!lezer.veld() || !lezer.veld()) {
new   if (!lezer.veld()) {
tests @storage

fault eleven-records-read
file  src/storage/topicfiles.cpp
old   drietal = *record;
old       }
old       return onderwerp;
new   drietal = *record;
new       }
new       if (!leesRecord(lezer))
new           return std::nullopt;
new       return onderwerp;
tests @storage

fault empty-fields-kept-in-columns
file  src/storage/topicfiles.cpp
old   if (!(*record)[k].isEmpty())
new   if (true)
tests @storage

fault damaged-topic-not-kept-at-save
file  src/storage/topicfiles.cpp
old   return status != LeesStatus::Gelezen && status != LeesStatus::Ontbreekt;
new   return status == LeesStatus::Onleesbaar;
tests @storage @game

fault deleted-sample-offered-again
file  src/storage/samples.cpp
old   if (aangeboden.contains(naam) || !isOpslaanbareTekst(naam))
new   if (!isOpslaanbareTekst(naam))
tests @storage

fault user-folder-taken-over-every-start
file  src/storage/paths.cpp
old   if (!QFileInfo(eigenData).isDir() && QDir().mkpath(eigenData))
new   if (QDir().mkpath(eigenData))
tests @storage

fault first-start-writes-no-settings
file  src/game/instellingen.cpp
old   if (gelezen.status == Opslag::LeesStatus::Ontbreekt) {
old           opslaan();
new   if (gelezen.status == Opslag::LeesStatus::Ontbreekt) {
tests @game

fault unstorable-score-entry-not-kept-as-bak
file  src/game/scorelijst.cpp
old   m_bewaren = Opslag::moetBewaren(gelezen.status) || regels != gelezen.regels;
new   m_bewaren = Opslag::moetBewaren(gelezen.status);
tests @game

fault penalty-step-off-by-one
file  src/game/spel.cpp
old   m_t.SpelTijd += m_t.StrafTijd;
old       m_t.StrafTijd += 10;
new   m_t.StrafTijd += 10;
new       m_t.SpelTijd += m_t.StrafTijd;
tests @game @main

fault wrong-slot-compared
file  src/game/spel.cpp
old   drietalCode(m_t.Keuze[0], m_t.Keuze[1], m_t.Keuze[2]);
new   drietalCode(m_t.Keuze[0], m_t.Keuze[1], m_t.Keuze[1]);
tests @game

fault wrong-card-turned-back
file  src/game/spel.cpp
old   zetKaart(rij, m_t.Keuze[rij], false);
new   zetKaart(rij, m_t.Keuze[0], false);
tests @game

fault rows-dealt-alike
file  src/game/spel.cpp
old   const int vak = vrij[keus];
new   const int vak = rij == 0 ? vrij[keus] : (*plekken[0])[i];
tests @game

fault pause-drops-part-second
file  src/core/tijdbron.cpp
old   plan(m_rest);
new   plan(kSeconde);
tests @game

fault reveal-arrows-do-nothing
file  src/ui/main/speelbord.cpp
old   if (fase != Regels::Fase::Onthullen && fase != Regels::Fase::Spelen)
new   if (fase != Regels::Fase::Spelen)
tests @main

fault pause-turned-around
file  src/game/spel.cpp
old   if ((m_fase != Fase::Spelen && m_fase != Fase::Onthullen) || m_gepauzeerd)
new   if ((m_fase == Fase::Spelen || m_fase == Fase::Onthullen) || m_gepauzeerd)
tests @game @main

fault scores-sorted-as-text
file  src/game/scorelijst.cpp
old   return {false, m.captured(1).toLongLong(), m.captured(2).toLongLong(), m.captured(3)};
new   return {false, 0, 0, regel};
tests @game @windows

fault wallpaper-matched-by-prefix
file  src/game/instellingenkeuze.cpp
old   if (namen[i] + QStringLiteral(".jpg") == bestand)
new   if (bestand.startsWith(namen[i]))
tests @game @windows

fault topic-with-too-many-words-taken
file  src/game/instellingenkeuze.cpp
old   return woorden == kWoordenInOnderwerp;
new   return woorden >= kWoordenInOnderwerp;
tests @game @windows

fault editor-takes-eleven-rows
file  src/game/woordeditor.cpp
old   if (m_kolommen.kolom[0].size() >= kMaxRegels)
new   if (m_kolommen.kolom[0].size() > kMaxRegels)
tests @game @windows

fault topic-name-duplicate-by-case
file  src/game/woordeditor.cpp
old   if (naam.compare(antwoord, Qt::CaseInsensitive) == 0)
new   if (naam == antwoord)
tests @game @windows

fault repeating-timer-fires-once
file  src/platform/echtetijd.cpp
old   timer->setSingleShot(!herhalen);
new   timer->setSingleShot(true);
tests @platform

fault session-end-signal-not-caught
file  src/platform/afsluitsignaal.cpp
old   for (int signaal : {SIGTERM, SIGINT, SIGHUP})
new   for (int signaal : {SIGINT, SIGHUP})
tests @platform

fault sound-played-at-one-rate
file  src/geluid/pulseuitvoer.cpp
old   uint32_t(nieuw.rate)
new   uint32_t(44100)
tests @sound

fault eight-bit-lead-in-not-silent
file  src/platform/geluid.cpp
old   QByteArray pcm(stilte + frames * blok, soort.bits == 8 ? char(0x80) : char(0));
new   QByteArray pcm(stilte + frames * blok, char(0));
tests @sound

fault fifo-sound-opened
file  src/platform/geluid.cpp
old   if (!QFileInfo(pad).isFile() || !bestand.open(QIODevice::ReadOnly))
new   if (!QFileInfo(pad).exists() || !bestand.open(QIODevice::ReadOnly))
tests @sound

fault second-press-not-ignored
file  src/ui/kit/venster.cpp
old   if (!nieuw)
old           return false;
new
tests @windows @main

fault button-frame-hidden
file  src/ui/kit/venster.cpp
old   paneel->setGeometry(knop.adjusted(-2, -2, 2, 2));
new   paneel->setGeometry(knop);
tests @windows

fault think-time-bar-disconnected
file  src/ui/windows/config.cpp
old   connect(m_bedenktijdBalk, &QScrollBar::valueChanged, this, &Config::pauzeGewijzigd);
new
tests @windows

fault colour-change-not-shown
file  src/ui/windows/config.cpp
old               [this] { zetAchtergrond(this, vensterKleur(m_inst.waarden())); });
new               [] {});
tests @windows

fault score-window-unsorted
file  src/ui/windows/scoreform.cpp
old   m_lijst->addItems(Regels::gesorteerdeScores(m_scores.regels()));
new   m_lijst->addItems(m_scores.regels());
tests @windows

fault solution-open-a-tick-longer
file  src/ui/windows/oplossing.cpp
old   if (--m_resterend > 0)
new   if (--m_resterend >= 0)
tests @windows

fault editor-add-ignores-typed-words
file  src/ui/windows/woordform.cpp
old   bool Woordform::toevoegen() {
old       neemInvoer();
new   bool Woordform::toevoegen() {
tests @windows

fault no-pause-on-focus-loss
file  src/ui/main/mainwindow.cpp
old   if (st != Qt::ApplicationActive)
new   if (st == Qt::ApplicationSuspended)
tests @main

fault no-pause-when-minimised
file  src/ui/main/speelbord.cpp
old   if (isMinimized())
old               m_spel.pauzeer();
new   if (isMaximized())
new               m_spel.pauzeer();
tests @main

fault card-changes-not-shown
file  src/ui/main/mainwindow.cpp
old   connect(&m_spel, &Spel::kaartGewijzigd, this, &Main::toonKaart);
new
tests @main

fault card-edge-hits
file  src/ui/main/bordmaten.cpp
old   if (p.x() > vlak.left() &&
new   if (p.x() >= vlak.left() &&
tests @main

fault exit-saves-nothing
file  src/ui/main/afsluiten.cpp
old   const bool opgeslagen = opslaanBijAfsluiten();
new   const bool opgeslagen = true;
tests @main

fault stale-lock-kept-when-unformatted
file  src/storage/folderlock.cpp
old   if (lock.pid == 0)
new   if (lock.pid == 0 && st.st_size > kMaxLock)
tests @storage

fault lock-of-another-host-never-stale
file  src/storage/folderlock.cpp
old              std::chrono::seconds(MapVergrendeling::kVerouderd).count();
new              1000 * std::chrono::seconds(MapVergrendeling::kVerouderd).count();
tests @storage

fault fifo-lock-read
file  src/storage/folderlock.cpp
old   if (!S_ISREG(st.st_mode)) {
new   if (S_ISLNK(st.st_mode)) {
tests @storage

fault lock-not-refreshed
file  src/storage/folderlock.cpp
old   if (m_slot.isLocked())
new   if (!m_slot.isLocked())
tests @storage

fault repaired-row-read-whole
file  src/storage/topicfiles.cpp
old   return lezer.hersteld() || !isTekst(inhoud.tekst) ? LeesStatus::Hersteld : LeesStatus::Gelezen;
new   return lezer.hersteld() ? LeesStatus::Hersteld : LeesStatus::Gelezen;
tests @storage

fault damaged-offer-note-read-empty
file  src/storage/samples.cpp
old   if (!eerder)
new   if (!eerder && false)
tests @storage

fault note-shown-whole
file  src/ui/main/afsluiten.cpp
old   if (tekens + regel.size() > kNotitieTekens)
new   if (false)
tests @main

fault unwritable-folder-not-told
file  src/ui/main/afsluiten.cpp
old   if (!Opslag::kanSchrijvenIn(map))
new   if (!QFileInfo(map).isWritable())
tests @main

fault sound-module-fifo-loaded
file  src/platform/geluid.cpp
old   if (!QFileInfo(plek).isFile())
new   if (!QFileInfo(plek).exists())
tests @sound

fault not-told-think-time-runs
file  src/ui/main/mainwindow.cpp
old   zegVoor(bedenktijdMelding(), Voorlees::Uitslag);
new   (void)bedenktijdMelding();
tests @reader

fault card-word-last
file  src/ui/main/kaartvak.cpp
old   : woord + QStringLiteral(". ") + plek;
new   : plek + QStringLiteral(", open: ") + woord;
tests @reader

fault arrows-read-covered-cards
file  src/ui/main/speelbord.cpp
old   return; // the cards are covered
new   {} // the cards are covered
tests @reader @main

fault not-told-cards-turned
file  src/ui/main/mainwindow.cpp
old   zegVoor(QStringLiteral("De kaarten zijn omgedraaid"), Voorlees::Uitslag);
new   {}
tests @reader

fault not-told-word-opened
file  src/ui/main/speelbord.cpp
old   zegVoor(m_spel.woord(rij, vak), Voorlees::Woord);
new   {}
tests @reader

fault not-told-right-or-wrong
file  src/ui/main/mainwindow.cpp
old   zegVoor(goed ? QStringLiteral("Goed") : QStringLiteral("Fout"), Voorlees::Uitslag);
new   (void)goed;
tests @reader

fault not-told-pause
file  src/ui/main/mainwindow.cpp
old   zegVoor(gepauzeerd ? QStringLiteral("Pauze. Druk op P om verder te spelen.")
new   zegVoor(gepauzeerd ? QString()
tests @reader

fault not-told-help
file  src/ui/main/commandos.cpp
old   zegVoor(tonen ? uitleg.replace(u'\n', u' ') : QStringLiteral("Help gesloten"));
new   zegVoor(tonen ? QString() : QStringLiteral("Help gesloten"));
tests @reader

fault not-told-welcome
file  src/ui/main/speelbord.cpp
old   zegVoor(welkomTekst());
new   {}
tests @reader

fault solution-codes-after-the-window
file  src/ui/main/commandos.cpp
old   .join(QStringLiteral(", ")));
old       leesVoor();
old       m_dialogen.toonOplossing
new   .join(QStringLiteral(", ")));
new       m_dialogen.toonOplossing
tests @reader

fault win-told-without-its-time
file  src/ui/main/mainwindow.cpp
old   zegVoor(m_spel.infoTekst() + QStringLiteral(" Tijd ") + m_spel.timerTekst());
new   zegVoor(m_spel.infoTekst());
tests @reader

fault score-entry-not-told
file  src/ui/main/mainwindow.cpp
old   this, [this, regel] { m_voorlezer->zeg(regel); }, Qt::QueuedConnection);
new   this, [regel] { (void)regel; }, Qt::QueuedConnection);
tests @reader

fault toolbar-name-twice
file  src/ui/main/werkbalk.cpp
old   m_knoppen[i]->setTip(QString::fromLatin1(soort.tip));
new   m_knoppen[i]->setToolTip(QString::fromLatin1(soort.tip));
tests @reader

fault scroll-bar-out-of-tab-order
file  src/ui/windows/config.cpp
old   scroll->setFocusPolicy(Qt::StrongFocus);
new   scroll->setFocusPolicy(Qt::NoFocus);
tests @reader @windows

fault click-through-the-help
file  src/ui/main/speelbord.cpp
old   if (knop != Qt::LeftButton || helpZichtbaar())
new   if (knop != Qt::LeftButton)
tests @main

fault double-click-on-controls-hides-toolbar
file  src/ui/main/mainwindow.cpp
old   return w->isVisible() && w->geometry().contains(plek);
new   return w->isVisible() && w->geometry().contains(plek) && false;
tests @main

fault undecodable-wallpaper-blanks
file  src/ui/main/mainwindow.cpp
old   if (beeld.isNull())
old           return;
new   if (false)
new           return;
tests @main

fault clock-ticks-unseen
file  src/ui/main/mainwindow.cpp
old   if (!isVisible() || isMinimized()) {
new   if (false) {
tests @main

fault wallpaper-at-half-size
file  src/ui/main/mainwindow.cpp
old   const QSize doel = size() * devicePixelRatioF();
new   const QSize doel = size() * devicePixelRatioF() / 2;
tests @main

fault card-dots-spaced-by-the-scale
file  src/ui/main/bordtekening.cpp
old   y += 2 * stip) {
new   y += int(2 * dpr)) {
tests @main

fault help-lines-not-fitted
file  src/ui/main/helppaneel.cpp
old   letters << passend(font, QString::fromUtf8(regel.tekst), kBreedte - kMarge - regel.x, 6);
new   letters << passend(font, QString::fromUtf8(regel.tekst), 100000, 6);
tests @main

fault short-sound-never-started
file  src/geluid/pulseuitvoer.cpp
old   zelf->afvoer = pa_stream_drain(stroom, leeggespeeld, zelf);
new   zelf->afvoer = ((void)leeggespeeld, nullptr);
tests @sound

fault stream-closed-after-each-sound
file  src/geluid/pulseuitvoer.cpp
old       if (!gelukt)
new       if ((void)gelukt, zelf->sluitStroom(), !zelf->stroom)
tests @sound

fault played-out-stream-left-running
file  src/geluid/pulseuitvoer.cpp
old       if (pa_operation* o = pa_stream_cork(stroom, 1, nullptr, nullptr))
new       if (pa_operation* o = ((void)stroom, nullptr))
tests @sound

fault cut-sound-not-flushed
file  src/geluid/pulseuitvoer.cpp
old       if (pa_operation* o = pa_stream_flush(stroom, nullptr, nullptr))
new       if (pa_operation* o = ((void)stroom, nullptr))
tests @sound

fault leaving-question-does-not-pause
file  src/ui/main/speelbord.cpp
old       m_spel.pauzeer();
old       m_stillePauze = false;
new       m_stillePauze = false;
tests @main

fault no-resume-after-no
file  src/ui/main/speelbord.cpp
old       else if (pauzeerVoorVraag)
new       else if (!pauzeerVoorVraag)
tests @main

fault topic-name-not-elided
file  src/ui/windows/config.cpp
old       const int breedte = lijst->geometry().right() + 1 - label->x();
new       const int breedte = lijst->geometry().right() + 100 - label->x();
tests @windows

fault list-entries-wider-than-list
file  src/ui/windows/config.cpp
old           setItemDelegate(new BinnenDeBreedte(this));
new           {}
tests @windows

fault word-boxes-tab-into-lists
file  src/ui/windows/woordform.cpp
old           setTabOrder(m_woordVelden[k],
old                       k < 2 ? static_cast<QWidget*>(m_woordVelden[k + 1]) : m_toevoegKnop);
new           {}
tests @windows

fault enter-in-word-box-does-nothing
file  src/ui/windows/woordform.cpp
old               if (toevoegen())
new               if (false)
tests @windows

fault enter-in-title-box-does-nothing
file  src/ui/windows/config.cpp
old       connect(m_titelVeld, &QLineEdit::returnPressed, this, &Config::pasTitelToeEnSluit);
new       {}
tests @windows

fault settings-change-not-told
file  src/game/instellingen.cpp
old       m_waarden = nieuw;
old       emit gewijzigd();
new       m_waarden = nieuw;
tests @game @main @windows

fault wallpaper-change-not-told
file  src/game/instellingen.cpp
old           emit achtergrondGewijzigd();
new           {}
tests @game @main

fault main-window-does-not-follow-settings
file  src/ui/main/mainwindow.cpp
old       connect(&m_inst, &Regels::Instellingen::gewijzigd, this, &Main::toonInstellingen);
new       {}
tests @main

fault score-window-does-not-follow-list
file  src/ui/windows/scoreform.cpp
old       connect(&m_scores, &Regels::ScoreLijst::gewijzigd, this, &ScoreForm::vul);
new       {}
tests @windows

fault unstorable-character-not-named
file  src/storage/recordformat.cpp
old               return teken;
new               return text;
tests @game @windows
EOF
)

export MUTATE_GROUPS=$groups MUTATE_FAULTS=$faults MUTATE_ROOT=$PWD
export MUTATE_DIR=${MUTATE_DIR:-/tmp/drietalspel-mutate} MUTATE_TIMEOUT=${MUTATE_TIMEOUT:-300}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/drietalspel-xdg-$(id -u)}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
# The sound faults are heard through the test sink; without it the sound test fails rather than
# skips, so the unchanged code's run stops the script instead of letting every sound fault pass.
export DRIETAL_CI=1
scripts/soundsink.sh start || echo "mutate.sh: no sound server; the sound test will fail" >&2
exec python3 - "$@" <<'PYTHON'
import os, re, signal, subprocess, sys, time

root, work = os.environ["MUTATE_ROOT"], os.environ["MUTATE_DIR"]
tree, build = os.path.join(work, "tree"), os.path.join(work, "build")
limit = int(os.environ["MUTATE_TIMEOUT"])
groups = {}
for line in os.environ["MUTATE_GROUPS"].strip().splitlines():
    name, *targets = line.split()
    groups[name] = targets

faults = []
for block in os.environ["MUTATE_FAULTS"].strip().split("\n\n"):
    f = {"old": [], "new": []}
    for line in block.splitlines():
        key, value = line[:6].strip(), line[6:]
        if key in ("old", "new"):
            f[key].append(value)
        else:
            f[key] = value.strip()
    f["old"], f["new"] = "\n".join(f["old"]), "\n".join(f["new"])
    f["targets"] = []
    for t in f["tests"].split():
        for target in groups[t[1:]] if t.startswith("@") else [t]:
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
    sys.exit("mutate.sh: the fault list no longer matches the code:\n  " + "\n  ".join(wrong))

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
    sys.exit("mutate.sh: configuring the scratch build failed\n" + r.stdout + r.stderr)

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
    sys.exit("mutate.sh: the unchanged code does not build\n" + log[-3000:])
failed = run_tests(every)
if failed:
    sys.exit(f"mutate.sh: the unchanged code fails its tests: {failed}")

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
PYTHON
