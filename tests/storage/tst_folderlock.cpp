// One copy of the game per data folder.
#include "storage/folderlock.h"
#include "storage/testmap.h"

#include <QtTest>

class TstFolderlock : public QObject {
    Q_OBJECT
private slots:
    // A copy that was killed leaves its lock behind, and the next start takes it over; while that
    // one runs, another start finds the folder busy.
    void eenKopiePerMap() {
        QTemporaryDir map;
        const int gedood = TestMap::inKind([&] {
            return int((new Opslag::MapSlot(map.path()))->bezet()); // never let go
        });
        QCOMPARE(gedood, 0);
        QVERIFY(!QDir(map.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));

        const Opslag::MapSlot slot(map.path());
        QVERIFY(!slot.bezet());
        QCOMPARE(TestMap::inKind([&] { return int(Opslag::MapSlot(map.path()).bezet()); }), 1);
    }
};

QTEST_GUILESS_MAIN(TstFolderlock)
#include "tst_folderlock.moc"
