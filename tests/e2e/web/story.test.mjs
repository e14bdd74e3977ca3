// A player's evening in the browser, as heard through the Web Audio trace:
// the menu, maze 1 walked to its goal with both readouts, maze 3 with its
// key and door, and the quit entry. Run in each browser (TARNWICK_BROWSER).
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { launch, played, press, serve, startGame, waitForClip } from './browser.mjs';

const SITE = process.env.TARNWICK_SITE;
const MAZEROUTE = process.env.TARNWICK_MAZEROUTE;
const ARROWS = { Left: 'ArrowLeft', Right: 'ArrowRight', Up: 'ArrowUp', Down: 'ArrowDown',
  Return: 'Enter' };

// The route the maze library finds through a site maze, as page keys.
const route = (maze) => execFileSync(MAZEROUTE, [join(SITE, maze)], { encoding: 'utf8' })
  .trim().split('\n').map((step) => ARROWS[step]);

let site;
let browser;
before(async () => {
  site = await serve(SITE);
  browser = await launch();
});
after(async () => {
  await browser?.close();
  site?.stop();
});

// Presses a key and returns the next `count` clips started after it.
async function pressAndHear(page, key, count = 1) {
  const from = (await played(page)).length;
  await press(page, key);
  await page.waitForFunction((n) => globalThis.tarnwick.audio.trace.length >= n,
    { timeout: 20000, polling: 20 }, from + count);
  return (await played(page)).slice(from, from + count);
}

const clips = (entries) => entries.map((entry) => entry.clip);

// Walks a route; each arrow that moves is heard as a step panned by the
// column, so the steps' pans trace the path.
async function walk(page, keys) {
  const from = (await played(page)).length;
  for (const key of keys) await press(page, key);
  await waitForClip(page, 'winMaze', from);
  return (await played(page)).slice(from);
}

test('the menu, two mazes walked to their goals, the readouts, a key, a door and quitting', async () => {
  const { page, errors } = await startGame(browser.browser, site.url);
  // The playing area takes focus before the intro's first sound starts.
  await waitForClip(page, 'mazeIntro');
  const opening = await played(page);
  assert.deepEqual(clips(opening).slice(0, 1), ['mazeIntro'], 'the intro comes first');
  await waitForClip(page, '1');
  assert.deepEqual(clips(await played(page)), ['mazeIntro', 'chooseMaze', '1'],
    'the intro to its end, the menu\'s opening clip, then the first entry');

  // The menu: the five sample mazes, then the quit entry.
  assert.deepEqual(clips(await pressAndHear(page, 'ArrowDown')), ['2']);
  assert.deepEqual(clips(await pressAndHear(page, 'ArrowUp')), ['1']);
  assert.deepEqual(clips(await pressAndHear(page, 'End')), ['quit']);
  assert.deepEqual(clips(await pressAndHear(page, 'Home')), ['1']);

  // Maze 1 starts at 46,50; its goal lies at 54,50.
  assert.deepEqual(clips(await pressAndHear(page, 'Enter')), ['go']);
  const position = await pressAndHear(page, ' ', 3);
  assert.deepEqual(clips(position), ['40', '6', '50']);
  assert.ok(position.every((entry) => entry.slot === 'announcement'));
  assert.deepEqual(clips(await pressAndHear(page, 'KeyW', 3)), ['50', '4', '50']);
  // A held arrow repeats its key-down without key-ups: still one step.
  const keys1 = route('1.maz');
  const held = (await played(page)).length;
  for (let i = 0; i < 3; ++i) await page.keyboard.down(keys1[0]);
  await page.keyboard.up(keys1[0]);
  await waitForClip(page, 'step', held);
  await press(page, 'KeyW');
  await waitForClip(page, '50', (await played(page)).length);
  assert.deepEqual(clips((await played(page)).slice(held)).slice(0, 2), ['step', '50'],
    'one step for the held key, then the next clip is the readout');
  const maze1 = [...(await played(page)).slice(held, held + 1),
    ...await walk(page, keys1.slice(1))];
  const steps = maze1.filter((entry) => entry.clip === 'step');
  assert.deepEqual(steps.map((step) => step.pan), [-60, -40, -20, 0, 20, 40, 60, 80],
    'one step a cell, panned (x - 50) * 20');
  assert.ok(steps.every((step) => step.slot === 'step'));
  await waitForClip(page, '1', (await played(page)).length - 1);
  const win = await played(page);
  const winAt = win.findIndex((entry) => entry.clip === 'winMaze');
  assert.deepEqual(clips(win.slice(winAt)), ['winMaze', 'chooseMaze', '1'],
    'winning plays to its end, then the menu opens again');

  // Maze 3: a key on the way, a locked door, then the door opened with it.
  await pressAndHear(page, 'ArrowDown');
  await pressAndHear(page, 'ArrowDown');
  await pressAndHear(page, 'Enter');
  // Bumping into the door first, as a player finds it.
  const keys = route('3.maz');
  const open = keys.indexOf('Enter');
  keys.splice(open, 0, keys[open - 1]);
  const maze3 = clips(await walk(page, keys));
  const order = ['key', 'door', 'open door', 'winMaze'].map((clip) => maze3.indexOf(clip));
  assert.ok(order.every((at, i) => at >= 0 && (i === 0 || at > order[i - 1])),
    `key, door, open door and winMaze in that order: ${maze3.join(', ')}`);

  // Start times only grow: every clip was started on the one audio clock.
  const times = (await played(page)).map((entry) => entry.at);
  assert.deepEqual(times, [...times].sort((a, b) => a - b));

  // The quit entry ends the game, and the page says so.
  await waitForClip(page, '1', (await played(page)).length - 1);
  await pressAndHear(page, 'End');
  await press(page, 'Enter');
  await page.waitForSelector('#ended:not([hidden])');
  assert.equal(await page.$eval('#ended-text', (e) => e.textContent), 'Tarnwick has ended.');
  assert.equal(await page.title(), 'Tarnwick');
  assert.deepEqual(errors, []);
});
