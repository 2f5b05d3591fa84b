// SPDX-License-Identifier: GPL-3.0-or-later
// The program's time source: Qt timers on the event loop and a monotonic clock.
#pragma once

#include "core/tijdbron.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>

class QTimer;

namespace Platform {

class EchteTijd : public QObject, public Kern::TijdBron {
    Q_OBJECT
public:
    explicit EchteTijd(QObject* parent = nullptr);

    qint64 nuMs() const override { return m_klok.elapsed(); }
    Id start(int intervalMs, bool herhalen, std::function<void()> f) override;
    void stop(Id id) override;

private:
    QElapsedTimer m_klok;
    QHash<Id, QTimer*> m_timers;
    Id m_volgende = 1;
};

} // namespace Platform
