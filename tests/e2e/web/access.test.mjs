// What a screen reader gets, through the browser's accessibility tree: the
// playing area is an application with its name, and the maze-file failure is
// a dialog that carries its text, answered with Enter.
import assert from 'node:assert/strict';
import { rmSync } from 'node:fs';
import { test } from 'node:test';
import { accessibleNodes, focusedIn, launch, MAZE_FILE_MESSAGE, press, serve, siteWithBrokenMaze, startGame,
  waitForClip } from './browser.mjs';

test('the playing area and the maze-file failure dialog as a screen reader finds them', async () => {
  const folder = siteWithBrokenMaze();
  const site = await serve(folder);
  const chromium = await launch({ browser: 'chromium' });
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
    // The dialog itself has the focus, where a screen reader reads its text.
    const focused = focusedIn(await accessibleNodes(page));
    assert.deepEqual(focused && { role: focused.role, description: focused.description },
      { role: 'dialog', description: MAZE_FILE_MESSAGE });

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
