# SPDX-License-Identifier: GPL-3.0-or-later
"""A private desktop for one run: a virtual X server, a window manager, a
session bus and the accessibility bus, every process of it ended on the way
out, whatever happened.

Each process is started in a session of its own, so that its whole process
group (the accessibility bus launcher's bus daemon and registry among them)
can be ended by the group's id and nothing of ours outlives the run. The
test process adopts the orphans among its descendants, so that it can reap
them too rather than leave them to init.
"""

import ctypes
import os
import select
import shutil
import signal
import subprocess
import tempfile
import time

from cekanje import Neuspeh, cekaj

SIRINA_EKRANA = 1600
VISINA_EKRANA = 1000

# Each tool and the Debian package that brings it (scripts/deps.sh --testovi).
ALATI = {
    "Xvfb": "xvfb",
    "openbox": "openbox",
    "xdotool": "xdotool",
    "xprop": "x11-utils",
    "xwininfo": "x11-utils",
    "dbus-daemon": "dbus",
    "dbus-send": "dbus",
    "import": "imagemagick",
}
POKRETAC_PRISTUPACNOSTI = "/usr/libexec/at-spi-bus-launcher"
PR_SET_CHILD_SUBREAPER = 36


def proveri_alate():
    nedostaju = [f"{alat} ({paket})" for alat, paket in ALATI.items() if not shutil.which(alat)]
    if not os.access(POKRETAC_PRISTUPACNOSTI, os.X_OK):
        nedostaju.append(f"{POKRETAC_PRISTUPACNOSTI} (at-spi2-core)")
    if nedostaju:
        raise Neuspeh("missing tools, install them with scripts/deps.sh --testovi: " + ", ".join(nedostaju))


class Okruzenje:
    """Context manager: the desktop is up inside the with block, on a screen
    of sirina x visina pixels."""

    def __init__(self, dnevnici, sirina=SIRINA_EKRANA, visina=VISINA_EKRANA):
        self.dnevnici = dnevnici  # folder for the processes' output
        self.sirina = sirina
        self.visina = visina
        self.procesi = []  # (name, Popen), in the order started
        self.koren = None
        self.env = None

    def __enter__(self):
        try:
            self._pokreni()
        except BaseException:
            self.zavrsi()
            raise
        return self

    def __exit__(self, *_):
        self.zavrsi()

    def _pokreni(self):
        proveri_alate()
        libc = ctypes.CDLL(None, use_errno=True)
        if libc.prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0) != 0:
            print(f"warning: orphans go to init: {os.strerror(ctypes.get_errno())}")
        # Short on purpose: the buses put their sockets under it.
        self.koren = os.path.realpath(tempfile.mkdtemp(prefix="lastovar-e2e-"))
        pokretanje = os.path.join(self.koren, "run")
        os.mkdir(pokretanje, 0o700)
        dom = os.path.join(self.koren, "home")
        os.mkdir(dom)
        self.env = dict(os.environ)
        for promenljiva in ("WAYLAND_DISPLAY", "XDG_CONFIG_HOME", "XDG_DATA_HOME",
                            "XDG_CACHE_HOME", "AT_SPI_BUS_ADDRESS", "NO_AT_BRIDGE",
                            "DBUS_SESSION_BUS_ADDRESS", "XAUTHORITY", "SESSION_MANAGER"):
            self.env.pop(promenljiva, None)
        self.env.update(HOME=dom, XDG_RUNTIME_DIR=pokretanje)
        # No printer, whatever the machine has installed: the print commands
        # answer as on a computer without one.
        self.env["CUPS_SERVER"] = os.path.join(self.koren, "nema-stampaca.sock")

        # -noreset: by default the server resets when its last client
        # leaves, and refuses the next one meanwhile; the probes below and
        # the bus launcher come and go while the window manager connects.
        self.env["DISPLAY"] = ":" + self._procitaj_iz(
            "Xvfb",
            ["Xvfb", "-displayfd", "{fd}", "-screen", "0",
             f"{self.sirina}x{self.visina}x24", "-nolisten", "tcp", "-noreset"])
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self._procitaj_iz(
            "dbus-daemon", ["dbus-daemon", "--session", "--nofork", "--print-address={fd}"])
        self.pokreni("openbox", ["openbox", "--sm-disable"])
        self.pokreni("at-spi-bus-launcher",
                             [POKRETAC_PRISTUPACNOSTI, "--launch-immediately"])
        cekaj("the window manager to manage the screen", self._upravljac_prozora_radi, 60)
        cekaj("the accessibility bus launcher to own org.a11y.Bus",
              self._magistrala_pristupacnosti_radi, 60)

    def _procitaj_iz(self, ime, komanda, rok=60):
        """Starts a process that writes one line to a descriptor it is
        given once it is ready (the display number, the bus address) and
        returns that line."""
        citanje, pisanje = os.pipe()
        try:
            komanda = [deo.replace("{fd}", str(pisanje)) for deo in komanda]
            proces = self.pokreni(ime, komanda, pass_fds=(pisanje,))
            os.close(pisanje)
            pisanje = None
            procitano = b""
            kraj = time.monotonic() + rok
            while not procitano.endswith(b"\n"):
                ostalo = kraj - time.monotonic()
                if ostalo <= 0:
                    raise Neuspeh(f"{ime} did not report ready within {rok} s")
                spremno, _, _ = select.select([citanje], [], [], ostalo)
                if spremno:
                    deo = os.read(citanje, 4096)
                    if not deo:
                        raise Neuspeh(f"{ime} ended before it was ready "
                                      f"(exit code {proces.poll()}), see {ime}.log")
                    procitano += deo
            return procitano.decode().strip()
        finally:
            os.close(citanje)
            if pisanje is not None:
                os.close(pisanje)

    def pokreni(self, ime, komanda, env=None, **dodatno):
        """Starts a process in a session of its own inside the desktop, its
        output into ime.log; it is ended with the desktop if it still runs."""
        with open(os.path.join(self.dnevnici, ime + ".log"), "wb") as dnevnik:
            proces = subprocess.Popen(komanda, env=env or self.env, stdin=subprocess.DEVNULL,
                                      stdout=dnevnik, stderr=subprocess.STDOUT,
                                      start_new_session=True, **dodatno)
        self.procesi.append((ime, proces))
        return proces

    def _upravljac_prozora_radi(self):
        for ime, proces in self.procesi:
            if ime == "openbox" and proces.poll() is not None:
                raise Neuspeh(f"openbox ended with code {proces.returncode}, see openbox.log")
        r = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                           capture_output=True, text=True)
        return r.returncode == 0 and "window id" in r.stdout

    def _magistrala_pristupacnosti_radi(self):
        r = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
             "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
             "string:org.a11y.Bus"],
            env=self.env, capture_output=True, text=True)
        return r.returncode == 0 and "boolean true" in r.stdout

    def zavrsi(self):
        """Ends every process group started, the last started first."""
        for ime, proces in reversed(self.procesi):
            if proces.returncode is not None:
                continue  # reaped by the test, its id may be another's now
            self._zavrsi_grupu(proces.pid, signal.SIGTERM)
            ugasen = self._ugasio_se(proces.pid, 10)
            # Sent while the leader is alive or a zombie, so that the id
            # is still ours: the group may live on after its leader (a bus
            # daemon the launcher started, a registry the bus started).
            self._zavrsi_grupu(proces.pid, signal.SIGKILL)
            try:
                proces.wait(timeout=10)
            except subprocess.TimeoutExpired:
                print(f"warning: {ime} (pid {proces.pid}) did not end")
            if not ugasen:
                print(f"warning: {ime} ignored SIGTERM for 10 s and was killed")
        self.procesi.clear()
        self._pokupi_siroce()
        if self.koren:
            shutil.rmtree(self.koren, ignore_errors=True)
            self.koren = None

    @staticmethod
    def _pokupi_siroce():
        """Ends and reaps the descendants adopted after their parent ended."""
        for pid in _deca(os.getpid()):
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        kraj = time.monotonic() + 10
        while time.monotonic() < kraj:
            try:
                pid, _ = os.waitpid(-1, os.WNOHANG)
            except ChildProcessError:
                return  # none left
            if pid == 0:
                time.sleep(0.05)
        print(f"warning: processes {_deca(os.getpid())} were not reaped")

    @staticmethod
    def _ugasio_se(pid, rok):
        """Waits for the process to end without reaping it."""
        kraj = time.monotonic() + rok
        while time.monotonic() < kraj:
            try:
                if os.waitid(os.P_PID, pid, os.WEXITED | os.WNOHANG | os.WNOWAIT):
                    return True
            except ChildProcessError:
                return True
            time.sleep(0.05)
        return False

    @staticmethod
    def _zavrsi_grupu(grupa, signal_):
        try:
            os.killpg(grupa, signal_)
        except (ProcessLookupError, PermissionError):
            pass


def _deca(roditelj):
    """The ids of the process's children that are still there."""
    deca = []
    for ime in os.listdir("/proc"):
        if not ime.isdigit():
            continue
        try:
            with open(f"/proc/{ime}/stat") as f:
                stat = f.read()
        except OSError:
            continue
        # The name in parentheses may hold blanks; the parent follows it.
        if int(stat[stat.rindex(")") + 2:].split()[1]) == roditelj:
            deca.append(int(ime))
    return deca
