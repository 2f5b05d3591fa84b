// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tijdbron.h"

#include <QtGlobal>
#include <algorithm>

namespace Kern {

void SeamTimer::start(TijdBron& bron, int intervalMs, bool herhalen, std::function<void()> f) {
    stop();
    if (!herhalen) {
        // A single shot marks itself finished before it runs, so f may restart this timer.
        auto eenmalig = [this, f = std::move(f)] {
            m_bron = nullptr;
            f();
        };
        m_id = bron.start(intervalMs, false, std::move(eenmalig));
    } else {
        m_id = bron.start(intervalMs, true, std::move(f));
    }
    m_bron = &bron;
}

void SeamTimer::stop() {
    if (m_bron)
        m_bron->stop(m_id);
    m_bron = nullptr;
}

void SecondeKlok::start(TijdBron& bron, std::function<void()> tik) {
    m_bron = &bron;
    m_tik = std::move(tik);
    m_gepauzeerd = false;
    plan(kSeconde);
}

void SecondeKlok::plan(qint64 ms) {
    m_volgende = m_bron->nuMs() + ms;
    m_timer.start(*m_bron, int(ms), false, [this] {
        const qint64 volgende = m_volgende + kSeconde;
        plan(std::max<qint64>(0, volgende - m_bron->nuMs()));
        m_volgende = volgende;
        m_tik(); // last: the tick may stop the clock
    });
}

void SecondeKlok::stop() {
    m_timer.stop();
    m_gepauzeerd = false;
}

void SecondeKlok::pauzeer() {
    if (!m_timer.actief())
        return;
    m_rest = std::clamp<qint64>(m_volgende - m_bron->nuMs(), 0, kSeconde);
    m_timer.stop();
    m_gepauzeerd = true;
}

void SecondeKlok::hervat() {
    if (!m_gepauzeerd)
        return;
    m_gepauzeerd = false;
    plan(m_rest);
}

} // namespace Kern
