# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the game under the real screen reader Orca, headless and private to one test run, and tells
what Orca said. Times are seconds since the local midnight of the run's first day, the clock of
Orca's log lines, so a step is judged by when Orca spoke, not by when the test read the log:
    with Sessie(werkmap) as s:
        s.start(programma)
        s.hoor("Tab naar Start spel", r"^Start spel drukknop", s.toets("Tab"))"""
import contextlib
import datetime
import os
import re
import shutil
import signal
import subprocess
import sys
import time

REGEL = re.compile(r"^(\d\d):(\d\d):(\d\d\.\d+) - (.*)")
# Orca logs "'text'{voice}", "'text' voice=NAME{voice}", and a key it echoes as "'tab ' {voice}".
SPRAAK = re.compile(r"^SPEECH OUTPUT: '(.*?)'(?: voice=\S+?)?\s*(?:\{.*\}|None)?$")
NODIG = ["/usr/bin/orca", "/usr/lib/speech-dispatcher-modules/sd_espeak-ng", "Xvfb", "openbox",
         "xdotool", "pulseaudio", "/usr/libexec/at-spi2-registryd"]


class GeenSchermlezer(Exception):
    """Orca, speech-dispatcher with espeak-ng, or a part of the headless desktop is missing."""


class Sessie:
    def __init__(self, werkmap):
        self.map = os.path.abspath(werkmap)
        self.id = "drietal-orca-%d-%d" % (os.getpid(), time.time_ns())
        self.middernacht = datetime.datetime.combine(datetime.date.today(), datetime.time())
        self.log, self.programma, self._processen = self.map + "/orca-debug.out", None, []
        self._begin, self._pos, self._rest, self._regels = self.nu(), 0, b"", []

    def nu(self):
        return (datetime.datetime.now() - self.middernacht).total_seconds()

    def __enter__(self):
        ontbreekt = [p for p in NODIG if not shutil.which(p)]
        if ontbreekt:
            raise GeenSchermlezer("niet geïnstalleerd: " + ", ".join(ontbreekt))
        try:
            self._op()
        except BaseException:
            self._stop()
            raise
        return self

    def __exit__(self, *fout):
        self._stop()

    def _op(self):
        m, weg = self.map, ("DISPLAY", "WAYLAND_DISPLAY", "SESSION_MANAGER", "PULSE_SERVER")
        env = self.env = {k: v for k, v in os.environ.items() if k not in weg
                          and not k.startswith(("DBUS_", "AT_SPI", "XDG_", "LC_", "QT_"))}
        env.update(ORCA_SESSIE=self.id, HOME=m + "/home", XDG_RUNTIME_DIR=m + "/run",
                   LANG="nl_NL.UTF-8", LANGUAGE="nl", GSETTINGS_BACKEND="memory")
        for d in ("run", "speechd", "locale", "home/.config", "home/.local/share", "home/.cache"):
            os.makedirs("%s/%s" % (m, d), mode=0o700, exist_ok=True)
        # Orca speaks Dutch only in a Dutch locale; one compiled into the run's folder (while the
        # rest comes up) changes nothing on the machine.
        if "nl_NL.utf8" not in self.uit("locale", "-a"):
            localedef = self._proces("localedef", ["localedef", "-i", "nl_NL", "-f", "UTF-8",
                                                   m + "/locale/nl_NL.UTF-8"], dict(env, LANG="C"))
            env["LOCPATH"] = m + "/locale"
        # -noreset: an X server resets when its last client leaves, and a client that connects
        # meanwhile is turned away.
        env["DISPLAY"] = ":" + self._adres("Xvfb", ["Xvfb", "-screen", "0", "1280x800x24", "-noreset",
                                                     "-nolisten", "tcp", "-displayfd", "{fd}"])
        env["DBUS_SESSION_BUS_ADDRESS"] = self._adres(
            "dbus", ["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address={fd}"])
        self._proces("openbox", ["openbox", "--sm-disable", "--startup", "touch %s/ob.klaar" % m])
        self._proces("at-spi-bus", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        self._proces("pulseaudio", ["pulseaudio", "-n", "--exit-idle-time=-1",
                                    "--load=module-native-protocol-unix",
                                    "--load=module-null-sink sink_name=stil"])
        a11y = self._wacht("de toegankelijkheidsbus", lambda: self.uit(
            "dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
            "/org/a11y/bus", "org.a11y.Bus.GetAddress").strip())
        self._proces("at-spi2-registryd", ["/usr/libexec/at-spi2-registryd"])
        self._wacht("het AT-SPI-register", lambda: "true" in self.uit(
            "dbus-send", "--bus=" + a11y, "--print-reply=literal", "--dest=org.freedesktop.DBus",
            "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
            "string:org.a11y.atspi.Registry"))
        self._wacht("pulseaudio", lambda: "Default Sink: stil" in self.uit("pactl", "info"))
        if "LOCPATH" in env:  # speech-dispatcher and Orca stop on a locale they cannot load
            self._wacht("localedef", lambda: localedef.poll() is not None)
            if localedef.returncode:
                raise RuntimeError("localedef nl_NL.UTF-8 mislukte (zie %s/localedef.log)" % m)
        self._proces("speech-dispatcher", ["speech-dispatcher", "-s", "-t0", "-L", m + "/speechd"])
        self._wacht("espeak-ng", lambda: "espeak-ng" in self.uit("spd-say", "-O"))
        self._wacht("openbox", lambda: os.path.exists(m + "/ob.klaar"))
        orca = self._proces("orca", ["/usr/bin/python3", os.path.abspath(__file__),
                                     "--debug-file=" + self.log])
        self._wacht("Orca", lambda: b"Starting ATSPI" in open(self.log, "rb").read(), 30, orca)

    def _adres(self, naam, argv):
        """Starts a server that writes where it can be reached to file descriptor {fd}; gives it."""
        with open("%s/%s.adres" % (self.map, naam), "w") as f:
            fd = str(f.fileno())
            p = self._proces(naam, [a.replace("{fd}", fd) for a in argv], pass_fds=[f.fileno()])
        return self._wacht(naam, lambda: open(f.name).read().split()[:1], 10, p)[0]

    def _stop(self):
        for p in reversed(self._processen):
            p.poll() is None and p.terminate()
        einde = time.monotonic() + 3
        for p in self._processen:
            with contextlib.suppress(subprocess.TimeoutExpired):
                p.wait(max(0, einde - time.monotonic()))
        # What the daemons started themselves (the accessibility bus's dbus-daemon, speech
        # modules) or what ignored the signal carries this run's id in its environment.
        for pid in _met_merk(map(int, filter(str.isdigit, os.listdir("/proc"))), self.id):
            os.kill(pid, signal.SIGKILL)
        for p in self._processen:
            p.wait()

    def _proces(self, naam, argv, env=None, **kw):
        with open("%s/%s.log" % (self.map, naam), "w") as uit:
            p = subprocess.Popen(argv, env=env or self.env, stdin=subprocess.DEVNULL, stdout=uit,
                                 stderr=uit, **kw)
        self._processen.append(p)
        return p

    def uit(self, *argv):
        return subprocess.run(argv, env=self.env, capture_output=True, text=True, timeout=5).stdout

    def _wacht(self, wat, proef, seconden=15, proces=None):
        """Polls proef until it gives something; fails naming wat, at once when proces stops. The
        only wait of the harness: Orca, the X server and the buses run on the real clock."""
        einde = time.monotonic() + seconden
        while time.monotonic() < einde:
            if proces and proces.poll() is not None:
                raise RuntimeError("%s: gestopt, status %s (logs in %s)"
                                  % (wat, proces.returncode, self.map))
            try:
                uitkomst = proef()
            except (OSError, subprocess.SubprocessError):
                uitkomst = None
            if uitkomst:
                return uitkomst
            time.sleep(0.05)
        raise RuntimeError("%s kwam niet op binnen %g s (logs in %s)" % (wat, seconden, self.map))

    def start(self, programma):
        """Starts the program on this run's display with the AT-SPI bridge on; returns its start
        time once its window shows and Orca has said something since."""
        na = self.nu()
        env = dict(self.env, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        p = self.programma = self._proces("programma", [programma], env)
        self._wacht("het venster van " + programma, lambda: self.uit(
            "xdotool", "search", "--onlyvisible", "--pid", str(p.pid)).split(), 20, p)
        self._wacht("spraak van Orca over het programma", lambda: self.gehoord(na), 15, p)
        return na

    def toets(self, *toetsen):
        """Presses the keys (xdotool names) in the focused window; gives the time of pressing."""
        na = self.nu()
        subprocess.run(["xdotool", "key", "--delay", "0", *toetsen], env=self.env, check=True)
        return na

    def _lees(self):
        """Adds the log's new whole lines, each with its time; gives all read so far."""
        with open(self.log, "rb") as f:
            f.seek(self._pos)
            *regels, self._rest = (self._rest + f.read()).split(b"\n")
            self._pos = f.tell()
        for m in filter(None, (REGEL.match(r.decode("utf-8", "replace")) for r in regels)):
            t = int(m[1]) * 3600 + int(m[2]) * 60 + float(m[3])
            t += 86400 * (t < self._begin - 3600)  # a log line from after midnight
            self._regels.append((t, m[4]))
        return self._regels

    def gehoord(self, na, tot=None):
        """(seconds after na, text) for each utterance from na on (up to tot)."""
        return [(t - na, m[1].rstrip()) for t, m in ((t, SPRAAK.match(r)) for t, r in self._lees())
                if m and na <= t and (tot is None or t <= tot)]

    def moment(self, wat, patroon, na, seconden=40):
        """When Orca logged the first line after na that matches patroon, such as the event of
        a label's new text: the cause of what it should say next, by its own clock."""
        return self._wacht(wat, lambda: [t for t, r in self._lees()
                                         if t >= na and re.search(patroon, r)][:1], seconden)[0]

    def hoor(self, stap, patroon, na, binnen=1.5):
        """Waits for an utterance matching patroon spoken from na to na + binnen; gives its text.
        Waits until that window is past, and half a second for the log."""
        with contextlib.suppress(RuntimeError):
            return self._wacht(stap, lambda: [t for _, t in self.gehoord(na, na + binnen)
                                              if re.search(patroon, t)],
                               max(0, na + binnen - self.nu()) + 0.5)[0]
        wel = "\n".join("  %+6.2f s  %r%s" % (dt, s, "  (te laat)" if dt > binnen else "")
                        for dt, s in self.gehoord(na)) or "  (niets)"
        p = self.programma
        raise AssertionError("%s: niet gehoord binnen %g s: /%s/\nwel gehoord:\n%s\n(programma %s)"
                             % (stap, binnen, patroon, wel,
                                "loopt" if p.poll() is None else "stopte: %s" % p.returncode))

    def stil(self, seconden=1.0, timeout=15):
        """Waits until Orca has said nothing for seconden, counted from now or its last word."""
        sinds = self.nu()
        self._wacht("stilte van Orca", lambda: self.nu() - sinds - max(
            [0] + [dt for dt, _ in self.gehoord(sinds)[-1:]]) >= seconden, timeout)


def _met_merk(pids, merk):
    """The processes of pids whose environment carries ORCA_SESSIE=merk."""
    def gemerkt(pid):
        try:
            with open("/proc/%d/environ" % pid, "rb") as f:
                return ("ORCA_SESSIE=" + merk).encode() in f.read().split(b"\0")
        except OSError:  # gone meanwhile, or another user's
            return False
    return [pid for pid in pids if gemerkt(pid)]


if __name__ == "__main__":
    # Orca as installed, but its --debug-file (ending in .out) line-buffered, so each utterance
    # can be read as soon as it is logged, and its "another Orca runs" check limited to this run,
    # so a user's Orca or a parallel run neither stops this one nor is replaced by it.
    hier = os.path.dirname(os.path.abspath(__file__))  # holds this orca.py, not Orca's package
    sys.path = [p for p in sys.path if os.path.abspath(p or ".") != hier]
    sys.argv[0] = "/usr/bin/orca"
    orca = {"__name__": "orca_main", "__file__": sys.argv[0]}  # defines main() but runs nothing
    with open(sys.argv[0]) as f:
        exec(compile(f.read(), sys.argv[0], "exec"), orca)
    orca["open"] = lambda naam, mode="r", *a, **k: open(  # found before the builtin
        naam, mode, 1 if str(naam).endswith(".out") and "w" in mode else -1, *a[1:], **k)
    alle = orca["otherOrcas"]
    orca["otherOrcas"] = lambda: _met_merk(alle(), os.environ["ORCA_SESSIE"])
    sys.exit(orca["main"]())
