"""Headless Chromium from Debian, driven through chromedriver, as the page's tests and its
benchmark use it: a fresh profile, no network services, and the console and network logs.

The browser and the driver are reached at 127.0.0.1, never by the name "localhost": a new
system (a fresh Debian root, say) may have no /etc/hosts that names it, and chromedriver would
then fail to reach a browser it started itself. So the browser is started here, listening on
the loopback address, and chromedriver attaches to it."""
import json
import shutil
import subprocess
import tempfile
import time
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common import utils

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
FLAGS = ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--window-size=1600,1000")
# How long the browser may take to open its debugging port.
START_SECONDS = 60


class LoopbackService(Service):
    """chromedriver, reached at 127.0.0.1."""

    @property
    def service_url(self):
        return f"http://127.0.0.1:{self.port}"

    def is_connectable(self):
        return utils.is_connectable(self.port, host="127.0.0.1")


def StartBrowser(profile):
    """Chromium with its debugging port on 127.0.0.1; returns the process and the port, which
    the browser writes into its profile once it listens."""
    process = subprocess.Popen(
        [CHROMIUM, *FLAGS, "--user-data-dir=" + profile, "--remote-debugging-address=127.0.0.1",
         "--remote-debugging-port=0", "about:blank"],
        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    port_file = Path(profile) / "DevToolsActivePort"
    deadline = time.monotonic() + START_SECONDS
    while time.monotonic() < deadline:
        if process.poll() is not None:
            raise RuntimeError(f"{CHROMIUM} ended at start with status {process.returncode}")
        lines = port_file.read_text().splitlines() if port_file.exists() else []
        if lines and lines[0].isdigit():
            return process, int(lines[0])
        time.sleep(0.05)
    process.kill()
    process.wait()
    raise RuntimeError(f"{CHROMIUM} opened no debugging port within {START_SECONDS} s")


class Chromium:
    """A browser for a with-block; the browser ends and its profile folder is removed
    afterwards. preferences are the settings of its fresh profile, as a player's browser may
    have them."""

    def __init__(self, preferences=None):
        self.preferences = preferences

    def __enter__(self):
        self.profile = tempfile.mkdtemp(prefix="katalog-chromium-")
        self.process = None
        try:
            if self.preferences:
                (Path(self.profile) / "Default").mkdir()
                (Path(self.profile) / "Default" / "Preferences").write_text(
                    json.dumps(self.preferences))
            self.process, port = StartBrowser(self.profile)
            options = webdriver.ChromeOptions()
            options.debugger_address = f"127.0.0.1:{port}"
            options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
            self.driver = webdriver.Chrome(service=LoopbackService(CHROMEDRIVER), options=options)
        except BaseException:
            self._EndBrowser()
            raise
        self.driver.set_page_load_timeout(60)
        self.driver.set_script_timeout(300)
        return self.driver

    def __exit__(self, *error):
        try:
            self.driver.quit()
        finally:
            self._EndBrowser()

    def _EndBrowser(self):
        if self.process is not None:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)
