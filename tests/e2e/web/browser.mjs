// Serving a site folder with Python's static server and opening its page in
// a browser. Shared by the browser tests, the screen-reader tests and the web
// bench.
import { spawn } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, rmSync, symlinkSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';

export const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';

export const MAZE_FILE_MESSAGE = "Error reading maze file. Please ensure the mazes in the game's folder "
  + 'are in numerical order.';

// A copy of the built site (of links) whose maze 1 is no maze file; the
// caller removes it.
export function siteWithBrokenMaze() {
  const folder = mkdtempSync(join(tmpdir(), 'tarnwick-site-'));
  for (const name of readdirSync(process.env.TARNWICK_SITE)) {
    if (name !== '1.maz') symlinkSync(join(process.env.TARNWICK_SITE, name), join(folder, name));
  }
  writeFileSync(join(folder, '1.maz'), 'not a maze\r\n');
  return folder;
}

// Starts python3 -m http.server on a free port; resolves to { url, stop }.
export function serve(folder) {
  const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1',
    '--directory', folder], { stdio: ['ignore', 'pipe', 'ignore'] });
  return new Promise((resolve, reject) => {
    let seen = '';
    server.stdout.on('data', (chunk) => {
      seen += chunk;
      const port = /port (\d+)/.exec(seen);
      if (port) resolve({ url: `http://127.0.0.1:${port[1]}/`, stop: () => server.kill() });
    });
    server.on('exit', () => reject(new Error(`the static server ended: ${seen}`)));
  });
}

// The browsers the pages are tested in: Debian's chromium, and Debian's
// firefox-esr, driven over WebDriver BiDi. TARNWICK_BROWSER picks one.
export const BROWSER = process.env.TARNWICK_BROWSER || 'chromium';
const FIREFOX = process.env.FIREFOX || '/usr/bin/firefox-esr';

// A fresh profile each time; the flags keep the browser off the network.
// With `screen` the browser opens a window on the display with `url` (the
// page a user opened, focused as when typed), its accessibility on for a
// screen reader; otherwise it is headless.
export async function launch({ browser: name = BROWSER, screen = false, url } = {}) {
  const pages = url ? [url] : [];
  if (name === 'firefox') {
    const browser = await puppeteer.launch({ browser: 'firefox', executablePath: FIREFOX,
      headless: !screen, defaultViewport: null, args: pages });
    return { browser, close: () => browser.close() };
  }
  const profile = mkdtempSync(join(tmpdir(), 'tarnwick-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM,
    headless: !screen,
    defaultViewport: null,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      `--user-data-dir=${profile}`,
      ...(screen ? ['--force-renderer-accessibility', '--window-position=0,0', '--window-size=1024,768']
        : ['--headless']),
      ...pages],
  });
  return {
    browser,
    async close() {
      await browser.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// A program's page (the game's unless named), started with Enter on its
// Start button; resolves once `ready` (a selector) holds.
export async function startGame(browser, url, file = 'tarnwick.html', ready = '#area:focus') {
  const page = await browser.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(`${url}${file}`);
  await page.bringToFront();
  await page.waitForSelector('#start:focus');
  await page.keyboard.press('Enter');
  await page.waitForSelector(ready);
  return { page, errors };
}

// What a screen reader gets: the browser's accessibility tree.
export async function accessibleNodes(page) {
  const cdp = await page.createCDPSession();
  const { nodes } = await cdp.send('Accessibility.getFullAXTree');
  return nodes.filter((node) => !node.ignored).map((node) => ({
    role: node.role?.value, name: node.name?.value, description: node.description?.value,
    focused: node.properties?.some((p) => p.name === 'focused' && p.value.value) ?? false,
  }));
}

// The element with the keyboard focus (the document itself also counts as
// focused).
export const focusedIn = (nodes) => nodes.filter((node) => node.focused && node.role !== 'RootWebArea').pop();

// The clips started so far, in order.
export const played = (page) => page.evaluate(() => globalThis.tarnwick.audio.trace.map((t) => ({ ...t })));

// Waits until the trace holds an entry that matches, after `from` entries.
export async function waitForClip(page, clip, from = 0, timeout = 20000) {
  await page.waitForFunction((name, start) => globalThis.tarnwick.audio.trace.slice(start)
    .some((t) => t.clip === name), { timeout, polling: 20 }, clip, from);
  const trace = await played(page);
  return trace.findIndex((t, index) => index >= from && t.clip === clip);
}

// One key press as a player makes it: down, then up.
export async function press(page, key) {
  await page.keyboard.down(key);
  await page.keyboard.up(key);
}

// Processor seconds used so far by the browser's renderer processes (the
// page's main thread and its audio rendering), from /proc.
export function rendererCpuSeconds(browser) {
  const root = browser.process().pid;
  const parents = new Map();
  for (const entry of readdirSync('/proc')) {
    if (!/^\d+$/.test(entry)) continue;
    try {
      const stat = readFileSync(`/proc/${entry}/stat`, 'utf8');
      // Fields after the command name, which may hold spaces.
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      parents.set(Number(entry), { ppid: Number(fields[1]), ticks: Number(fields[11]) + Number(fields[12]) });
    } catch {
      // The process ended meanwhile.
    }
  }
  const descends = (pid) => {
    for (let p = pid; p > 1 && parents.has(p); p = parents.get(p).ppid) if (p === root) return true;
    return false;
  };
  let ticks = 0;
  for (const [pid, { ticks: used }] of parents) {
    if (!descends(pid)) continue;
    try {
      if (readFileSync(`/proc/${pid}/cmdline`, 'utf8').includes('--type=renderer')) ticks += used;
    } catch {
      // The process ended meanwhile.
    }
  }
  return ticks / CLOCK_TICKS_PER_SECOND;
}
const CLOCK_TICKS_PER_SECOND = 100;
