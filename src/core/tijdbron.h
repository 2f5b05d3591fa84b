// SPDX-License-Identifier: GPL-3.0-or-later
// The one seam through which every timer tick of the program goes, so tests can
// drive time without sleeping.
#pragma once

#include <QtGlobal>
#include <functional>

namespace Kern {

class TijdBron {
public:
    using Id = int;
    virtual ~TijdBron() = default;

    // Milliseconds on a monotonic clock (it never jumps back and does not wrap at midnight).
    virtual qint64 nuMs() const = 0;

    // Calls f after intervalMs, again and again when herhalen is set, until stop(id).
    virtual Id start(int intervalMs, bool herhalen, std::function<void()> f) = 0;
    virtual void stop(Id id) = 0;
};

// A timer of the seam that stops itself when it goes out of scope.
class SeamTimer {
public:
    SeamTimer() = default;
    SeamTimer(const SeamTimer&) = delete;
    SeamTimer& operator=(const SeamTimer&) = delete;
    ~SeamTimer() { stop(); }

    void start(TijdBron& bron, int intervalMs, bool herhalen, std::function<void()> f);
    void stop();
    bool actief() const { return m_bron != nullptr; }

private:
    TijdBron* m_bron = nullptr;
    TijdBron::Id m_id = 0;
};

// Ticks once a second, aimed at whole seconds since it started, so the time its handler takes does
// not add up. A pause keeps what had run of the current second: after it, the next tick comes when
// the rest of that second has run.
class SecondeKlok {
public:
    static constexpr int kSeconde = 1000;

    void start(TijdBron& bron, std::function<void()> tik);
    void stop();
    void pauzeer();
    void hervat();
    bool loopt() const { return m_timer.actief(); }

private:
    void plan(qint64 ms);

    TijdBron* m_bron = nullptr;
    std::function<void()> m_tik;
    SeamTimer m_timer;
    qint64 m_volgende = 0; // when the next tick is due, on the source's clock
    qint64 m_rest = 0;     // while paused: what was left of the running second
    bool m_gepauzeerd = false;
};

} // namespace Kern
