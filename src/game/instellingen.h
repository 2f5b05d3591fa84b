// SPDX-License-Identifier: GPL-3.0-or-later
// The settings in force: one object, made at start-up and handed to whoever reads or changes
// them. The windows show them and follow their change signals.
#pragma once

#include "storage/fileaccess.h"
#include "storage/paths.h"
#include "storage/settingsfile.h"

#include <QObject>
#include <functional>

namespace Regels {

struct InstellingWaarden : Opslag::OpgeslagenInstellingen {
    // Not stored: every run starts with this topic and with sound on.
    QString Onderwerp = QStringLiteral("Geografie");
    bool GeluidAan = true;

    bool operator==(const InstellingWaarden& o) const {
        return Opslag::OpgeslagenInstellingen::operator==(o) && Onderwerp == o.Onderwerp &&
               GeluidAan == o.GeluidAan;
    }
};

class Instellingen : public QObject {
    Q_OBJECT
public:
    // The settings file and the wallpapers are those of mappen.
    explicit Instellingen(Opslag::Mappen mappen, QObject* parent = nullptr)
        : QObject(parent), m_mappen(std::move(mappen)) {}

    const InstellingWaarden& waarden() const { return m_waarden; }

    // Changes the values through wijziging and tells what changed.
    void wijzig(const std::function<void(InstellingWaarden&)>& wijziging);
    // Every setting back to its default.
    void zetStandaard();

    // Reads the settings file. When there is none (a first start) it writes one with the defaults
    // and then points WallpaperFile at the program's own Backgrounds folder. A file that ends early
    // or holds a wrong value keeps what was read before it; it is kept as a .bak at the next save.
    Opslag::LeesStatus laden();
    Opslag::OpslaanStatus opslaan();

signals:
    void gewijzigd();            // any value
    void achtergrondGewijzigd(); // the wallpaper, besides gewijzigd

private:
    void zet(const InstellingWaarden& nieuw);

    const Opslag::Mappen m_mappen;
    InstellingWaarden m_waarden;
    bool m_bewaren = false; // the file as read is kept beside the next one saved
};

} // namespace Regels
