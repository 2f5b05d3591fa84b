// SPDX-License-Identifier: GPL-3.0-or-later
// The one source of randomness for the deal: seeded in tests, truly random in the game.
#pragma once

#include <cstdint>
#include <random>

namespace Regels {

class Toeval {
public:
    // Seeded from the system's entropy source.
    Toeval();
    explicit Toeval(std::uint64_t zaad) : m_generator(zaad) {}

    // A whole number in [0, n), every value equally likely.
    int trek(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_generator); }

private:
    std::mt19937_64 m_generator;
};

} // namespace Regels
