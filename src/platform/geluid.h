// SPDX-License-Identifier: GPL-3.0-or-later
// Sound effects: short wave files played in the background, one at a time.
#pragma once

#include <QString>

namespace Algemeen {

// Plays the wave file at pad (PCM, 8 or 16 bits, mono or stereo) and returns at once; the sound
// goes on while the game does. A new sound cuts off the one still playing. A missing or unreadable
// file, or a computer without sound, leaves the game silent without a word. Call it from the GUI
// thread only, with the application object alive. A file is read once: later plays of the same path
// come from memory.
void GeluidSpelen(const QString& pad);

} // namespace Algemeen
