// SPDX-License-Identifier: GPL-3.0-or-later
// The three file formats and the files under them: Windows-1252 text and record lines, the
// settings file and the high-score list, topic files, and how files are read, replaced and found.
#include "storage/folderlock.h"
#include "storage/recordformat.h"
#include "storage/samples.h"
#include "storage/scorefile.h"
#include "storage/textcodec.h"
#include "support/testonderwerp.h"

#include <QtTest>
#include <iconv.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace Opslag;
using TestMap::kKop, TestMap::lees, TestMap::schrijf;

namespace {

// The seven stored values in file order, so a failed comparison shows which one differs.
QStringList waarden(const OpgeslagenInstellingen& w) {
    QStringList l;
    for (const int getal : {w.ColorRed, w.ColorGreen, w.ColorBlue})
        l << QString::number(getal);
    return l << w.WallpaperFile << QString::number(w.PauzeTijd) << w.TitelTekst
             << (w.TitelKleur ? u"#TRUE#"_s : u"#FALSE#"_s);
}

// Records "r1a","r1b","r1c" CR LF up to rn.
QByteArray records(int n) {
    QByteArray bytes;
    for (int r = 1; r <= n; ++r)
        bytes += u"\"r%1a\",\"r%1b\",\"r%1c\"\r\n"_s.arg(r).toLatin1();
    return bytes;
}

// Puts at pad what a crash, a full disk, or a damaged or hostile folder may leave there, by soort:
// 4 KiB of random bytes ("ruis"), inhoud and 2 MiB of blanks ("groot"), a folder ("map"), a FIFO
// ("fifo"), a link to a file of inhoud beside it ("link"), or else a file of inhoud.
bool maakRest(const QString& soort, const QString& pad, const QByteArray& inhoud) {
    if (soort == "map")
        return QDir().mkpath(pad);
    if (soort == "fifo")
        return mkfifo(QFile::encodeName(pad).constData(), 0600) == 0;
    if (soort == "link")
        return schrijf(pad + ".doel", inhoud) && QFile::link(pad + ".doel", pad);
    if (soort == "ruis") {
        quint32 ruis[1024];
        QRandomGenerator::global()->fillRange(ruis);
        return schrijf(pad, QByteArray(reinterpret_cast<const char*>(ruis), sizeof ruis));
    }
    return schrijf(pad,
                   soort == "groot" ? inhoud + QByteArray(2 * kMaxBestandsgrootte, ' ') : inhoud);
}

bool verouder(const QString& pad) {
    QFile file(pad);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                            QFile::FileModificationTime);
}

// Runs werk in a child process and returns its exit status (-1 when it did not end normally):
// for a process that dies holding a lock, or a full disk: no file may grow past grens bytes.
int inKind(const std::function<int()>& werk, rlim_t grens = RLIM_INFINITY) {
    const pid_t pid = fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limiet{grens, grens};
        setrlimit(RLIMIT_FSIZE, &limiet);
        _exit(werk());
    }
    int status = 0;
    return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status)
                                                                           : -1;
}

} // namespace

class TstOpslag : public QObject {
    Q_OBJECT
private slots:
    // Every byte of the upper half reads and writes as Windows has it; the five the code page
    // leaves out read as the C1 control of that number and write back unchanged. UTF-8 (a file a
    // Linux editor saved) reads as such; a lone lead byte makes the whole file Windows-1252.
    void decodeert() {
        // glibc's own table is the reference.
        const std::unique_ptr<void, int (*)(iconv_t)> cd(iconv_open("UTF-16LE", "WINDOWS-1252"),
                                                         iconv_close);
        QVERIFY2(cd.get() != iconv_t(-1), "glibc lacks WINDOWS-1252");
        for (int b = 0x80; b <= 0xFF; ++b) {
            QByteArray byte(1, char(b));
            char16_t teken = char16_t(b);
            char *in = byte.data(), *uit = reinterpret_cast<char*>(&teken);
            size_t nin = 1, nuit = sizeof teken;
            // Where the code page has no character, teken stays the C1 control of that number.
            iconv(cd.get(), &in, &nin, &uit, &nuit);
            const QString gelezen = decodeerBestand(byte);
            QCOMPARE(gelezen, QString(QChar(teken)));
            QCOMPARE(naarWindows1252(gelezen), std::optional(byte));
        }
        QCOMPARE(naarWindows1252(u"Ł"_s), std::nullopt);
        QCOMPARE(decodeerBestand("\xC3\xA9\xC3\xA9n"), u"één"_s);
        QCOMPARE(decodeerBestand("\xEF\xBB\xBF\"a\"\r\n"), u"\"a\"\r\n"_s);
        QCOMPARE(decodeerBestand("\xC3\xA9\xC3"), u"Ã©Ã"_s);
    }

    // Any line end ends a field; quotes keep blanks and commas, and what follows a closing quote
    // up to the comma is dropped; an unclosed quote takes the rest of the text.
    void leestVelden_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QStringList>("velden");
        QTest::newRow("regeleinden") << u"a\r\nb\nc\rd\r\n"_s << QStringList{"a", "b", "c", "d"};
        QTest::newRow("quotes") << u"  \"x, y \",\"\", z  \r\n"_s << QStringList{"x, y ", "", "z"};
        QTest::newRow("naQuote") << u"\"a\"xyz,b"_s << QStringList{"a", "b"};
        QTest::newRow("open") << u"\"a,\r\nb"_s << QStringList{"a,\r\nb"};
    }
    void leestVelden() {
        QFETCH(QString, tekst);
        QFETCH(QStringList, velden);
        RecordLezer lezer(tekst);
        QStringList gelezen;
        while (const auto veld = lezer.veld())
            gelezen.append(*veld);
        QCOMPARE(gelezen, velden);
        QVERIFY(lezer.opEinde());
    }

    // A file as the Windows program wrote it reads, and is written back byte for byte. Reading
    // stops at the first missing or wrong value: what came before counts, the rest keeps its
    // default. Edited values are clamped: think time 5 to 30 seconds, a colour part 0 to 255.
    void instellingen_data() {
        QTest::addColumn<QByteArray>("bytes"); // after the header
        QTest::addColumn<QString>("gelezen");  // the values up to where reading stopped
        const auto ini = [](const char* kleur, const char* pauze) {
            return u"%1\r\n\"W.jpg\"\r\n%2\r\n\"T\"\r\n#TRUE#\r\n"_s.arg(kleur, pauze).toLatin1();
        };
        QTest::newRow("windows")
            << "0,128,255\r\n\"C:\\Zee.jpg\"\r\n30\r\n\" E\xE9n, \x80 \"\r\n#FALSE#\r\n"_ba
            << u"0|128|255|C:\\Zee.jpg|30| Eén, € |#FALSE#"_s;
        QTest::newRow("laagst") << ini("0,0,0", "5") << u"0|0|0|W.jpg|5|T|#TRUE#"_s;
        QTest::newRow("erboven") << ini("256,300,999", "31") << u"255|255|255|W.jpg|30|T|#TRUE#"_s;
        QTest::newRow("eronder") << ini("-1,-5,-255", "4") << u"0|0|0|W.jpg|5|T|#TRUE#"_s;
        QTest::newRow("halveRegel") << "10,20"_ba << u"10|20"_s;
        QTest::newRow("geenGetal")
            << "1,2,3\r\n\"W.jpg\"\r\ntien\r\n\"T\"\r\n#FALSE#"_ba << u"1|2|3|W.jpg"_s;
    }
    void instellingen() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, gelezen);
        const auto uitkomst = leesInstellingenTekst(decodeerBestand(kKop + bytes));
        const QStringList w = waarden(uitkomst.waarden), standaard = waarden({});
        const qsizetype n = gelezen.count(u'|') + 1;
        QCOMPARE(uitkomst.status,
                 n == standaard.size() ? LeesStatus::Gelezen : LeesStatus::Afgebroken);
        QCOMPARE(w.first(n).join(u'|'), gelezen);
        QCOMPARE(w.mid(n), standaard.mid(n));
        if (QTest::currentDataTag() == "windows"_L1)
            QCOMPARE(instellingenBytes(uitkomst.waarden), kKop + bytes);
    }

    // The header is two lines; a text the file cannot hold leaves every file as it was.
    void scoreLijst() {
        const QStringList regels = {"01:05 - Jan, Piet", u"10:00 - Zoë"_s};
        QTemporaryDir tmp;
        const Mappen mappen(tmp.path());
        const QString pad = tmp.filePath(u"Scorelijst.lst"_s);
        QCOMPARE(schrijfScoreLijst(mappen, pad, regels), OpslaanStatus::Opgeslagen);
        QCOMPARE(lees(pad), kKop + "\"01:05 - Jan, Piet\"\r\n\"10:00 - Zo\xEB\"\r\n");
        QCOMPARE(leesScoreLijst(pad).regels, regels);
        QCOMPARE(leesScoreLijstTekst(u"\"kop\"\r\n"_s).status, LeesStatus::Afgebroken);
        const QString ini = tmp.filePath(u"Drietalspel.ini"_s);
        QVERIFY(schrijf(ini, "oud"));
        const QStringList voor = TestMap::boom(tmp.path());
        for (const QString& titel : {u"Het \"spel\""_s, u"Drie\rtal"_s, u"Łódź"_s}) {
            OpgeslagenInstellingen w;
            w.TitelTekst = titel;
            QCOMPARE(schrijfInstellingen(mappen, ini, w, true), OpslaanStatus::OngeldigeTekst);
            QCOMPARE(schrijfScoreLijst(mappen, pad, {"01:00 - A", titel}),
                     OpslaanStatus::OngeldigeTekst);
        }
        QCOMPARE(TestMap::boom(tmp.path()), voor);
    }

    // The game deals exactly the first ten records: nine are too few, an eleventh is not dealt.
    // Column 1 sets the number of records, a shorter column's missing word is written empty, and
    // an empty field read adds nothing. A name is never a path, a pattern, nor too long a name.
    void onderwerpBestand() {
        TestProgrammaMap map;
        for (const int records : {9, 10, 11}) {
            QVERIFY(schrijf(map.pad(u"Data/Proef.dat"_s), ::records(records)));
            const auto spel = leesSpelOnderwerp(map.mappen(), u"Proef"_s);
            QCOMPARE(spel.has_value(), records >= 10);
            if (spel)
                QCOMPARE(spel->back(), (Drietal{"r10a", "r10b", "r10c"}));
            QCOMPARE(telWoorden(map.mappen(), u"Proef"_s), 3 * records);
        }
        QVERIFY(!leesSpelOnderwerp(map.mappen(), u"Bestaatniet"_s));
        WoordKolommen k{{{"a", "b"}, {"x"}, {"c", "d", "e"}}};
        QCOMPARE(WoordLijstOpslaan(map.mappen(), u"Scheef"_s, k), OpslaanStatus::Opgeslagen);
        QCOMPARE(lees(map.pad(u"Data/Scheef.dat"_s)), "\"a\",\"x\",\"c\"\r\n\"b\",\"\",\"d\"\r\n");
        k = {};
        QCOMPARE(WoordLijstLaden(map.mappen(), u"Scheef"_s, k), LeesStatus::Gelezen);
        QCOMPARE(QList<QStringList>(std::begin(k.kolom), std::end(k.kolom)),
                 (QList<QStringList>{{"a", "b"}, {"x"}, {"c", "d"}}));
        QVERIFY(schrijf(map.pad(u"x.dat"_s), records(10)));
        const QStringList voor = TestMap::boom(map.buiten({}));
        for (const QString& naam :
             {u"../x"_s, u"a\\b"_s, u".."_s, u"*"_s, u"   "_s, u"a\nb"_s, QString(252, u'x')}) {
            QVERIFY2(!isGeldigeOnderwerpNaam(naam), qPrintable(naam));
            QCOMPARE(WoordLijstOpslaan(map.mappen(), naam, k), OpslaanStatus::OngeldigeNaam);
            QCOMPARE(WoordLijstLaden(map.mappen(), naam, k), LeesStatus::Ontbreekt);
        }
        QCOMPARE(TestMap::boom(map.buiten({})), voor);
    }

    // A topic the reader had to repair (a stray quote, bytes that are no text) or could read only
    // in part (a record cut short by the end of the file is dropped) opens with what it could
    // read, but counts as not read whole: a save first keeps the old file as .bak.
    void onvolledigOnderwerp_data() {
        QTest::addColumn<QByteArray>("regel"); // after one whole record
        QTest::addColumn<LeesStatus>("status");
        const LeesStatus hersteld = LeesStatus::Hersteld;
        QTest::newRow("schoon") << "\"Peru\",\"Lima\",\"Inca\ttempel\""_ba << LeesStatus::Gelezen;
        QTest::newRow("afgebroken") << "\"r2a\",\"r2b\""_ba << LeesStatus::Afgebroken;
        QTest::newRow("quoteEnRommel") << "\"Peru,\"Lima\",\"Inca\"\r\n\0\x81rommel"_ba << hersteld;
        QTest::newRow("quoteOpen") << "\"Peru\",\"Lima\",\"Inca"_ba << hersteld;
        QTest::newRow("nul") << "\"Peru\",\"Li\0ma\",\"Inca\""_ba << hersteld;
        QTest::newRow("gatIn1252") << "\"Peru\",\"Li\x9Dma\",\"Inca\""_ba << hersteld;
        QTest::newRow("c1InUtf8") << "\"Peru\",\"Lima\xC2\x90\",\"Inca\xC3\xA9\""_ba << hersteld;
    }
    void onvolledigOnderwerp() {
        QFETCH(QByteArray, regel);
        QFETCH(LeesStatus, status);
        TestProgrammaMap map;
        const QByteArray bytes = records(1) + regel;
        QVERIFY(schrijf(map.pad(u"Data/Land.dat"_s), bytes));
        WoordKolommen k;
        QCOMPARE(WoordLijstLaden(map.mappen(), u"Land"_s, k), status);
        QCOMPARE(k.kolom[0].first(), "r1a");
        QCOMPARE(k.kolom[2].size(), status == LeesStatus::Afgebroken ? 1 : 2);
        QCOMPARE(WoordLijstOpslaan(map.mappen(), u"Land"_s, k), OpslaanStatus::Opgeslagen);
        QCOMPARE(lees(map.pad(u"Data/Land.dat.bak"_s)),
                 status == LeesStatus::Gelezen ? QByteArray() : bytes);
    }

    // A file up to 1 MiB is read; a bigger one, a folder and a FIFO are not, and a FIFO is not
    // even opened: reading it would wait for a writer for ever.
    void leesStatus_data() {
        QTest::addColumn<int>("grootte"); // of the file; -1 where there is none
        QTest::addColumn<LeesStatus>("status");
        QTest::newRow("geen") << -1 << LeesStatus::Ontbreekt;
        QTest::newRow("map") << -1 << LeesStatus::Onleesbaar;
        QTest::newRow("fifo") << -1 << LeesStatus::Onleesbaar;
        QTest::newRow("grens") << int(kMaxBestandsgrootte) << LeesStatus::Gelezen;
        QTest::newRow("teGroot") << int(kMaxBestandsgrootte + 1) << LeesStatus::TeGroot;
    }
    void leesStatus() {
        QFETCH(int, grootte);
        QFETCH(LeesStatus, status);
        QTemporaryDir tmp;
        const QString pad = tmp.filePath(u"bestand.dat"_s), soort = QTest::currentDataTag();
        QVERIFY(soort == "geen" || maakRest(soort, pad, QByteArray(qMax(grootte, 0), 'a')));
        QCOMPARE(isGewoonBestand(pad), grootte >= 0);
        const BestandsInhoud inhoud = leesTekstBestand(pad);
        QCOMPARE(inhoud.status, status);
        QCOMPARE(inhoud.tekst.size(), status == LeesStatus::Gelezen ? grootte : 0);
    }

    // A save asked to keep the old file puts it in .bak, over an older one; on a full disk it
    // leaves both as they were and reports it. A link out of the program's folders is not written
    // through; one inside is, and stays a link; a linked Data folder is followed as any folder.
    void vervangBestandEnVolleSchijf() {
        TestProgrammaMap map;
        const Mappen mappen = map.mappen();
        const QString groot = map.pad("Scorelijst.lst"); // too big for a .bak
        const QString klein = map.pad("Drietalspel.ini");
        QCOMPARE(vervangBestand(mappen, klein, "oud"), OpslaanStatus::Opgeslagen);
        QVERIFY(!QFile::exists(klein + ".bak"));
        for (const QByteArray& inhoud :
             {QByteArray("weg"), QByteArray("goed"), QByteArray(6000, 'o')})
            QCOMPARE(vervangBestand(mappen, groot, inhoud, true), OpslaanStatus::Opgeslagen);
        QCOMPARE(lees(groot + ".bak"), "goed");
        const QStringList voor = TestMap::boom(map.pad());
        QCOMPARE(inKind([&] { return int(vervangBestand(mappen, groot, "nieuw", true)); }, 4096),
                 int(OpslaanStatus::SchrijvenMislukt));
        QCOMPARE(
            inKind([&] { return int(vervangBestand(mappen, klein, QByteArray(6000, 'n'))); }, 4096),
            int(OpslaanStatus::SchrijvenMislukt));
        QCOMPARE(TestMap::boom(map.pad()), voor);

        const QString buiten = map.buiten("passwd");
        QVERIFY(schrijf(buiten, "root") && QFile::remove(klein) && QFile::link(buiten, klein));
        QVERIFY(QFile::link(groot, map.pad("binnen.lst")));
        QVERIFY(QDir().mkpath(map.buiten("elders")));
        QVERIFY(QFile::link(map.buiten("elders"), map.pad("Data")));
        QCOMPARE(vervangBestand(mappen, klein, "x"), OpslaanStatus::LinkNaarBuiten);
        QCOMPARE(lees(buiten), "root");
        QCOMPARE(vervangBestand(mappen, map.pad("binnen.lst"), "nieuw"), OpslaanStatus::Opgeslagen);
        QCOMPARE(lees(groot), "nieuw");
        QVERIFY(QFileInfo(map.pad("binnen.lst")).isSymLink());
        QCOMPARE(vervangBestand(mappen, map.pad("Data/Scorelijst.lst"), "lijst"),
                 OpslaanStatus::Opgeslagen);
        QCOMPARE(lees(map.buiten("elders/Scorelijst.lst")), "lijst");
    }

    // A portable copy keeps everything in its folder. An installed one uses the user's folder,
    // which at its first use takes over the settings and the high-score list. Each sample topic is
    // offered once: copied where no file of its name is, never over the player's own, not again
    // once deleted; one added to the program folder later is still offered. A bare wallpaper name
    // lies in Backgrounds; a path that no longer exists (written on another computer) falls back
    // to the file of that name in Backgrounds.
    void gebruikersMap() {
        TestProgrammaMap map;
        const QString zee = map.buiten("Eigen/Zee.jpg"), w = map.pad("Backgrounds/W.jpg");
        QVERIFY(schrijf(zee, "jpg"));
        QCOMPARE(QDir::cleanPath(map.mappen().achtergrondPad(zee)), zee);
        for (const QString& opgeslagen : {u"W.jpg"_s, map.buiten("Weg/W.jpg"), u"C:\\x\\W.jpg"_s})
            QCOMPARE(QDir::cleanPath(map.mappen().achtergrondPad(opgeslagen)), w);
        const QString p = map.pad();
        QCOMPARE(kiesMappen(p, map.buiten("weg"), true).instellingenPad(),
                 map.pad("Drietalspel.ini"));
        QVERIFY(!QFileInfo::exists(map.buiten("weg")) && isSchrijfbareMap(p));
        const QString eigen = map.buiten(u"thuis/Drietalspel"_s);
        const QStringList bestanden = {"/Drietalspel.ini", "/Data/Scorelijst.lst",
                                       "/Data/Geografie.dat", "/Data/Dieren.dat"};
        for (const QString& bestand : bestanden)
            QVERIFY(schrijf(p + bestand, bestand.toUtf8()));
        const Mappen mappen = kiesMappen(p, eigen, false);
        QCOMPARE(mappen.scoreLijstPad(), eigen + "/Data/Scorelijst.lst");
        QCOMPARE(mappen.achtergrondMap(), p + "/Backgrounds");
        for (const QString& bestand : bestanden)
            QCOMPARE(lees(eigen + bestand), bestand.toUtf8());

        QVERIFY(QFile::remove(eigen + "/Data/Dieren.dat") &&
                QFile::remove(eigen + "/Data/Scorelijst.lst"));
        QVERIFY(schrijf(eigen + "/Data/Sport.dat", "eigen") &&
                schrijf(p + "/Data/Sport.dat", "s") && schrijf(p + "/Data/Muziek.dat", "m"));
        kiesMappen(p, eigen, false);
        QVERIFY(!QFileInfo::exists(eigen + "/Data/Dieren.dat") &&
                !QFileInfo::exists(eigen + "/Data/Scorelijst.lst"));
        QCOMPARE(lees(eigen + "/Data/Sport.dat"), "eigen");
        QCOMPARE(lees(eigen + "/Data/Muziek.dat"), "m");
    }

    // A note of the samples offered that cannot be read as one (damaged, too big, not a file)
    // offers nothing and is left as it is: no topic the player deleted comes back.
    void beschadigdAanbod_data() {
        QTest::addColumn<QByteArray>("inhoud");
        for (const char* soort : {"ruis", "groot", "fifo", "map", "link"})
            QTest::newRow(soort) << kKop;
        QTest::newRow("nul") << kKop + "\"Die\0ren.dat\"\r\n"_ba;
    }
    void beschadigdAanbod() {
        QFETCH(QByteArray, inhoud);
        TestProgrammaMap map;
        const QString data = map.buiten(u"eigen/Data"_s), notitie = data + "/.aangeboden";
        QVERIFY(schrijf(map.pad(u"Data/Dieren.dat"_s), "d") && QDir().mkpath(data));
        QVERIFY(maakRest(QTest::currentDataTag(), notitie, inhoud));
        const QStringList voor = TestMap::boom(data);
        QVERIFY(!biedVoorbeeldenAan(Mappen(map.buiten(u"eigen"_s)), map.pad(u"Data"_s)));
        QCOMPARE(TestMap::boom(data), voor);
    }

    // A copy that was killed leaves its lock behind, and the next start takes it over; while that
    // one runs, another start finds the folder busy, also when the lock's time is old: the running
    // copy refreshes it.
    void eenKopiePerMap() {
        QTemporaryDir map;
        // The child never lets go.
        QCOMPARE(inKind([&] { return int((new MapVergrendeling(map.path()))->bezet()); }), 0);
        MapVergrendeling slot(map.path());
        QVERIFY(!slot.bezet());
        QCOMPARE(inKind([&] { return int(MapVergrendeling(map.path()).bezet()); }), 1);
        const QString lock = map.filePath(u".drietalspel.lock"_s);
        QVERIFY(verouder(lock));
        slot.ververs();
        QVERIFY(QFileInfo(lock).lastModified().secsTo(QDateTime::currentDateTime()) < 60);
        QCOMPARE(inKind([&] { return int(MapVergrendeling(map.path()).bezet()); }), 1);
    }

    // What a crash, a full disk, another computer or a hostile folder leaves at the lock's place
    // does not stop the game starting, and the new copy holds the folder. A link's target is kept;
    // a folder there stays (the game runs unlocked). Another computer's lock counts while fresh.
    void lockResten_data() {
        QTest::addColumn<QByteArray>("inhoud");
        for (const char* soort : {"leeg", "ruis", "groot", "map", "fifo"})
            QTest::newRow(soort) << QByteArray();
        // A lock of a copy on this computer that is gone.
        for (const char* soort : {"link", "alleenLezen"})
            QTest::newRow(soort) << "999999999\ndrietalspel\n" +
                                        QSysInfo::machineHostName().toUtf8() + "\n\n\n";
        for (const char* soort : {"vreemdOud", "vreemdVers"})
            QTest::newRow(soort) << "4242\ndrietalspel\nandere-computer\n\n\n"_ba;
    }
    void lockResten() {
        QFETCH(QByteArray, inhoud);
        const QString soort = QTest::currentDataTag();
        QTemporaryDir map;
        const QString lock = map.filePath(u".drietalspel.lock"_s);
        QVERIFY(maakRest(soort, lock, inhoud));
        QVERIFY(soort != "alleenLezen" || QFile::setPermissions(lock, QFile::ReadOwner));
        QVERIFY(soort != "vreemdOud" || verouder(lock));
        const MapVergrendeling slot(map.path());
        QCOMPARE(slot.bezet(), soort == "vreemdVers");
        QCOMPARE(inKind([&] { return int(MapVergrendeling(map.path()).bezet()); }),
                 int(soort != "map"));
        QCOMPARE(QFileInfo(lock).isDir(), soort == "map");
        QVERIFY(soort != "link" || lees(lock + ".doel") == inhoud);
    }
};

QTEST_GUILESS_MAIN(TstOpslag)
#include "tst_opslag.moc"
