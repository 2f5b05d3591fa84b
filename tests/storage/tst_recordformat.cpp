// The text layer under every file: Windows-1252 bytes and quoted record lines.
#include "storage/recordformat.h"
#include "storage/textcodec.h"

#include <QtTest>

using namespace Qt::StringLiterals;

using namespace Opslag;

class TstRecordformat : public QObject {
    Q_OBJECT
private slots:
    void schrijftWindows1252_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << u"Drietal 3"_s << QByteArray("Drietal 3");
        QTest::newRow("een") << u"één"_s << QByteArray("\xE9\xE9\x6E");
        QTest::newRow("euro") << u"€"_s << QByteArray("\x80");
        QTest::newRow("hoge_helft") << u"„Ÿœ™"_s << QByteArray("\x84\x9F\x9C\x99");
    }
    void schrijftWindows1252() {
        QFETCH(QString, tekst);
        QFETCH(QByteArray, bytes);
        QCOMPARE(naarWindows1252(tekst).value_or("<geweigerd>"), bytes);
        QCOMPARE(decodeerBestand(bytes), tekst);
    }

    void decodeert_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("utf8") << QByteArray("\xC3\xA9\xC3\xA9n") << u"één"_s;
        QTest::newRow("utf8_bom") << QByteArray("\xEF\xBB\xBF\xC3\xA9\xC3\xA9n") << u"één"_s;
        QTest::newRow("ascii") << QByteArray("\"a\",b\r\n") << u"\"a\",b\r\n"_s;
        QTest::newRow("ascii_bom") << QByteArray("\xEF\xBB\xBF\"a\"\r\n") << u"\"a\"\r\n"_s;
        // A lone lead byte is no UTF-8, so the whole file is Windows-1252.
        QTest::newRow("half_utf8") << QByteArray("\xC3\xA9\xC3") << u"Ã©Ã"_s;
    }
    void decodeert() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, tekst);
        QCOMPARE(decodeerBestand(bytes), tekst);
    }

    void leestVelden_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QStringList>("velden");
        QTest::newRow("komma") << u"a,b,c"_s << QStringList{"a", "b", "c"};
        QTest::newRow("cr_lf_lf_cr") << u"a\r\nb\nc\rd\r\n"_s << QStringList{"a", "b", "c", "d"};
        QTest::newRow("record_over_regels")
            << u"\"x\",\"y\"\r\n\"z\""_s << QStringList{"x", "y", "z"};
        QTest::newRow("blanko_vooraan") << u"  \t\"a\",   b"_s << QStringList{"a", "b"};
        QTest::newRow("tussen_aanhalingstekens")
            << u"\" Jan, Piet \",\"\""_s << QStringList{" Jan, Piet ", ""};
        QTest::newRow("getrimd") << u"  Jan Piet  ,  x  \r\n"_s << QStringList{"Jan Piet", "x"};
        QTest::newRow("lege_regel") << u"\"a\"\r\n\r\n\"b\"\r\n"_s << QStringList{"a", "", "b"};
        QTest::newRow("rest_na_aanhalingsteken") << u"\"a\"xyz,b"_s << QStringList{"a", "b"};
        QTest::newRow("niet_gesloten") << u"\"a,\r\nb"_s << QStringList{"a,\r\nb"};
        QTest::newRow("leeg") << QString() << QStringList{};
    }
    void leestVelden() {
        QFETCH(QString, tekst);
        QFETCH(QStringList, velden);
        RecordLezer lezer(tekst);
        QStringList gelezen;
        while (const auto veld = lezer.veld()) {
            gelezen.append(*veld);
            QVERIFY2(gelezen.size() <= tekst.size() + 1, "the reader does not advance");
        }
        QCOMPARE(gelezen, velden);
        QVERIFY(lezer.opEinde());
        QCOMPARE(lezer.getal(), std::nullopt);
        QCOMPARE(lezer.waarheid(), std::nullopt);
        QCOMPARE(lezer.veld(), std::nullopt);
    }

    void leestWaarden() {
        RecordLezer lezer(u"#TRUE#,#FALSE#, 220 ,-1,12.5,abc,#JA#,\"#TRUE#\"\r\n"_s);
        QCOMPARE(lezer.waarheid(), std::optional<bool>(true));
        QCOMPARE(lezer.waarheid(), std::optional<bool>(false));
        QCOMPARE(lezer.getal(), std::optional<double>(220));
        QCOMPARE(lezer.getal(), std::optional<double>(-1));
        QCOMPARE(lezer.getal(), std::optional<double>(12.5));
        QCOMPARE(lezer.getal(), std::nullopt);
        QCOMPARE(lezer.waarheid(), std::nullopt);
        QCOMPARE(lezer.waarheid(), std::optional<bool>(true));
        QCOMPARE(lezer.veld(), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TstRecordformat)
#include "tst_recordformat.moc"
