#!/usr/bin/python3
"""The phone remote in a real browser: headless Chromium driven by Selenium against the real program on a
generated library under a virtual display. Checks what a guest sees on a phone-sized page and what the jukebox
does (its debug log). Only loopback addresses are used.

Usage: browser_e2e.py BIN_DIR   (BIN_DIR holds lumetra and lumetra-demo; tools/remote-e2e.sh builds them)
LUMETRA_KEEP_E2E=1 keeps the library, the log and the screenshots of a run that passed.
Exit status: 0 passed, 1 failed, 77 skipped (Chromium cannot start here).
"""

import hashlib
import os
import re
import secrets
import shutil
import signal
import socket
import sqlite3
import subprocess
import sys
import tempfile
import time
import urllib.error
import urllib.request

SKIPPED = 77
# Markup, a word longer than a phone is wide and a right-to-left override, all shown as plain text.
MARKUP = ('<script>window.pwned = 1</script> & "Quotes" \'n\' <b>bold</b> ' + 'Unbroken' * 12 +
          ' \u202eturned')
SHOWN = MARKUP.replace('\u202e', '')  # the page leaves the override out
EXTRA_ALBUMS = 100
PIN = '2468'
PIN_ROUNDS = 1000


class Failure(Exception):
    pass


def poll(seconds, check, what):
    deadline = time.monotonic() + seconds
    while True:
        value = check()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f'timed out waiting for {what}')
        time.sleep(0.1)


def free_port():
    with socket.socket() as probe:
        probe.bind(('127.0.0.1', 0))
        return probe.getsockname()[1]


def listening_ports(pid):
    """The TCP ports the process listens on, as ss reports them."""
    out = subprocess.run(['ss', '-ltnpH'], capture_output=True, text=True, check=True).stdout
    ports = set()
    for line in out.splitlines():
        if f'pid={pid},' in line:
            ports.add(int(line.split()[3].rsplit(':', 1)[1]))
    return ports


def http_get(url):
    try:
        with urllib.request.urlopen(url, timeout=10) as response:
            return response.status, dict(response.headers), response.read()
    except urllib.error.HTTPError as error:
        return error.code, dict(error.headers), error.read()


class Run:
    def __init__(self, bin_dir):
        self.bin = bin_dir
        self.work = tempfile.mkdtemp(prefix='lumetra-remote-e2e-')
        self.app = os.path.join(self.work, 'app')
        self.home = os.path.join(self.work, 'home')
        self.log_path = os.path.join(self.work, 'lumetra.log')
        self.processes = []
        self.display = None
        self.program = None
        self.driver = None

    # The library: the demo's albums, a hundred more so the wall has pages, and one titled with markup.
    def make_library(self):
        subprocess.run([os.path.join(self.bin, 'lumetra-demo'), self.app], check=True, capture_output=True)
        db = sqlite3.connect(os.path.join(self.app, 'tracks.lum'))
        path, picture = db.execute("SELECT Path, Picture FROM songs WHERE Picture <> '' ORDER BY ID LIMIT 1").fetchone()
        tracks = sorted(name for name in os.listdir(path) if name.endswith(('.ogg', '.mp3', '.wav')))
        music = os.path.join(self.app, 'Music')
        for n in range(EXTRA_ALBUMS + 1):
            title = MARKUP if n == EXTRA_ALBUMS else f'Extra Album {n:03}'
            folder = os.path.join(music, 'Markup' if n == EXTRA_ALBUMS else f'Extra {n:03}') + os.sep
            os.makedirs(folder)
            os.link(os.path.join(path, picture), os.path.join(folder, picture))
            os.link(os.path.join(path, tracks[0]), os.path.join(folder, f'01 Extra Track {n:03}.ogg'))
            artist = 'Unbroken' * 12 if n == EXTRA_ALBUMS else 'Extra'
            db.execute("INSERT INTO songs (Album, Path, Picture, Artist, Probability) VALUES (?, ?, ?, ?, '')",
                       (title, folder, picture, artist))
        # The last run ended in Jukebox mode, so this one starts in it.
        db.execute("DELETE FROM opts")
        db.execute("INSERT INTO opts (folders, formcolor) VALUES ('20', 'jukebox')")
        db.commit()
        self.albums = db.execute("SELECT COUNT(*) FROM songs WHERE Album <> ''").fetchone()[0]
        db.close()

    def start_display(self):
        read, write = os.pipe()
        xvfb = subprocess.Popen(['Xvfb', '-displayfd', str(write), '-screen', '0', '1920x1080x24', '-nolisten', 'tcp'],
                                pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(xvfb)
        os.close(write)
        number = b''
        while not number.endswith(b'\n'):
            chunk = os.read(read, 16)
            if not chunk:
                raise Failure('Xvfb did not start')
            number += chunk
        os.close(read)
        self.display = ':' + number.decode().strip()

    def start_program(self):
        env = dict(os.environ, DISPLAY=self.display, HOME=self.home, XDG_CONFIG_HOME=os.path.join(self.home, 'config'),
                   XDG_CACHE_HOME=os.path.join(self.home, 'cache'), XDG_DATA_HOME=os.path.join(self.home, 'data'),
                   XDG_RUNTIME_DIR=os.path.join(self.home, 'runtime'), QT_LOGGING_RULES='lumetra.*.debug=true',
                   QT_QPA_PLATFORM='xcb', LC_ALL='C.UTF-8', LANGUAGE='en')
        env.pop('DBUS_SESSION_BUS_ADDRESS', None)
        os.makedirs(env['XDG_RUNTIME_DIR'], mode=0o700, exist_ok=True)
        self.log = open(self.log_path, 'ab')
        self.log_mark = os.path.getsize(self.log_path)
        self.program = subprocess.Popen([os.path.join(self.bin, 'lumetra'), '--app-dir', self.app], env=env,
                                        stdout=self.log, stderr=subprocess.STDOUT)
        poll(30, lambda: 'albums loaded' in self.new_log(), 'the wall')

    def stop_program(self):
        self.program.send_signal(signal.SIGTERM)
        self.program.wait(timeout=20)
        self.program = None

    def new_log(self):
        with open(self.log_path, 'rb') as log:
            log.seek(self.log_mark)
            return log.read().decode('utf-8', 'replace')

    def start_browser(self):
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
        options = webdriver.ChromeOptions()
        for flag in ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                     '--disable-background-networking', '--disable-component-update', '--disable-sync',
                     '--disable-dev-shm-usage', f'--user-data-dir={os.path.join(self.work, "chromium")}',
                     '--window-size=360,800']:
            options.add_argument(flag)
        options.binary_location = shutil.which('chromium') or '/usr/bin/chromium'
        service = Service(shutil.which('chromedriver') or '/usr/bin/chromedriver',
                          log_path=os.path.join(self.work, 'chromedriver.log'))
        try:
            self.driver = webdriver.Chrome(service=service, options=options)
        except Exception as error:  # Selenium raises several kinds; any of them means no browser here
            print(f'SKIP: Chromium cannot start here: {str(error).splitlines()[0]}')
            return False
        self.driver.set_page_load_timeout(30)
        # A phone's screen: 360 CSS pixels wide, three device pixels to each.
        self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                                    {'width': 360, 'height': 780, 'deviceScaleFactor': 3, 'mobile': True})
        return True

    def close(self, passed):
        if self.driver:
            self.driver.quit()
        if self.program:
            self.program.send_signal(signal.SIGTERM)
            try:
                self.program.wait(timeout=20)
            except subprocess.TimeoutExpired:
                self.program.kill()
        for process in self.processes:
            process.terminate()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
        if passed and not os.environ.get('LUMETRA_KEEP_E2E'):
            shutil.rmtree(self.work, ignore_errors=True)
        else:
            print(f'log, screenshots and library kept in {self.work}', file=sys.stderr)


def write_party_ini(path, port, token):
    """Party mode off with a PIN set (as party mode's PBKDF2 key), and the remote on."""
    salt = secrets.token_bytes(16)
    key = hashlib.pbkdf2_hmac('sha256', PIN.encode(), salt, PIN_ROUNDS, 32)
    with open(path, 'w') as ini:
        ini.write('[party]\nformat=1\nmode=false\nlocked=false\n'
                  f'pinKey={key.hex()}\npinSalt={salt.hex()}\npinIterations={PIN_ROUNDS}\n'
                  'historyTracks=50\nhistoryAlbums=3\n'
                  '[guests]\nmaxWaiting=10\nmaySkip=false\nmaxVolume=100\n'
                  f'[remote]\non=true\nport={port}\ntoken={token}\n')
    os.chmod(path, 0o600)  # the program says so once when others may read it


def check(condition, what):
    if not condition:
        raise Failure(what)


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    run = Run(os.path.abspath(sys.argv[1]))
    passed = False
    step = 'setting up'
    try:
        run.make_library()
        run.start_display()

        step = 'with the remote off nothing listens'
        run.start_program()
        time.sleep(1)
        check(not listening_ports(run.program.pid), f'ports open while off: {listening_ports(run.program.pid)}')
        run.stop_program()
        print(f'ok  {step}')

        step = 'the remote on'
        port = free_port()
        token = secrets.token_urlsafe(18)
        write_party_ini(os.path.join(run.app, 'party.ini'), port, token)
        run.start_program()
        poll(10, lambda: f'listening on port {port}' in run.new_log(), 'the remote to listen')
        check(port in listening_ports(run.program.pid), 'the remote is not among the listening ports')
        base = f'http://127.0.0.1:{port}'
        print(f'ok  {step}')

        step = 'a wrong token or none is refused'
        for target in ['/', '/api/state', '/cover?id=1&size=160', '/remote.js']:
            for query in ['', '?t=wrong', f'?t={token[:-1]}']:
                status, _, _ = http_get(base + target + query)
                check(status == 403, f'{target}{query} answered {status}')
        status, headers, page = http_get(f'{base}/?t={token}')
        check(status == 200, f'the page answered {status}')
        csp = headers.get('Content-Security-Policy', '')
        check("script-src 'self'" in csp and "default-src 'none'" in csp, f'no strict policy: {csp}')
        check(headers.get('X-Content-Type-Options') == 'nosniff', 'no nosniff')
        check(headers.get('Referrer-Policy') == 'no-referrer', 'no referrer policy')
        check(b'<script>' not in page.replace(b'<script src=', b''), 'the page has inline script')
        print(f'ok  {step}')

        step = 'the browser'
        if not run.start_browser():
            passed = True
            return SKIPPED
        driver = run.driver
        from selenium.webdriver.common.by import By
        from selenium.webdriver.common.keys import Keys

        def shot(name):
            driver.save_screenshot(os.path.join(run.work, f'{name}.png'))

        def tiles():
            return driver.find_elements(By.CSS_SELECTOR, '#wall li')

        def text(element_id):
            return driver.find_element(By.ID, element_id).get_attribute('textContent')

        step = 'the page on a phone'
        driver.get(f'{base}/?t={token}')
        poll(15, lambda: len(tiles()) == 60, 'the first 60 covers')
        poll(15, lambda: driver.execute_script(
            "return [...document.querySelectorAll('#wall img')].slice(0, 9).every(i => i.complete && i.naturalWidth > 0)"),
            'the first covers to show')
        widths = driver.execute_script('return [window.innerWidth, document.documentElement.scrollWidth]')
        check(widths == [360, 360], f'the page is not as wide as the phone (viewport, page): {widths}')
        check(not driver.find_element(By.ID, 'closed').is_displayed(), 'picks show as closed in Jukebox mode')
        unnamed = driver.execute_script("""
            return [...document.querySelectorAll('button, input, select')].filter(e => {
                if (e.closest('[hidden]')) return false;
                const label = e.getAttribute('aria-label') || e.textContent.trim() || (e.labels && e.labels.length);
                return !label;
            }).map(e => e.outerHTML);""")
        check(not unnamed, f'controls without an accessible name: {unnamed}')
        driver.execute_script('window.loadedOnce = 1')
        shot('phone-wall')
        print(f'ok  {step}')

        step = 'paging the grid'
        driver.execute_script("document.getElementById('later').scrollIntoView()")
        poll(15, lambda: len(tiles()) == 120, 'the second page of covers')
        driver.execute_script("document.getElementById('later').scrollIntoView()")
        poll(15, lambda: len(tiles()) == run.albums, 'the last page of covers')
        check(text('wall-status') == f'Albums 1 to {run.albums} of {run.albums}', f'status {text("wall-status")!r}')
        driver.find_element(By.CSS_SELECTOR, '#letters button[aria-label="Albums starting with E"]').click()
        poll(15, lambda: len(tiles()) and tiles()[0].text.upper().startswith('E'), 'the wall from the letter E')
        poll(15, lambda: text('wall-status').endswith(f'of {run.albums}'), 'the status from the letter E')
        last = int(text('wall-status').split()[3])
        driver.find_element(By.ID, 'earlier').click()
        poll(15, lambda: text('wall-status') == f'Albums 1 to {last} of {run.albums}', 'the albums before E')
        check(len(tiles()) == last, f'{len(tiles())} covers shown for albums 1 to {last}')
        print(f'ok  {step}')

        step = 'a title with markup shows literally'
        driver.find_element(By.ID, 'search').send_keys('Markup', Keys.ENTER)
        poll(30, lambda: driver.find_elements(By.CSS_SELECTOR, '#results button'), 'the search results')
        result = driver.find_elements(By.CSS_SELECTOR, '#results button')[0]
        check(result.get_attribute('textContent') == '[Album]    - ' + SHOWN,
              f'result {result.get_attribute("textContent")!r}')
        result.click()
        poll(15, lambda: text('album-title') == SHOWN, 'the album with markup in its title')
        widths = driver.execute_script('return [window.innerWidth, document.documentElement.scrollWidth]')
        check(widths == [360, 360], f'a long title widened the page (viewport, page): {widths}')
        check(driver.execute_script('return window.pwned === undefined'), 'a script in a title ran')
        check(not driver.find_elements(By.CSS_SELECTOR, '#browse script, #browse b'), 'a title became markup')
        shot('phone-markup')
        print(f'ok  {step}')

        step = 'search, open an album, queue a track'
        driver.find_element(By.ID, 'album-close').click()
        search = driver.find_element(By.ID, 'search')
        search.clear()
        search.send_keys('Dawn', Keys.ENTER)
        poll(30, lambda: [b for b in driver.find_elements(By.CSS_SELECTOR, '#results button')
                          if ' --- ' in b.get_attribute('textContent')], 'track results')
        found = [b for b in driver.find_elements(By.CSS_SELECTOR, '#results button') if ' --- ' in b.text]
        track, album = found[0].get_attribute('textContent').split(' --- ')
        check('dawn' in track.lower(), f'result {track!r}')
        found[0].click()
        poll(15, lambda: text('album-title') == album, f'the album {album!r}')
        buttons = driver.find_elements(By.CSS_SELECTOR, '#tracks button')
        names = [b.get_attribute('textContent') for b in buttons]
        check(track in names, f'{track!r} not among {names}')
        run.log_mark = os.path.getsize(run.log_path)
        buttons[names.index(track)].click()
        poll(10, lambda: text('notice') == 'Queued: ' + track, 'the notice that the track was queued')
        poll(10, lambda: f'queued from a phone: {track}' in run.new_log(), 'the jukebox to queue the track')
        poll(15, lambda: re.search(r'lumetra\.playback: playing .*' + re.escape(track), run.new_log()),
             'the jukebox to play the track')
        line = f'{track}  -  {album}'
        poll(10, lambda: driver.execute_script(
            "return [...document.querySelectorAll('#queue li')].map(l => l.textContent)") == [line],
            'the page to show the queue')
        poll(10, lambda: text('now-title') == 'Playing: ' + track, 'the page to show what plays')
        other = next(n for n in names if n != track)
        buttons[names.index(other)].click()
        poll(10, lambda: len(driver.find_elements(By.CSS_SELECTOR, '#queue li')) == 2, 'the second queued line')
        check(driver.execute_script('return window.loadedOnce') == 1, 'the page was loaded again')
        shot('phone-queue')
        print(f'ok  {step}')

        step = 'the host after the PIN'
        from selenium.webdriver.support.ui import Select
        host_button = driver.find_element(By.ID, 'host-open')
        check(host_button.is_displayed(), 'no host button with a PIN set')
        check(not driver.find_element(By.ID, 'host-actions').is_displayed(), 'host actions before the PIN')
        host_button.click()
        pin = driver.find_element(By.ID, 'pin')
        pin.send_keys('0000', Keys.ENTER)
        poll(10, lambda: text('notice') == 'That PIN is not right.', 'the wrong PIN refused')
        check(not driver.find_element(By.ID, 'host-actions').is_displayed(), 'host actions after a wrong PIN')
        pin.send_keys(PIN, Keys.ENTER)
        poll(10, lambda: driver.find_element(By.ID, 'host-actions').is_displayed(), 'the host actions')
        run.log_mark = os.path.getsize(run.log_path)
        driver.find_element(By.ID, 'skip').click()
        poll(15, lambda: re.search(r'lumetra\.playback: playing .*' + re.escape(other), run.new_log()),
             'the jukebox to skip to the next queued track')
        poll(10, lambda: text('now-title') == 'Playing: ' + other, 'the page to show the skip')
        Select(driver.find_element(By.ID, 'mode')).select_by_value('normal')
        poll(10, lambda: driver.find_element(By.ID, 'closed').is_displayed(), 'picks closed in Normal Play')
        buttons = driver.find_elements(By.CSS_SELECTOR, '#tracks button')
        buttons[0].click()
        poll(10, lambda: text('notice') == 'Picks are closed: the jukebox is not in Jukebox mode.',
             'the refusal of a pick in Normal Play')
        shot('phone-host')
        print(f'ok  {step}')

        step = 'the same page on a desktop'
        driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                               {'width': 1280, 'height': 900, 'deviceScaleFactor': 1, 'mobile': False})
        driver.find_element(By.ID, 'album-close').click()
        poll(10, lambda: driver.execute_script(
            "const l = document.querySelectorAll('#wall li'); return l.length > 1 && "
            "l[0].getBoundingClientRect().top === l[5].getBoundingClientRect().top"), 'six covers in a row')
        shot('desktop')
        print(f'ok  {step}')

        step = 'a two-word search, and a queued track that cannot play'
        with open(os.path.join(run.app, 'Music', 'Markup', '02 Broken Track.ogg'), 'wb') as broken:
            broken.write(b'not music')
        Select(driver.find_element(By.ID, 'mode')).select_by_value('jukebox')
        poll(10, lambda: not driver.find_element(By.ID, 'closed').is_displayed(), 'picks open in Jukebox mode')
        search = driver.find_element(By.ID, 'search')
        search.clear()
        search.send_keys('Broken Track', Keys.ENTER)
        found = lambda: [b for b in driver.find_elements(By.CSS_SELECTOR, '#results button')
                         if b.get_attribute('textContent').startswith('02 Broken Track --- ')]
        poll(30, found, 'the track found')
        found()[0].click()
        poll(15, lambda: text('album-title') == SHOWN, 'its album')
        [b for b in driver.find_elements(By.CSS_SELECTOR, '#tracks button')
         if b.get_attribute('textContent') == '02 Broken Track'][0].click()
        poll(15, lambda: text('notice') == 'Could not play "02 Broken Track.ogg"', 'the phone told of the skip')
        print(f'ok  {step}')

        passed = True
        return 0
    except Failure as failure:
        print(f'FAILED at step "{step}": {failure}', file=sys.stderr)
        print('--- last lines of the program log ---', file=sys.stderr)
        with open(run.log_path, 'rb') as log:
            print(log.read().decode('utf-8', 'replace')[-3000:], file=sys.stderr)
        if run.driver:
            run.driver.save_screenshot(os.path.join(run.work, 'failure.png'))
        return 1
    finally:
        run.close(passed)


if __name__ == '__main__':
    sys.exit(main())
