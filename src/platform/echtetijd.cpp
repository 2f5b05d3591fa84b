// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/echtetijd.h"

#include <QTimer>

namespace Platform {

EchteTijd::EchteTijd(QObject* parent) : QObject(parent) {
    m_klok.start();
}

Kern::TijdBron::Id EchteTijd::start(int intervalMs, bool herhalen, std::function<void()> f) {
    const Id id = m_volgende++;
    auto* timer = new QTimer(this);
    // A single shot is aimed at a moment (the turn of a second, the rest of a paused one) and the
    // game's second ticks are kept precise; quick repeating ones (animations) may be bundled with
    // other wake-ups.
    timer->setTimerType(!herhalen || intervalMs >= 1000 ? Qt::PreciseTimer : Qt::CoarseTimer);
    timer->setSingleShot(!herhalen);
    timer->setInterval(intervalMs);
    connect(timer, &QTimer::timeout, this, [this, id, herhalen, f = std::move(f)] {
        if (!herhalen)
            stop(id);
        f();
    });
    m_timers.insert(id, timer);
    timer->start();
    return id;
}

void EchteTijd::stop(Id id) {
    if (QTimer* timer = m_timers.take(id)) {
        timer->stop();
        timer->deleteLater();
    }
}

} // namespace Platform
