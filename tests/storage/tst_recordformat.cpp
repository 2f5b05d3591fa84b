// The text layer under every file: Windows-1252 bytes and quoted record lines.
#include "storage/recordformat.h"
#include "storage/textcodec.h"

#include <QtTest>
#include <iconv.h>

using namespace Qt::StringLiterals;
using namespace Opslag;

namespace {

// The character glibc's own Windows-1252 table gives byte b, or nothing where it has none.
std::optional<QString> iconvTeken(unsigned char b) {
    iconv_t cd = iconv_open("UTF-16LE", "WINDOWS-1252");
    if (cd == iconv_t(-1))
        return std::nullopt;
    char in[1] = {char(b)};
    char16_t uit[2] = {};
    char* pin = in;
    char* puit = reinterpret_cast<char*>(uit);
    size_t nin = 1;
    size_t nuit = sizeof uit;
    const bool ok = iconv(cd, &pin, &nin, &puit, &nuit) != size_t(-1) && nuit == 2;
    iconv_close(cd);
    return ok ? std::optional(QString(QChar(uit[0]))) : std::nullopt;
}

} // namespace

class TstRecordformat : public QObject {
    Q_OBJECT
private slots:
    // Every byte of the upper half reads and writes as Windows itself has it. The five bytes the
    // code page leaves out read as the C1 control of the same number and write back unchanged, so
    // no file loses a byte on its way through the program.
    void hogeHelftVolgtDeCodetabel() {
        QVERIFY2(iconvTeken('A') == u"A"_s, "glibc lacks WINDOWS-1252");
        QList<int> ongedefinieerd;
        for (int b = 0x80; b <= 0xFF; ++b) {
            const QByteArray byte(1, char(b));
            const QString gelezen = decodeerBestand(byte);
            QCOMPARE(naarWindows1252(gelezen), std::optional(byte));
            if (const auto teken = iconvTeken(uchar(b)))
                QCOMPARE(gelezen, *teken);
            else
                ongedefinieerd << b;
        }
        QCOMPARE(ongedefinieerd, QList<int>({0x81, 0x8D, 0x8F, 0x90, 0x9D}));
        for (int b : ongedefinieerd)
            QCOMPARE(vanWindows1252(QByteArray(1, char(b))), QString(QChar(b)));
        QCOMPARE(naarWindows1252(u"Ł"_s), std::nullopt);
    }

    // Bytes that form UTF-8 (a file a Linux editor saved) are read as such; a lone lead byte is no
    // UTF-8, so the whole file is Windows-1252.
    void herkentUtf8() {
        QCOMPARE(decodeerBestand("\xC3\xA9\xC3\xA9n"), u"één"_s);
        QCOMPARE(decodeerBestand("\xEF\xBB\xBF\"a\"\r\n"), u"\"a\"\r\n"_s);
        QCOMPARE(decodeerBestand("\xC3\xA9\xC3"), u"Ã©Ã"_s);
    }

    void leestVelden_data() {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QStringList>("velden");
        QTest::newRow("regeleinden") << u"a\r\nb\nc\rd\r\n"_s << QStringList{"a", "b", "c", "d"};
        QTest::newRow("aanhalingstekens")
            << u"  \"x, y \",\"\", z  \r\n"_s << QStringList{"x, y ", "", "z"};
        QTest::newRow("rest_na_aanhalingsteken") << u"\"a\"xyz,b"_s << QStringList{"a", "b"};
        QTest::newRow("niet_gesloten") << u"\"a,\r\nb"_s << QStringList{"a,\r\nb"};
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
    }
};

QTEST_GUILESS_MAIN(TstRecordformat)
#include "tst_recordformat.moc"
