// SPDX-License-Identifier: GPL-3.0-or-later
// The real time source and the end the desktop session asks for.
#include "platform/afsluitsignaal.h"
#include "platform/echtetijd.h"

#include <QtTest>
#include <csignal>

class TstPlatform : public QObject {
    Q_OBJECT
private slots:
    // A single shot fires once, a repeating timer goes on until stopped, a stopped one never fires;
    // the clock moves on meanwhile. The real clock, in milliseconds.
    void echteTijd() {
        Platform::EchteTijd tijd;
        int eenmaal = 0, herhaald = 0, gestopt = 0;
        tijd.start(2, false, [&] { ++eenmaal; });
        const auto id = tijd.start(2, true, [&] { ++herhaald; });
        tijd.stop(tijd.start(2, true, [&] { ++gestopt; }));
        const qint64 begin = tijd.nuMs();
        QTRY_VERIFY(herhaald >= 3);
        tijd.stop(id);
        QCOMPARE(eenmaal, 1);
        QCOMPARE(gestopt, 0);
        QVERIFY(tijd.nuMs() >= begin + 4);
    }

    // The session's SIGTERM reaches the program as a call on its event loop, once.
    void sessieEinde() {
        static int gevraagd = 0;
        Platform::vangAfsluitSignalen([] { ++gevraagd; });
        std::raise(SIGTERM);
        QTRY_COMPARE(gevraagd, 1);
        std::raise(SIGTERM);
        QCoreApplication::processEvents();
        QCOMPARE(gevraagd, 1);
    }
};

QTEST_GUILESS_MAIN(TstPlatform)
#include "tst_platform.moc"
