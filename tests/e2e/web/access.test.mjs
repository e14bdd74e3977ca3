// What a screen reader gets, through the browser's accessibility tree: the
// playing area is an application with its name, and the maze-file failure is
// a dialog that carries its text, answered with Enter.
import assert from 'node:assert/strict';
import { mkdtempSync, readdirSync, rmSync, symlinkSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { accessibleNodes, focusedIn, launch, press, serve, startGame, waitForClip } from './browser.mjs';

const MAZE_FILE_MESSAGE = "Error reading maze file. Please ensure the mazes in the game's folder "
  + 'are in numerical order.';

// The built site, but with a maze 1 that is no maze file.
function siteWithBrokenMaze() {
  const folder = mkdtempSync(join(tmpdir(), 'tarnwick-site-'));
  for (const name of readdirSync(process.env.TARNWICK_SITE)) {
    if (name !== '1.maz') symlinkSync(join(process.env.TARNWICK_SITE, name), join(folder, name));
  }
  writeFileSync(join(folder, '1.maz'), 'not a maze\r\n');
  return folder;
}

test('the playing area and the maze-file failure dialog as a screen reader finds them', async () => {
  const folder = siteWithBrokenMaze();
  const site = await serve(folder);
  const chromium = await launch();
  try {
    const { page } = await startGame(chromium.browser, site.url);
    const area = (await accessibleNodes(page)).find((node) => node.role === 'application');
    assert.deepEqual(area && { name: area.name, focused: area.focused },
      { name: 'Tarnwick', focused: true });

    await waitForClip(page, '1');
    await press(page, 'Enter');
    await page.waitForSelector('dialog[open]');
    const dialog = (await accessibleNodes(page)).find((node) => node.role === 'dialog');
    assert.ok(dialog, 'a dialog in the tree');
    assert.equal(dialog.description ?? dialog.name, MAZE_FILE_MESSAGE);
    const focused = focusedIn(await accessibleNodes(page));
    assert.deepEqual(focused && { role: focused.role, name: focused.name },
      { role: 'button', name: 'OK' });

    await press(page, 'Enter');
    await page.waitForSelector('#ended:not([hidden])');
    const ended = await page.$eval('#ended-text', (element) => element.textContent);
    assert.equal(ended, `Tarnwick has ended: ${MAZE_FILE_MESSAGE}`);
    const again = focusedIn(await accessibleNodes(page));
    assert.equal(again?.name, 'Start Tarnwick again');
  } finally {
    await chromium.close();
    site.stop();
    rmSync(folder, { recursive: true, force: true });
  }
});
