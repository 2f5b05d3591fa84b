// SPDX-License-Identifier: GPL-3.0-or-later
// Between the platform layer and the sound module (src/geluid), which it loads at the first sound:
// the audio libraries then cost nothing at start-up, and nothing at all in a game never heard.
#pragma once

#include <cstddef>

namespace Platform {

// Samples in the machine's byte order: 8 bits unsigned or 16 bits signed, channels interleaved.
struct Pcm {
    const char* data;
    std::size_t bytes;
    int rate;
    int kanalen;
    int bits;
};

// One sound at a time, played from memory.
class GeluidUitvoer {
public:
    virtual ~GeluidUitvoer() = default;
    // Copies pcm and starts it, cutting off the sound still playing; returns without waiting for
    // the sound server. Without a server the sound is dropped without a word.
    virtual void speel(const Pcm& pcm) = 0;
};

} // namespace Platform

// The module's file name and its one entry point, which returns a new output (never null) that
// the caller deletes before the program ends.
#define DRIETAL_GELUID_MODULE "drietalspel-geluid.so"
#define DRIETAL_GELUID_MAAK "drietal_geluid_uitvoer"
extern "C" Platform::GeluidUitvoer* drietal_geluid_uitvoer();
