// SPDX-License-Identifier: GPL-3.0-or-later
// The sound module: plays PCM through PulseAudio's client library on its own thread.
//
// Not through Qt Multimedia: Qt 6.4's PulseAudio backend closes its server connection at exit
// without holding the lock of the thread that reads from it. A notice from the server arriving
// just then (a stream of ours or of any other program starting or stopping) made that thread
// dispatch on a connection being freed, and the program aborted in libpulse after main had
// returned. Here the connection is closed under the lock, and the thread stopped after it.
#include "platform/geluiduitvoer.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <vector>

namespace {

// The server buffer asked for the stream. While the stream is there the output mixes no further
// ahead than about a quarter of it (20 ms was measured), and a sound that starts loses that much of
// its beginning to a listener on the output's monitor (see leeggespeeld): the lead-in silence
// before every sound covers it. The whole sound is in memory and goes in as fast as the server
// takes it, so a small buffer costs only a few more wake-ups of the sound thread while it plays.
constexpr pa_usec_t kBufferUs = 80000;

class PulseUitvoer final : public Platform::GeluidUitvoer {
public:
    PulseUitvoer();
    ~PulseUitvoer() override;
    void speel(const Platform::Pcm& pcm) override;

private:
    static void contextVeranderd(pa_context* context, void* zelf);
    static void schrijf(pa_stream* stroom, size_t gevraagd, void* zelf);
    static void leeggespeeld(pa_stream* stroom, int gelukt, void* zelf);
    void verbind();
    void sluitContext();
    void nieuweStroom(const pa_sample_spec& s);
    void startStroom();
    void herstart();
    void stopAfvoer();
    void sluitStroom();

    // Everything below is shared with the mainloop thread: touched only under its lock.
    pa_threaded_mainloop* lus = nullptr;
    pa_context* context = nullptr;
    pa_stream* stroom = nullptr;
    pa_sample_spec formaat{};
    std::vector<char> pcm; // the sound playing, or waiting for the server connection
    size_t geschreven = 0;
    pa_operation* afvoer = nullptr; // the drain of the sound playing, once all of it is written
    bool wacht = false;
};

PulseUitvoer::PulseUitvoer() : lus(pa_threaded_mainloop_new()) {
    if (lus && pa_threaded_mainloop_start(lus) < 0) {
        pa_threaded_mainloop_free(lus);
        lus = nullptr;
    }
}

PulseUitvoer::~PulseUitvoer() {
    if (!lus)
        return;
    pa_threaded_mainloop_lock(lus);
    sluitStroom();
    sluitContext();
    pa_threaded_mainloop_unlock(lus);
    pa_threaded_mainloop_stop(lus);
    pa_threaded_mainloop_free(lus);
}

void PulseUitvoer::speel(const Platform::Pcm& nieuw) {
    const pa_sample_spec s{nieuw.bits == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16NE, uint32_t(nieuw.rate),
                           uint8_t(nieuw.kanalen)};
    if (!lus || !pa_sample_spec_valid(&s))
        return;
    pa_threaded_mainloop_lock(lus);
    pcm.assign(nieuw.data, nieuw.data + nieuw.bytes);
    if (stroom && pa_stream_get_state(stroom) == PA_STREAM_READY &&
        pa_sample_spec_equal(&s, &formaat))
        herstart();
    else
        nieuweStroom(s);
    pa_threaded_mainloop_unlock(lus);
}

void PulseUitvoer::nieuweStroom(const pa_sample_spec& s) {
    sluitStroom();
    formaat = s;
    // A server that went away, or was not there at the last sound, is tried again.
    if (!context || !PA_CONTEXT_IS_GOOD(pa_context_get_state(context)))
        verbind();
    wacht = context != nullptr;
    if (context && pa_context_get_state(context) == PA_CONTEXT_READY)
        startStroom();
}

// The next sound in the stream of the last: whatever the server still holds of that one is
// dropped, so the new one is not queued behind it.
void PulseUitvoer::herstart() {
    stopAfvoer();
    geschreven = 0;
    if (pa_operation* o = pa_stream_flush(stroom, nullptr, nullptr))
        pa_operation_unref(o);
    if (pa_operation* o = pa_stream_cork(stroom, 0, nullptr, nullptr))
        pa_operation_unref(o);
    pa_stream_set_write_callback(stroom, schrijf, this);
    schrijf(stroom, pa_stream_writable_size(stroom), this);
}

void PulseUitvoer::verbind() {
    sluitContext();
    context = pa_context_new(pa_threaded_mainloop_get_api(lus), "Drietalspel");
    if (!context)
        return;
    pa_context_set_state_callback(context, contextVeranderd, this);
    // A game does not start a sound server of its own: without one it stays silent.
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        sluitContext();
}

void PulseUitvoer::sluitContext() {
    if (!context)
        return;
    pa_context_set_state_callback(context, nullptr, nullptr);
    pa_context_disconnect(context);
    pa_context_unref(context);
    context = nullptr;
}

void PulseUitvoer::contextVeranderd(pa_context* context, void* p) {
    auto* zelf = static_cast<PulseUitvoer*>(p);
    const pa_context_state_t staat = pa_context_get_state(context);
    if (staat == PA_CONTEXT_READY && zelf->wacht)
        zelf->startStroom();
    else if (!PA_CONTEXT_IS_GOOD(staat))
        zelf->wacht = false;
}

void PulseUitvoer::startStroom() {
    wacht = false;
    geschreven = 0;
    stroom = pa_stream_new(context, "Drietalspel", &formaat, nullptr);
    if (!stroom)
        return;
    pa_stream_set_write_callback(stroom, schrijf, this);
    pa_buffer_attr buffer;
    buffer.maxlength = uint32_t(-1);
    buffer.tlength = uint32_t(pa_usec_to_bytes(kBufferUs, &formaat));
    buffer.prebuf = uint32_t(-1);
    buffer.minreq = uint32_t(-1);
    buffer.fragsize = uint32_t(-1);
    if (pa_stream_connect_playback(stroom, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr) < 0)
        sluitStroom();
}

void PulseUitvoer::schrijf(pa_stream* stroom, size_t gevraagd, void* p) {
    auto* zelf = static_cast<PulseUitvoer*>(p);
    const size_t n = std::min(gevraagd, zelf->pcm.size() - zelf->geschreven);
    if (n > 0 && pa_stream_write(stroom, zelf->pcm.data() + zelf->geschreven, n, nullptr, 0,
                                 PA_SEEK_RELATIVE) == 0)
        zelf->geschreven += n;
    if (zelf->geschreven < zelf->pcm.size())
        return;
    // All of it is in: draining also starts a sound shorter than the server's start threshold.
    pa_stream_set_write_callback(stroom, nullptr, nullptr);
    zelf->afvoer = pa_stream_drain(stroom, leeggespeeld, zelf);
}

// A drain still under way would end at the next flush and cork the sound that follows.
void PulseUitvoer::stopAfvoer() {
    if (!afvoer)
        return;
    pa_operation_cancel(afvoer);
    pa_operation_unref(afvoer);
    afvoer = nullptr;
}

// A stream that has played out is corked, not closed. A corked stream does not keep the sound
// card awake, but it does keep the output at the short latency the stream asked for. Without any
// stream, PulseAudio lets an output run up to two seconds ahead; a new stream then makes it
// rewrite what it mixed, and a listener to the output's monitor (a screen recorder, a null sink's
// recording) has already taken those seconds: a short sound in them was lost whole.
void PulseUitvoer::leeggespeeld(pa_stream* stroom, int gelukt, void* p) {
    auto* zelf = static_cast<PulseUitvoer*>(p);
    if (stroom != zelf->stroom || !zelf->afvoer)
        return;
    pa_operation_unref(zelf->afvoer);
    zelf->afvoer = nullptr;
    if (!gelukt)
        return;
    if (pa_operation* o = pa_stream_cork(stroom, 1, nullptr, nullptr))
        pa_operation_unref(o);
}

void PulseUitvoer::sluitStroom() {
    stopAfvoer();
    if (!stroom)
        return;
    pa_stream_set_write_callback(stroom, nullptr, nullptr);
    pa_stream_disconnect(stroom);
    pa_stream_unref(stroom);
    stroom = nullptr;
}

} // namespace

extern "C" Platform::GeluidUitvoer* drietal_geluid_uitvoer() {
    return new PulseUitvoer;
}
