// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/toeval.h"

namespace Regels {

Toeval::Toeval() {
    std::random_device entropie;
    std::seed_seq zaad{entropie(), entropie(), entropie(), entropie()};
    m_generator.seed(zaad);
}

} // namespace Regels
