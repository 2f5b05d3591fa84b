// The program's real time source: a wait keeps handling events and timers, and ends on time.
#include "platform/echtetijd.h"
#include "platform/platform.h"

#include <QTest>

class TestWachten : public QObject {
    Q_OBJECT
private slots:
    void waitHandlesTicksAndEndsAfterItsTime() {
        Algemeen::EchteTijd tijd;
        Algemeen::zetTijd(&tijd);
        auto herstel = qScopeGuard([] { Algemeen::zetTijd(nullptr); });
        int tikken = 0;
        Algemeen::SeamTimer timer;
        timer.start(tijd, 20, true, [&tikken] { ++tikken; });
        const qint64 begin = tijd.nuMs();
        Algemeen::Wachten(0.2);
        const qint64 verstreken = tijd.nuMs() - begin;
        QVERIFY2(verstreken >= 200, qPrintable(QString::number(verstreken)));
        QVERIFY2(verstreken < 1000, qPrintable(QString::number(verstreken)));
        QVERIFY2(tikken >= 5, qPrintable(QString::number(tikken)));
    }

    void singleShotAndStop() {
        Algemeen::EchteTijd tijd;
        Algemeen::zetTijd(&tijd);
        auto herstel = qScopeGuard([] { Algemeen::zetTijd(nullptr); });
        int eenmalig = 0;
        int gestopt = 0;
        Algemeen::SeamTimer a;
        Algemeen::SeamTimer b;
        a.start(tijd, 10, false, [&eenmalig] { ++eenmalig; });
        b.start(tijd, 10, true, [&gestopt] { ++gestopt; });
        b.stop();
        Algemeen::Wachten(0.1);
        QCOMPARE(eenmalig, 1);
        QVERIFY(!a.actief());
        QCOMPARE(gestopt, 0);
        Algemeen::Wachten(0); // nothing to wait for
        Algemeen::Wachten(-1);
    }
};

QTEST_GUILESS_MAIN(TestWachten)
#include "tst_wachten.moc"
