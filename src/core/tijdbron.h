// The one seam through which every timer tick of the program goes, so tests can
// drive time without sleeping.
#pragma once

#include <QtGlobal>
#include <functional>

namespace Algemeen {

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

// The time source in force; the program sets a real one at start-up, tests a fake one.
TijdBron& tijd();
void zetTijd(TijdBron* bron);

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

} // namespace Algemeen
