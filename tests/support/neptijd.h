// SPDX-License-Identifier: GPL-3.0-or-later
// A time source for tests: time moves only when the test says so, and due timers fire in order.
#pragma once

#include "core/tijdbron.h"

#include <algorithm>
#include <map>
#include <utility>

class NepTijd : public Kern::TijdBron {
public:
    qint64 nuMs() const override { return m_nu; }
    Id start(int intervalMs, bool herhalen, std::function<void()> f) override {
        m_timers[m_volgende] = {m_nu + intervalMs, intervalMs, herhalen, std::move(f)};
        return m_volgende++;
    }
    void stop(Id id) override { m_timers.erase(id); }
    int actieveTimers() const { return static_cast<int>(m_timers.size()); }

    // Moves time on by ms, firing every timer that falls due, earliest first.
    void verstrijk(qint64 ms) {
        const qint64 eind = m_nu + ms;
        for (;;) {
            const auto eerste = std::min_element(
                m_timers.begin(), m_timers.end(),
                [](const auto& a, const auto& b) { return a.second.due < b.second.due; });
            if (eerste == m_timers.end() || eerste->second.due > eind)
                break;
            m_nu = eerste->second.due;
            auto f = eerste->second.f;
            if (eerste->second.herhalen)
                eerste->second.due += eerste->second.interval;
            else
                m_timers.erase(eerste);
            f();
        }
        // A timer's work may have let time pass itself (a modal window open meanwhile).
        m_nu = std::max(m_nu, eind);
    }

private:
    struct Timer {
        qint64 due;
        int interval;
        bool herhalen;
        std::function<void()> f;
    };
    std::map<Id, Timer> m_timers;
    qint64 m_nu = 0;
    Id m_volgende = 1;
};
