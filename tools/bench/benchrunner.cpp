// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the game and a bare Qt window in turn on an X display and measures, for each:
//   - the time from fork to the window's MapNotify and to its first painted frame,
//   - the peak resident memory (VmHWM) one second after the first frame,
//   - the CPU it uses while it sits idle, and how often its threads wake up meanwhile.
// It listens on the root window for SubstructureNotify, so the map is seen as an X event, not
// found by polling. The first frame is the first change of the pixels at the window's centre
// after the map, read with GetImage: the windows Qt creates have no background (None), so until
// the program draws, the centre keeps showing what the root showed before the start.
//
// Usage: benchrunner [--runs N] [--idle S] [--settle S] [--log FILE] GAME BASELINE
// GAME and BASELINE are executables; each is started with no arguments and QT_QPA_PLATFORM=xcb,
// stopped with SIGTERM (SIGKILL after 5 s). Prints a table; exits 0 whatever the figures say, 1
// when a program could not be measured at all.
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr double kKaartTimeoutS = 15.0;   // fork to MapNotify
constexpr double kVerfTimeoutS = 10.0;    // MapNotify to first frame
constexpr double kPeilIntervalS = 250e-6; // between two GetImage polls
constexpr int kVlak = 8;                  // the polled square at the centre, in pixels
constexpr double kNaEersteBeeldS = 1.0;   // VmHWM is read this long after the first frame

double nu() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

void slaap(double seconden) {
    if (seconden <= 0)
        return;
    timespec ts{};
    ts.tv_sec = time_t(seconden);
    ts.tv_nsec = long((seconden - double(ts.tv_sec)) * 1e9);
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
    }
}

template <typename T> using XcbAntwoord = std::unique_ptr<T, decltype(&std::free)>;

template <typename T> XcbAntwoord<T> antwoord(T* p) {
    return XcbAntwoord<T>(p, &std::free);
}

// The connection to the display, listening to what happens to the root window's children.
class Scherm {
public:
    bool open() {
        m_c = xcb_connect(nullptr, nullptr);
        if (!m_c || xcb_connection_has_error(m_c))
            return false;
        // The programs are exec'd from a fork: they must not inherit this socket.
        fcntl(xcb_get_file_descriptor(m_c), F_SETFD, FD_CLOEXEC);
        const xcb_screen_t* s = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data;
        m_root = s->root;
        m_breedte = s->width_in_pixels;
        m_hoogte = s->height_in_pixels;
        const uint32_t masker = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        auto fout = antwoord(xcb_request_check(
            m_c, xcb_change_window_attributes_checked(m_c, m_root, XCB_CW_EVENT_MASK, &masker)));
        if (fout)
            return false;
        const char naam[] = "_NET_WM_PID";
        auto atoom = antwoord(
            xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 0, sizeof naam - 1, naam), nullptr));
        if (!atoom)
            return false;
        m_pidAtoom = atoom->atom;
        return true;
    }
    ~Scherm() {
        if (m_c)
            xcb_disconnect(m_c);
    }

    int breedte() const { return m_breedte; }
    int hoogte() const { return m_hoogte; }

    // The pixels of a rectangle of the screen, as the server sends them (ZPixmap).
    std::vector<uint8_t> pixels(int x, int y, int w, int h) {
        auto beeld = antwoord(
            xcb_get_image_reply(m_c,
                                xcb_get_image(m_c, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root, int16_t(x),
                                              int16_t(y), uint16_t(w), uint16_t(h), ~0u),
                                nullptr));
        if (!beeld)
            return {};
        const uint8_t* d = xcb_get_image_data(beeld.get());
        return std::vector<uint8_t>(d, d + xcb_get_image_data_length(beeld.get()));
    }

    // Waits until deadline for the next event; nullptr when none came.
    XcbAntwoord<xcb_generic_event_t> volgendEvent(double deadline) {
        while (true) {
            if (xcb_generic_event_t* e = xcb_poll_for_event(m_c))
                return antwoord(e);
            if (xcb_connection_has_error(m_c))
                return antwoord<xcb_generic_event_t>(nullptr);
            const double rest = deadline - nu();
            if (rest <= 0)
                return antwoord<xcb_generic_event_t>(nullptr);
            pollfd pfd{xcb_get_file_descriptor(m_c), POLLIN, 0};
            poll(&pfd, 1, std::max(1, int(std::min(rest, 0.05) * 1000)));
        }
    }

    // Drops the events that are waiting.
    void leeg() {
        while (xcb_generic_event_t* e = xcb_poll_for_event(m_c))
            std::free(e);
    }

    std::optional<pid_t> pidVan(xcb_window_t venster) {
        auto eigenschap = antwoord(xcb_get_property_reply(
            m_c, xcb_get_property(m_c, 0, venster, m_pidAtoom, XCB_ATOM_CARDINAL, 0, 1), nullptr));
        if (!eigenschap || xcb_get_property_value_length(eigenschap.get()) < 4)
            return std::nullopt;
        return pid_t(*static_cast<const uint32_t*>(xcb_get_property_value(eigenschap.get())));
    }

    bool geometrie(xcb_window_t venster, int& x, int& y, int& w, int& h) {
        auto g = antwoord(xcb_get_geometry_reply(m_c, xcb_get_geometry(m_c, venster), nullptr));
        if (!g)
            return false;
        x = g->x;
        y = g->y;
        w = g->width;
        h = g->height;
        return true;
    }

    xcb_window_t root() const { return m_root; }

private:
    xcb_connection_t* m_c = nullptr;
    xcb_window_t m_root = 0;
    xcb_atom_t m_pidAtoom = 0;
    int m_breedte = 0;
    int m_hoogte = 0;
};

struct Programma {
    std::string naam;
    std::string pad;
};

struct Meting {
    bool gelukt = false;
    std::string fout;
    double kaartMs = 0;     // fork to MapNotify
    double verfMs = 0;      // fork to the first changed pixels
    long hwmKb = 0;         // VmHWM one second after the first frame
    double cpuProcent = -1; // only when the idle window is measured
    double wekkenPerS = -1; // wake-ups a second of all its threads, over the idle window
    long rssNaRustKb = 0;   // VmRSS at the end of the idle window
};

// A field of /proc/<pid>/status in kB, or -1.
long statusKb(pid_t pid, const char* veld) {
    std::ifstream f("/proc/" + std::to_string(pid) + "/status");
    std::string regel;
    const size_t n = std::strlen(veld);
    while (std::getline(f, regel)) {
        if (regel.compare(0, n, veld) == 0 && regel.size() > n && regel[n] == ':')
            return std::strtol(regel.c_str() + n + 1, nullptr, 10);
    }
    return -1;
}

// utime + stime of the whole process (all its threads), in clock ticks, or -1.
long long cpuTikken(pid_t pid) {
    std::ifstream f("/proc/" + std::to_string(pid) + "/stat");
    std::string alles((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    const size_t haakje = alles.rfind(')');
    if (haakje == std::string::npos)
        return -1;
    std::istringstream velden(alles.substr(haakje + 1));
    std::string v;
    long long utime = -1;
    long long stime = -1;
    // After the command name: field 3 (state) is the first; utime is field 14, stime 15.
    for (int veld = 3; veld <= 15 && velden >> v; ++veld) {
        if (veld == 14)
            utime = std::atoll(v.c_str());
        if (veld == 15)
            stime = std::atoll(v.c_str());
    }
    return utime < 0 || stime < 0 ? -1 : utime + stime;
}

// How often the process's threads have been put to sleep and woken since they started: the sum of
// their voluntary context switches (each one a wait that ended), or -1.
long long wekken(pid_t pid) {
    const std::string taken = "/proc/" + std::to_string(pid) + "/task";
    DIR* map = opendir(taken.c_str());
    if (!map)
        return -1;
    long long som = 0;
    while (const dirent* taak = readdir(map)) {
        if (taak->d_name[0] == '.')
            continue; // "." and ".." are the process, not a thread of it
        std::ifstream f(taken + "/" + taak->d_name + "/status");
        for (std::string regel; std::getline(f, regel);) {
            if (regel.rfind("voluntary_ctxt_switches:", 0) == 0)
                som += std::atoll(regel.c_str() + std::strlen("voluntary_ctxt_switches:"));
        }
    }
    closedir(map);
    return som;
}

bool leeftNog(pid_t pid, int* status = nullptr) {
    int s = 0;
    const pid_t r = waitpid(pid, &s, WNOHANG);
    if (r == pid && status)
        *status = s;
    return r == 0;
}

// SIGTERM, and SIGKILL when the program has not ended within 5 s.
void stop(pid_t pid) {
    if (!leeftNog(pid))
        return;
    kill(pid, SIGTERM);
    const double einde = nu() + 5.0;
    while (nu() < einde) {
        if (!leeftNog(pid))
            return;
        slaap(0.005);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

pid_t start(const Programma& p, const std::string& log) {
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    const int uit = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (uit >= 0) {
        dup2(uit, STDOUT_FILENO);
        dup2(uit, STDERR_FILENO);
        close(uit);
    }
    const int niets = open("/dev/null", O_RDONLY);
    if (niets >= 0) {
        dup2(niets, STDIN_FILENO);
        close(niets);
    }
    char* argv[] = {const_cast<char*>(p.pad.c_str()), nullptr};
    execv(p.pad.c_str(), argv);
    std::perror("execv");
    _exit(127);
}

// One start of program p: the window's map and first frame, VmHWM after a second and, when
// rustS > 0, the CPU used over rustS seconds once settleS seconds have passed.
Meting meet(Scherm& scherm, const Programma& p, const std::string& log, double settleS,
            double rustS) {
    Meting m;
    scherm.leeg();
    // The screen before the start: the reference the first frame is told from.
    const std::vector<uint8_t> voor = scherm.pixels(0, 0, scherm.breedte(), scherm.hoogte());
    const size_t bpp = voor.size() / (size_t(scherm.breedte()) * size_t(scherm.hoogte()));
    if (bpp == 0) {
        m.fout = "GetImage of the root window failed";
        return m;
    }

    const double t0 = nu();
    const pid_t pid = start(p, log);
    if (pid < 0) {
        m.fout = std::string("fork: ") + std::strerror(errno);
        return m;
    }

    xcb_window_t venster = 0;
    const double kaartDeadline = t0 + kKaartTimeoutS;
    while (!venster) {
        auto e = scherm.volgendEvent(std::min(kaartDeadline, nu() + 0.1));
        if (e && (e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const double t = nu();
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(e.get());
            if (map->event == scherm.root() && scherm.pidVan(map->window) == pid) {
                venster = map->window;
                m.kaartMs = (t - t0) * 1000;
            }
        }
        if (!venster && (!leeftNog(pid) || nu() > kaartDeadline)) {
            m.fout = leeftNog(pid) ? "no MapNotify within the time limit" : "exited before mapping";
            stop(pid);
            return m;
        }
    }

    int x = 0, y = 0, w = 0, h = 0;
    scherm.geometrie(venster, x, y, w, h);
    int mx = std::clamp(x + w / 2 - kVlak / 2, 0, scherm.breedte() - kVlak);
    int my = std::clamp(y + h / 2 - kVlak / 2, 0, scherm.hoogte() - kVlak);
    std::vector<uint8_t> referentie;
    for (int r = 0; r < kVlak; ++r) {
        const auto* begin = voor.data() + ((size_t(my) + r) * scherm.breedte() + mx) * bpp;
        referentie.insert(referentie.end(), begin, begin + kVlak * bpp);
    }
    const double verfDeadline = nu() + kVerfTimeoutS;
    double tVerf = 0;
    while (tVerf == 0) {
        const std::vector<uint8_t> vlak = scherm.pixels(mx, my, kVlak, kVlak);
        const double t = nu();
        // The server pads each row of the reply; compare row by row.
        const size_t rij = vlak.size() / kVlak;
        bool anders = false;
        for (int r = 0; r < kVlak && !anders && rij >= kVlak * bpp; ++r)
            anders = std::memcmp(vlak.data() + r * rij, referentie.data() + r * kVlak * bpp,
                                 kVlak * bpp) != 0;
        if (anders) {
            tVerf = t;
            break;
        }
        if (!leeftNog(pid) || t > verfDeadline) {
            m.fout =
                leeftNog(pid) ? "no frame drawn within the time limit" : "exited before drawing";
            stop(pid);
            return m;
        }
        slaap(kPeilIntervalS);
    }
    m.verfMs = (tVerf - t0) * 1000;

    slaap(tVerf + kNaEersteBeeldS - nu());
    m.hwmKb = statusKb(pid, "VmHWM");

    if (rustS > 0) {
        slaap(tVerf + settleS - nu());
        const long long a = cpuTikken(pid);
        const long long wa = wekken(pid);
        const double ta = nu();
        slaap(rustS);
        const long long b = cpuTikken(pid);
        const long long wb = wekken(pid);
        const double tb = nu();
        if (wa >= 0 && wb >= 0)
            m.wekkenPerS = double(wb - wa) / (tb - ta);
        m.rssNaRustKb = statusKb(pid, "VmRSS");
        if (a >= 0 && b >= 0)
            m.cpuProcent = double(b - a) / double(sysconf(_SC_CLK_TCK)) / (tb - ta) * 100.0;
    }

    if (!leeftNog(pid)) {
        m.fout = "exited while being measured";
        return m;
    }
    stop(pid);
    // Wait until the server has taken the window away, so the next start sees a bare root.
    const double weg = nu() + 2.0;
    while (nu() < weg) {
        auto e = scherm.volgendEvent(weg);
        if (e && (e->response_type & 0x7f) == XCB_DESTROY_NOTIFY &&
            reinterpret_cast<const xcb_destroy_notify_event_t*>(e.get())->window == venster)
            break;
    }
    m.gelukt = true;
    return m;
}

double mediaan(std::vector<double> v) {
    if (v.empty())
        return std::nan("");
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string getal(double v, int decimalen) {
    if (std::isnan(v))
        return "-";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimalen, v);
    return buf;
}

void rij(const std::string& wat, const std::string& spel, const std::string& basis,
         const std::string& verhouding, const std::string& doel, const std::string& uitslag) {
    std::printf("%-46s %10s %10s %7s  %-18s %s\n", wat.c_str(), spel.c_str(), basis.c_str(),
                verhouding.c_str(), doel.c_str(), uitslag.c_str());
}

std::string lijst(const std::vector<Meting>& metingen, double Meting::*veld) {
    std::string s;
    for (const Meting& m : metingen)
        s += (s.empty() ? "" : " ") + getal(m.*veld, 0);
    return s;
}

int gebruik() {
    std::fprintf(stderr, "usage: benchrunner [--runs N] [--idle S] [--settle S] [--log FILE] GAME "
                         "BASELINE\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    int runs = 7;
    double rustS = 10;
    double settleS = 3;
    std::string log = "/dev/null";
    std::vector<std::string> paden;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 < argc && a == "--runs")
            runs = std::atoi(argv[++i]);
        else if (i + 1 < argc && a == "--idle")
            rustS = std::atof(argv[++i]);
        else if (i + 1 < argc && a == "--settle")
            settleS = std::atof(argv[++i]);
        else if (i + 1 < argc && a == "--log")
            log = argv[++i];
        else if (!a.empty() && a[0] == '-')
            return gebruik();
        else
            paden.push_back(a);
    }
    if (paden.size() != 2 || runs < 1)
        return gebruik();
    const Programma programmas[2] = {{"game", paden[0]}, {"baseline", paden[1]}};

    Scherm scherm;
    if (!scherm.open()) {
        std::fprintf(stderr, "benchrunner: cannot open the X display\n");
        return 1;
    }

    std::vector<Meting> starts[2];
    Meting rust[2];
    bool fout = false;
    const auto meld = [&fout](const Programma& p, const Meting& m) {
        if (!m.gelukt) {
            std::fprintf(stderr, "benchrunner: %s: %s\n", p.naam.c_str(), m.fout.c_str());
            fout = true;
        }
    };
    // One start of each first, not counted: it fills the page cache and the font caches.
    for (const Programma& p : programmas)
        meld(p, meet(scherm, p, log, 0, 0));
    // Then the counted starts, game and baseline taking turns.
    for (int r = 0; r < runs; ++r) {
        for (int k = 0; k < 2; ++k) {
            Meting m = meet(scherm, programmas[k], log, 0, 0);
            meld(programmas[k], m);
            if (m.gelukt)
                starts[k].push_back(m);
        }
    }
    // Then one longer start each for the idle CPU.
    for (int k = 0; k < 2; ++k) {
        rust[k] = meet(scherm, programmas[k], log, settleS, rustS);
        meld(programmas[k], rust[k]);
    }

    double kaart[2], tussen[2], verf[2], hwm[2];
    for (int k = 0; k < 2; ++k) {
        std::vector<double> a, b, c, d;
        for (const Meting& m : starts[k]) {
            a.push_back(m.kaartMs);
            b.push_back(m.verfMs - m.kaartMs);
            c.push_back(m.verfMs);
            d.push_back(double(m.hwmKb) / 1024.0);
        }
        kaart[k] = mediaan(a);
        tussen[k] = mediaan(b);
        verf[k] = mediaan(c);
        hwm[k] = mediaan(d);
    }
    const auto verhouding = [](double a, double b) {
        return std::isnan(a) || std::isnan(b) || b <= 0 ? std::string("-") : getal(a / b, 2) + "x";
    };
    const auto oordeel = [](bool meetbaar, bool goed) {
        return std::string(!meetbaar ? "n/a" : goed ? "PASS" : "FAIL");
    };

    std::printf("Start-up, memory and idle CPU: %d counted starts each, game and baseline in "
                "turn, medians; screen %dx%d\n",
                runs, scherm.breedte(), scherm.hoogte());
    std::printf("First frame = first change of the %dx%d pixels at the window centre after "
                "MapNotify (GetImage polled every %.2f ms).\n\n",
                kVlak, kVlak, kPeilIntervalS * 1000);
    rij("measure", "game", "baseline", "ratio", "target", "result");
    rij("start to MapNotify (ms)", getal(kaart[0], 1), getal(kaart[1], 1),
        verhouding(kaart[0], kaart[1]), "-", "info");
    rij("MapNotify to first frame (ms)", getal(tussen[0], 1), getal(tussen[1], 1),
        verhouding(tussen[0], tussen[1]), "-", "info");
    const bool verfMeetbaar = !std::isnan(verf[0]) && !std::isnan(verf[1]);
    rij("start to first frame (ms)", getal(verf[0], 1), getal(verf[1], 1),
        verhouding(verf[0], verf[1]), "<= 1.3x baseline",
        oordeel(verfMeetbaar, verf[0] <= 1.3 * verf[1]));
    const bool hwmMeetbaar = !std::isnan(hwm[0]) && !std::isnan(hwm[1]);
    rij("peak resident memory, VmHWM (MiB)", getal(hwm[0], 1), getal(hwm[1], 1),
        verhouding(hwm[0], hwm[1]), "<= 1.4x baseline",
        oordeel(hwmMeetbaar, hwm[0] <= 1.4 * hwm[1]));
    const auto cpu = [&](int k) {
        return rust[k].gelukt && rust[k].cpuProcent >= 0 ? rust[k].cpuProcent : std::nan("");
    };
    rij("idle CPU over " + getal(rustS, 0) + " s (% of one core)", getal(cpu(0), 2),
        getal(cpu(1), 2), "-", "< 1 %", oordeel(!std::isnan(cpu(0)), cpu(0) < 1.0));
    const auto wek = [&](int k) {
        return rust[k].gelukt && rust[k].wekkenPerS >= 0 ? rust[k].wekkenPerS : std::nan("");
    };
    rij("idle wake-ups a second (all threads)", getal(wek(0), 2), getal(wek(1), 2), "-", "<= 1.5",
        oordeel(!std::isnan(wek(0)), wek(0) <= 1.5));
    rij("resident memory after idling, VmRSS (MiB)",
        rust[0].gelukt ? getal(double(rust[0].rssNaRustKb) / 1024.0, 1) : "-",
        rust[1].gelukt ? getal(double(rust[1].rssNaRustKb) / 1024.0, 1) : "-", "-", "-", "info");
    std::printf("\nPer start (ms to first frame): game %s | baseline %s\n",
                lijst(starts[0], &Meting::verfMs).c_str(),
                lijst(starts[1], &Meting::verfMs).c_str());
    std::printf("Idle CPU measured over %.0f s, starting %.0f s after the first frame.\n", rustS,
                settleS);
    return fout && (starts[0].empty() || starts[1].empty()) ? 1 : 0;
}
