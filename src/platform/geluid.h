// SPDX-License-Identifier: GPL-3.0-or-later
// Sound effects: short wave files played in the background, one at a time.
#pragma once

#include <QString>

#include <memory>

namespace Platform {

// The program's one sound player, made in main() while the application object lives; its sound
// thread stops when it is destroyed.
class GeluidSpeler {
public:
    GeluidSpeler();
    ~GeluidSpeler();
    GeluidSpeler(const GeluidSpeler&) = delete;
    GeluidSpeler& operator=(const GeluidSpeler&) = delete;

    // Plays the wave file at pad (PCM, 8 or 16 bits, mono or stereo) and returns at once; the
    // sound goes on while the game does. A new sound cuts off the one still playing. A missing or
    // unreadable file, or a computer without sound, leaves the game silent without a word. Call it
    // from the GUI thread only. A file is read once: later plays of the same path come from
    // memory.
    void speel(const QString& pad);

private:
    struct Klanken;
    std::unique_ptr<Klanken> m_klanken;
};

} // namespace Platform
