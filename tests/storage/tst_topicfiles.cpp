// Topic files: Data/<topic>.dat, one record of three words per Drietal.
#include "storage/topicfiles.h"
#include "support/testonderwerp.h"

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

// The columns read, or a marker with the status when it is not the expected one.
QList<QStringList> laad(const QString& naam, LeesStatus verwacht) {
    WoordKolommen k;
    const LeesStatus status = WoordLijstLaden(naam, k);
    if (status != verwacht)
        return {{"status", QString::number(int(status))}};
    return {k.kolom[0], k.kolom[1], k.kolom[2]};
}

WoordKolommen kolommen(const QStringList& a, const QStringList& b, const QStringList& c) {
    return {{a, b, c}};
}

} // namespace

class TstTopicfiles : public QObject {
    Q_OBJECT
private slots:
    // The game deals exactly the first ten records: nine are too few, an eleventh is not dealt.
    void spelNeemtTienRecords() {
        TestProgrammaMap map;
        for (const int records : {9, 10, 11}) {
            QVERIFY(TestMap::schrijf(map.pad(u"Data/Proef.dat"_s), ::records(records)));
            const auto spel = leesSpelOnderwerp(u"Proef"_s);
            QCOMPARE(spel.has_value(), records >= 10);
            if (spel)
                QCOMPARE(spel->back(), (Drietal{"r10a", "r10b", "r10c"}));
            QCOMPARE(telWoorden(u"Proef"_s), 3 * records);
        }
        QVERIFY(!leesSpelOnderwerp(u"Bestaatniet"_s));
    }

    // Column 1 sets the number of records; a word a shorter column lacks is written empty, and an
    // empty field adds nothing to its column when read.
    void ongelijkeKolommen() {
        TestProgrammaMap map;
        QCOMPARE(WoordLijstOpslaan(u"Scheef"_s, kolommen({"a", "b"}, {"x"}, {"c", "d", "e"})),
                 OpslaanStatus::Opgeslagen);
        QCOMPARE(TestMap::lees(map.pad(u"Data/Scheef.dat"_s)),
                 "\"a\",\"x\",\"c\"\r\n\"b\",\"\",\"d\"\r\n");
        QCOMPARE(laad(u"Scheef"_s, LeesStatus::Gelezen),
                 (QList<QStringList>{{"a", "b"}, {"x"}, {"c", "d"}}));
    }

    // A record cut short by the end of the file is dropped; the records before it count.
    void afgebrokenRecord() {
        TestProgrammaMap map;
        QVERIFY(TestMap::schrijf(map.pad(u"Data/Kort.dat"_s), records(2) + "\"r3a\",\"r3b\""));
        QCOMPARE(laad(u"Kort"_s, LeesStatus::Afgebroken),
                 (QList<QStringList>{{"r1a", "r2a"}, {"r1b", "r2b"}, {"r1c", "r2c"}}));
        QCOMPARE(telWoorden(u"Kort"_s), 6);
    }

    // A name is never a path, a pattern, nor too long for the file system.
    void vijandigeNaam() {
        TestProgrammaMap map;
        QVERIFY(TestMap::schrijf(map.pad(u"Data/Geografie.dat"_s), records(10)));
        QVERIFY(TestMap::schrijf(map.pad(u"x.dat"_s), records(10)));
        const QStringList voor = TestMap::boom(map.buiten({}));
        for (const QString& naam :
             {u"../x"_s, u"a\\b"_s, u".."_s, u"*"_s, u"   "_s, u"a\nb"_s, QString(252, u'x')}) {
            QVERIFY2(!isGeldigeOnderwerpNaam(naam), qPrintable(naam));
            QCOMPARE(WoordLijstOpslaan(naam, kolommen({"a"}, {"b"}, {"c"})),
                     OpslaanStatus::OngeldigeNaam);
            QCOMPARE(laad(naam, LeesStatus::Ontbreekt), QList<QStringList>({{}, {}, {}}));
        }
        QCOMPARE(TestMap::boom(map.buiten({})), voor);
    }
};

QTEST_GUILESS_MAIN(TstTopicfiles)
#include "tst_topicfiles.moc"
