// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score list: the entries of the games won, and the order the high-score window shows
// them in.
#pragma once

#include "storage/fileaccess.h"
#include "storage/paths.h"

#include <QObject>
#include <QStringList>

namespace Regels {

// Fastest first: by the time as a number (minutes, then seconds), so a game of 100 minutes or
// more comes after shorter ones; equal times by name, ignoring case. Entries that do not start
// with a time come last, in text order.
QStringList gesorteerdeScores(QStringList regels);

// The entries ("MM:SS - name") in the order they were played: one object, made at start-up and
// handed to the game that adds to it and the window that shows and clears it.
class ScoreLijst : public QObject {
    Q_OBJECT
public:
    // The list is the file of mappen's Data folder.
    explicit ScoreLijst(Opslag::Mappen mappen, QObject* parent = nullptr)
        : QObject(parent), m_mappen(std::move(mappen)) {}

    const QStringList& regels() const { return m_regels; }
    void voegToe(const QString& regel);
    void wis();

    // Reads the file, adding its entries to those there are, and writes them back. A file read
    // only in part, or with entries the file cannot hold, is kept as a .bak at the next save.
    Opslag::LeesStatus laden();
    Opslag::OpslaanStatus opslaan();

signals:
    void gewijzigd();

private:
    const Opslag::Mappen m_mappen;
    QStringList m_regels;
    bool m_bewaren = false;
};

} // namespace Regels
