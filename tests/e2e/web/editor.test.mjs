// An author's evening in the browser: a maze made in the editor's page,
// kept in the browser's storage through a failed save, downloaded as the
// desktop's maze file and walked on the game's page; and maze files added,
// downloaded and reset with the page's controls.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { accessibleNodes, focusedIn, launch, played, press, serve, startGame, waitForClip }
  from './browser.mjs';

const FIXTURES = new URL('../../fixtures/', import.meta.url).pathname;
const ARROWS = { Left: 'ArrowLeft', Right: 'ArrowRight', Up: 'ArrowUp', Down: 'ArrowDown', Return: 'Enter' };
const NUMBER_PROMPT = 'Please enter the number of the maze you would like to edit or create';
const KEY_PROMPT = 'Please enter the number of this key, from 1 to 20. Ensure that you also make a door '
  + 'unlockable with a key of this number, unless you want the key to do nothing and be useless when '
  + 'picked up.';
const DOOR_PROMPT = 'Please enter the number of the key which will unlock this door, from 1 to 20. Ensure '
  + 'that you also make a key with the same number, or the door will be unlockable';
const STORAGE_FULL = 'The maze could not be saved to 6.maz: the file cannot be written (the browser\'s '
  + 'storage for this site is full). The maze is still open and nothing of it is lost; press Escape '
  + 'to try again.';

let site;
let chromium;
let downloads;
before(async () => {
  site = await serve(process.env.TARNWICK_SITE);
  chromium = await launch({ browser: 'chromium' });
  downloads = mkdtempSync(join(tmpdir(), 'tarnwick-downloads-'));
});
after(async () => {
  await chromium?.close();
  site?.stop();
  rmSync(downloads, { recursive: true, force: true });
});

// Waits for the program's dialog to show `text`.
const dialogSays = (page, text) => page.waitForFunction((expected) => document.querySelector('dialog[open]')
  && document.getElementById('dialog-text').textContent === expected, { polling: 20 }, text);

async function answer(page, prompt, typed) {
  await dialogSays(page, prompt);
  await page.keyboard.type(typed);
  await press(page, 'Enter');
}

async function pressAndWait(page, key, clip) {
  const from = (await played(page)).length;
  await press(page, key);
  await waitForClip(page, clip, from);
}

// What the page's "Download maze…" control saves for a maze number.
async function download(page, number) {
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  page.once('dialog', (dialog) => dialog.accept(String(number)));
  await page.click('#download-maze');
  const file = join(downloads, `${number}.maz`);
  for (let waited = 0; !readdirSync(downloads).includes(`${number}.maz`); waited += 50) {
    assert.ok(waited < 10000, `${file} downloaded`);
    await new Promise((resolve) => { setTimeout(resolve, 50); });
  }
  return readFileSync(file);
}

const stored = (page, name) => page.evaluate(async (file) => {
  const bytes = await globalThis.tarnwick.folder.read(file);
  return bytes && [...bytes];
}, name);

const leavingIsQuestioned = (page) => page.evaluate(() => {
  const leaving = new Event('beforeunload', { cancelable: true });
  dispatchEvent(leaving);
  return leaving.defaultPrevented;
});

test('a maze made in the editor survives a failed save, then plays in the game', async () => {
  // The game is open in another tab all along.
  const game = (await startGame(chromium.browser, site.url)).page;
  await waitForClip(game, '1');
  const { page, errors } = await startGame(chromium.browser, site.url, 'loomsel.html',
    'dialog[open]');
  await dialogSays(page, NUMBER_PROMPT);
  // The field takes the focus once the browser has reported the new dialog.
  await page.waitForFunction(() => document.activeElement.id === 'dialog-field', { timeout: 2000 });
  const nodes = await accessibleNodes(page);
  const prompt = nodes.find((node) => node.role === 'dialog');
  assert.equal(prompt?.description, NUMBER_PROMPT);
  assert.deepEqual(focusedIn(nodes), { role: 'textbox', name: NUMBER_PROMPT, description: undefined,
    focused: true });
  await answer(page, NUMBER_PROMPT, '6');

  // Start at 1,1, key 1 at 2,1, a wall below it, door 1 at 3,1, goal at 4,1.
  await pressAndWait(page, 'KeyS', 'start');
  await pressAndWait(page, 'ArrowRight', 'step');
  await press(page, 'KeyK');
  await answer(page, KEY_PROMPT, '1');
  await waitForClip(page, 'key', (await played(page)).length - 1);
  await pressAndWait(page, 'ArrowDown', 'step');
  await pressAndWait(page, 'Space', 'wall');
  await pressAndWait(page, 'ArrowUp', 'key');
  await pressAndWait(page, 'ArrowRight', 'step');
  await press(page, 'KeyD');
  await answer(page, DOOR_PROMPT, '1');
  await pressAndWait(page, 'ArrowRight', 'step');
  await pressAndWait(page, 'KeyW', 'win');
  await pressAndWait(page, 'ArrowLeft', 'door');
  // Ctrl+G stands in for Ctrl+W, which the browser keeps.
  await page.keyboard.down('Control');
  await pressAndWait(page, 'KeyG', 'win');
  await page.keyboard.up('Control');
  assert.equal(await page.title(), 'Location: 4, 1 - Loomsel');
  assert.equal(await leavingIsQuestioned(page), true, 'unsaved work: leaving is questioned');

  // The save question outlasts Escape; a full storage keeps the maze open.
  await page.evaluate(() => {
    globalThis.realPut = IDBObjectStore.prototype.put;
    IDBObjectStore.prototype.put = () => { throw new DOMException('full', 'QuotaExceededError'); };
  });
  await press(page, 'Escape');
  await dialogSays(page, 'Save changes to maze?');
  await press(page, 'Escape');
  await press(page, 'Escape');
  await new Promise((resolve) => { setTimeout(resolve, 300); });
  await dialogSays(page, 'Save changes to maze?');
  const question = focusedIn(await accessibleNodes(page));
  assert.deepEqual([question?.role, question?.description], ['dialog', 'Save changes to maze?']);
  await press(page, 'Enter');
  await dialogSays(page, STORAGE_FULL);
  await press(page, 'Enter');
  await pressAndWait(page, 'ArrowLeft', 'door');
  assert.equal(await page.title(), 'Location: 3, 1 - Loomsel');
  assert.equal(await stored(page, '6.maz'), null, 'nothing half kept');

  await page.evaluate(() => { IDBObjectStore.prototype.put = globalThis.realPut; });
  await press(page, 'Escape');
  await dialogSays(page, 'Save changes to maze?');
  await press(page, 'Enter');
  await dialogSays(page, 'Edit another maze?');
  assert.equal(await leavingIsQuestioned(page), false, 'saved: nothing to lose');
  await press(page, 'KeyN');
  await page.waitForSelector('#ended:not([hidden])');

  // The download is the stored file, byte for byte what the desktop editor
  // saves for the same keys, and the desktop's maze library walks it.
  const file = await download(page, 6);
  assert.deepEqual([...file], await stored(page, '6.maz'));
  assert.deepEqual(file, readFileSync(join(FIXTURES, 'web-story.maz')));
  const keys = execFileSync(process.env.TARNWICK_MAZEROUTE, [join(downloads, '6.maz')],
    { encoding: 'utf8' }).trim().split('\n').map((step) => ARROWS[step]);
  assert.deepEqual(errors, []);

  // The game's menu has it when it next opens.
  await game.bringToFront();
  await pressAndWait(game, 'Enter', 'go');
  await pressAndWait(game, 'Escape', 'chooseMaze');
  await waitForClip(game, '1', (await played(game)).length - 1);
  await pressAndWait(game, 'End', 'quit');
  await pressAndWait(game, 'ArrowUp', '6');
  await pressAndWait(game, 'Enter', 'go');
  const from = (await played(game)).length;
  for (const key of keys) await press(game, key);
  await waitForClip(game, 'winMaze', from);
});

test('maze files added, downloaded byte for byte, and reset on the game\'s page', async () => {
  const page = await chromium.browser.newPage();
  await page.goto(`${site.url}tarnwick.html`);
  const number = await page.evaluate(async () => {
    await globalThis.tarnwick.folder.ready;
    return globalThis.tarnwick.folder.nextFreeNumber();
  });
  const chooser = await page.waitForSelector('#maze-chooser');
  await chooser.uploadFile(join(FIXTURES, 'winnable.maz'), join(FIXTURES, 'lf-only.maz'));
  await page.waitForFunction(() => document.getElementById('files-status').textContent !== '');
  assert.equal(await page.$eval('#files-status', (e) => e.textContent),
    `winnable.maz was added as maze ${number}. lf-only.maz was not added: the file ends after 1 row because `
    + 'its lines end in LF alone; a maze file needs CR LF line ends.');
  assert.deepEqual(await download(page, number), readFileSync(join(FIXTURES, 'winnable.maz')));

  await page.focus('#start');
  await press(page, 'Enter');
  await waitForClip(page, '1');
  await pressAndWait(page, 'End', 'quit');
  await pressAndWait(page, 'ArrowUp', String(number));

  page.once('dialog', (dialog) => dialog.accept());
  await page.click('#reset-mazes');
  await page.waitForFunction(() => document.getElementById('files-status').textContent
    === 'The mazes are the sample mazes again.');
  assert.equal(await stored(page, `${number}.maz`), null);
});
