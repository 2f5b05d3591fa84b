// Topic files: Data/<topic>.dat, one record of three words per Drietal.
#include "storage/testmap.h"
#include "storage/topicfiles.h"

#include <QtTest>

using namespace Qt::StringLiterals;

using namespace Opslag;

namespace {

// Records "r1a","r1b","r1c" CR LF up to rn.
QByteArray records(int n) {
    QByteArray bytes;
    for (int r = 1; r <= n; ++r)
        bytes += u"\"r%1a\",\"r%1b\",\"r%1c\"\r\n"_s.arg(r).toLatin1();
    return bytes;
}

// Column k of records(n) as far as row n.
QStringList kolom(int n, char k) {
    QStringList woorden;
    for (int r = 1; r <= n; ++r)
        woorden.append(u"r%1"_s.arg(r) + QLatin1Char(k));
    return woorden;
}

WoordKolommen kolommen(const QStringList& a, const QStringList& b, const QStringList& c) {
    return {{a, b, c}};
}

QList<QStringList> lijst(const WoordKolommen& k) {
    return {k.kolom[0], k.kolom[1], k.kolom[2]};
}

// The columns read, or a marker with the status when it is not the expected one.
QList<QStringList> laad(const QString& naam, LeesStatus verwacht) {
    WoordKolommen k;
    const LeesStatus status = WoordLijstLaden(naam, k);
    return status == verwacht ? lijst(k)
                              : QList<QStringList>{{"status", QString::number(int(status))}};
}

} // namespace

class TstTopicfiles : public QObject {
    Q_OBJECT
private slots:
    void rondreisTienRijen() {
        TestMap::ProgrammaMap map;
        WoordKolommen woorden = kolommen(kolom(10, 'a'), kolom(10, 'b'), kolom(10, 'c'));
        woorden.kolom[0][0] = u"Nederland"_s;
        woorden.kolom[1][0] = u"Rotterdam"_s;
        woorden.kolom[2][0] = u"Euromast"_s;
        woorden.kolom[1][9] = u"één"_s;
        QCOMPARE(WoordLijstOpslaan(u"Geografie"_s, woorden), OpslaanStatus::Opgeslagen);
        const QByteArray bytes = TestMap::lees(map.pad(u"Data/Geografie.dat"_s));
        QCOMPARE(bytes.left(36), QByteArray("\"Nederland\",\"Rotterdam\",\"Euromast\"\r\n"));
        QCOMPARE(bytes.mid(36),
                 records(10).mid(records(1).size()).replace("\"r10b\"", "\"\xE9\xE9n\""));

        WoordKolommen gelezen;
        QCOMPARE(WoordLijstLaden(u"Geografie"_s, gelezen), LeesStatus::Gelezen);
        QCOMPARE(lijst(gelezen), lijst(woorden));
        QCOMPARE(WoordLijstOpslaan(u"Kopie"_s, gelezen), OpslaanStatus::Opgeslagen);
        QCOMPARE(TestMap::lees(map.pad(u"Data/Kopie.dat"_s)), bytes);
    }

    void leegOnderwerp() {
        TestMap::ProgrammaMap map;
        QCOMPARE(WoordLijstOpslaan(u"Leeg"_s, WoordKolommen()), OpslaanStatus::Opgeslagen);
        const QFileInfo info(map.pad(u"Data/Leeg.dat"_s));
        QVERIFY(info.isFile());
        QCOMPARE(info.size(), 0);
        WoordKolommen gelezen = kolommen({"al"}, {}, {"er"});
        QCOMPARE(WoordLijstLaden(u"Leeg"_s, gelezen), LeesStatus::Gelezen);
        QCOMPARE(lijst(gelezen), lijst(kolommen({"al"}, {}, {"er"})));
        QCOMPARE(telWoorden(u"Leeg"_s), 0);
    }

    void ongelijkeKolommen() {
        TestMap::ProgrammaMap map;
        const WoordKolommen woorden = kolommen(kolom(3, 'a'), kolom(1, 'b'), kolom(5, 'c'));
        QCOMPARE(WoordLijstOpslaan(u"Scheef"_s, woorden), OpslaanStatus::Opgeslagen);
        QCOMPARE(
            TestMap::lees(map.pad(u"Data/Scheef.dat"_s)),
            QByteArray(
                "\"r1a\",\"r1b\",\"r1c\"\r\n\"r2a\",\"\",\"r2c\"\r\n\"r3a\",\"\",\"r3c\"\r\n"));
    }

    void afgebrokenRecord_data() {
        QTest::addColumn<QByteArray>("staart");
        QTest::newRow("een_veld") << QByteArray("\"r3a\"\r\n");
        QTest::newRow("twee_velden") << QByteArray("\"r3a\",\"r3b\"\r\n");
        QTest::newRow("twee_velden_zonder_regeleinde") << QByteArray("\"r3a\",\"r3b\"");
    }
    void afgebrokenRecord() {
        QFETCH(QByteArray, staart);
        TestMap::ProgrammaMap map;
        QVERIFY(TestMap::schrijf(map.pad(u"Data/Kort.dat"_s), records(2) + staart));
        QCOMPARE(laad(u"Kort"_s, LeesStatus::Afgebroken),
                 lijst(kolommen(kolom(2, 'a'), kolom(2, 'b'), kolom(2, 'c'))));
        QCOMPARE(telWoorden(u"Kort"_s), 6);
    }

    void spelNeemtEersteTienRecords() {
        TestMap::ProgrammaMap map;
        QVERIFY(TestMap::schrijf(map.pad(u"Data/Twaalf.dat"_s), records(12)));
        QCOMPARE(laad(u"Twaalf"_s, LeesStatus::Gelezen),
                 lijst(kolommen(kolom(12, 'a'), kolom(12, 'b'), kolom(12, 'c'))));
        QCOMPARE(telWoorden(u"Twaalf"_s), 36);
        const auto spel = leesSpelOnderwerp(u"Twaalf"_s);
        QVERIFY(spel);
        for (int r = 0; r < 10; ++r)
            QCOMPARE((*spel)[r],
                     (Drietal{kolom(10, 'a')[r], kolom(10, 'b')[r], kolom(10, 'c')[r]}));

        QVERIFY(TestMap::schrijf(map.pad(u"Data/Negen.dat"_s), records(9)));
        QVERIFY(!leesSpelOnderwerp(u"Negen"_s));
        QVERIFY(!leesSpelOnderwerp(u"Bestaatniet"_s));
    }

    void leest_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<QStringList>>("kolommen");
        const QList<QStringList> een = {{u"één"_s}, {"twee"}, {"drie"}};
        QTest::newRow("windows1252") << QByteArray("\"\xE9\xE9n\",\"twee\",\"drie\"\r\n") << een;
        QTest::newRow("utf8") << QByteArray("\"\xC3\xA9\xC3\xA9n\",\"twee\",\"drie\"\n") << een;
        QTest::newRow("utf8_bom") << QByteArray("\xEF\xBB\xBF\"\xC3\xA9\xC3\xA9n\",twee,drie\r\n")
                                  << een;
        QTest::newRow("leeg_veld_en_blanko")
            << QByteArray("\"x\",\"\",\"z\"\r\n\" a \",\"  b\",\"c  \"\r\n")
            << QList<QStringList>{{"x", " a "}, {"  b"}, {"z", "c  "}};
    }
    void leest() {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<QStringList>, kolommen);
        TestMap::ProgrammaMap map;
        QVERIFY(TestMap::schrijf(map.pad(u"Data/Tel.dat"_s), bytes));
        QCOMPARE(laad(u"Tel"_s, LeesStatus::Gelezen), kolommen);
        QCOMPARE(telWoorden(u"Tel"_s),
                 kolommen[0].size() + kolommen[1].size() + kolommen[2].size());
    }

    void weigertTekst() {
        TestMap::ProgrammaMap map;
        QCOMPARE(WoordLijstOpslaan(u"Nieuw"_s, kolommen({"Polen"}, {u"Łódź"_s}, {"x"})),
                 OpslaanStatus::OngeldigeTekst);
        QVERIFY(!QFileInfo::exists(dataMap()));
        const QString pad = map.pad(u"Data/Oud.dat"_s);
        QVERIFY(TestMap::schrijf(pad, records(2)));
        QCOMPARE(WoordLijstOpslaan(u"Oud"_s, kolommen({"a", "b"}, {"c", "d\""}, {"e", "f"})),
                 OpslaanStatus::OngeldigeTekst);
        QCOMPARE(TestMap::lees(pad), records(2));
    }

    void vijandigeNaam_data() {
        QTest::addColumn<QString>("naam");
        const std::pair<const char*, QString> namen[] = {
            {"ouder", "../x"},       {"slash", "a/b"},
            {"ster", "*"},           {"punt_punt", ".."},
            {"punt", "."},           {"leeg", ""},
            {"backslash", "a\\b"},   {"blanko", "   "},
            {"tab", "a\tb"},         {"lf", "a\nb"},
            {"del", "a\x7F"},        {"nul", u"a"_s + QChar(0) + "b"},
            {"dubbele_punt", "C:x"}, {"300_tekens", QString(300, u'x')}};
        for (const auto& [tag, naam] : namen)
            QTest::newRow(tag) << naam;
    }
    void vijandigeNaam() {
        QFETCH(QString, naam);
        TestMap::ProgrammaMap map;
        QVERIFY(TestMap::schrijf(map.pad(u"Data/Geografie.dat"_s), records(10)));
        QVERIFY(TestMap::schrijf(map.pad(u"x.dat"_s), records(10)));
        const QStringList voor = TestMap::boom(map.tmp.path());
        QVERIFY(!isGeldigeOnderwerpNaam(naam));
        QCOMPARE(WoordLijstOpslaan(naam, kolommen({"a"}, {"b"}, {"c"})),
                 OpslaanStatus::OngeldigeNaam);
        QCOMPARE(laad(naam, LeesStatus::Ontbreekt), lijst(WoordKolommen()));
        QCOMPARE(TestMap::boom(map.tmp.path()), voor);
    }

    void lijstAlfabetisch() {
        TestMap::ProgrammaMap map;
        QCOMPARE(onderwerpen(), QStringList());
        for (const char* naam : {"zebra.dat", "Appel.dat", "notities.txt", "midden.dat",
                                 "HOOFD.DAT", "Banaan.dat.txt", "banaan.dat"})
            QVERIFY(TestMap::schrijf(map.pad(u"Data/"_s + QLatin1String(naam)), {}));
        QVERIFY(QDir().mkpath(map.pad(u"Data/x.dat"_s)));
        QCOMPARE(onderwerpen(), QStringList({"Appel", "banaan", "midden", "zebra"}));
    }

    void onbeschrijfbareMap() {
        TestMap::ProgrammaMap map;
        const QString pad = map.pad(u"Data/Geografie.dat"_s);
        QVERIFY(TestMap::schrijf(pad, records(10)));
        QVERIFY(QFile::setPermissions(dataMap(), QFile::ReadOwner | QFile::ExeOwner));
        const auto herstel = qScopeGuard([] {
            QFile::setPermissions(dataMap(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (!TestMap::rechtenGelden(dataMap()))
            QSKIP("folder permissions do not stop this user (root) from writing");
        QCOMPARE(WoordLijstOpslaan(u"Geografie"_s, kolommen({"a"}, {"b"}, {"c"})),
                 OpslaanStatus::SchrijvenMislukt);
        QCOMPARE(TestMap::lees(pad), records(10));
    }
};

QTEST_GUILESS_MAIN(TstTopicfiles)
#include "tst_topicfiles.moc"
