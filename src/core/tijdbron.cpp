#include "core/tijdbron.h"

#include <QtGlobal>

namespace Algemeen {
namespace {
TijdBron* huidige = nullptr;
}

TijdBron& tijd() {
    Q_ASSERT_X(huidige, "tijd", "no time source set");
    return *huidige;
}

void zetTijd(TijdBron* bron) {
    huidige = bron;
}

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

} // namespace Algemeen
