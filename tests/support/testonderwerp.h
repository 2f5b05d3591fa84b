// A program folder in a temporary directory with a topic in Data, for tests of the game.
#pragma once

#include "game/algemeen.h"
#include "storage/paths.h"
#include "storage/topicfiles.h"

#include <QDir>
#include <QTemporaryDir>

class TestProgrammaMap {
public:
    TestProgrammaMap() {
        Opslag::zetProgrammaMap(m_map.path());
        Opslag::zetGebruikersMap({});
        QDir().mkpath(Opslag::dataMap());
        Algemeen::InstellingenStandaard();
        Algemeen::BackScoreLijst.clear();
    }
    ~TestProgrammaMap() {
        Opslag::zetProgrammaMap({});
        Algemeen::BackScoreLijst.clear();
    }

    QString pad() const { return m_map.path(); }

    // Writes topic naam with the given rows of three words.
    void schrijfOnderwerp(const QString& naam, const QList<QStringList>& rijen) const {
        Opslag::WoordKolommen kolommen;
        for (const QStringList& rij : rijen) {
            for (int k = 0; k < 3; ++k)
                kolommen.kolom[k].append(rij.value(k));
        }
        Opslag::WoordLijstOpslaan(naam, kolommen);
    }

    // Ten rows of distinct words: "a0","b0","c0" ... "a9","b9","c9".
    static QList<QStringList> tienRijen() {
        QList<QStringList> rijen;
        for (int i = 0; i < 10; ++i)
            rijen.append({QStringLiteral("a%1").arg(i), QStringLiteral("b%1").arg(i),
                          QStringLiteral("c%1").arg(i)});
        return rijen;
    }

private:
    QTemporaryDir m_map;
};
