// The order of the high-score window.
#include "game/scorelijst.h"

#include <QTest>

class TestScoreLijst : public QObject {
    Q_OBJECT
private slots:
    void sortedByTimeThenName_data() {
        QTest::addColumn<QStringList>("regels");
        QTest::addColumn<QStringList>("verwacht");
        QTest::newRow("hundredMinutesLast") << QStringList{"10:05 - A", "02:40 - B", "100:00 - C"}
                                            << QStringList{"02:40 - B", "10:05 - A", "100:00 - C"};
        QTest::newRow("sameTimeByNameIgnoringCase")
            << QStringList{"01:00 - bert", "01:00 - Anna", "00:59 - Zoë", "01:00 - Carla"}
            << QStringList{"00:59 - Zoë", "01:00 - Anna", "01:00 - bert", "01:00 - Carla"};
        QTest::newRow("secondsAsNumbers") << QStringList{"01:10 - A", "01:09 - B", "1:08 - C"}
                                          << QStringList{"1:08 - C", "01:09 - B", "01:10 - A"};
        QTest::newRow("entriesWithoutATimeLast")
            << QStringList{"hallo", "05:00 - A", "Abc"} << QStringList{"05:00 - A", "Abc", "hallo"};
        QTest::newRow("empty") << QStringList{} << QStringList{};
    }
    void sortedByTimeThenName() {
        QFETCH(QStringList, regels);
        QFETCH(QStringList, verwacht);
        QCOMPARE(Algemeen::gesorteerdeScores(regels), verwacht);
    }
};

QTEST_GUILESS_MAIN(TestScoreLijst)
#include "tst_scorelijst.moc"
