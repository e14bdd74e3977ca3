// Both pages under Orca, in one browser (TARNWICK_BROWSER), as a screen-reader user
// meets them on Orca's default settings: the Start button is read; after
// Start the program's area is read by its name and the arrow keys reach the
// program (Orca does not keep them, and the program plays the step); every
// dialog is read with its text, and a prompt asked again after a bad entry
// still takes the digits typed next.
import assert from 'node:assert/strict';
import { rmSync } from 'node:fs';
import { test } from 'node:test';
import { BROWSER, launch, played, serve, siteWithBrokenMaze, waitForClip } from '../web/browser.mjs';
import { createListener } from './orca.mjs';

const STARTING = 60;  // seconds for a browser to open its window on a busy machine

// The page opened in a browser window, with Orca listening.
async function openPage(url) {
  const orca = createListener();
  const browser = await launch({ screen: true, url });
  const [page] = await browser.browser.pages();
  return { orca, browser, page };
}

const focusedId = (page) => page.evaluate(() => document.activeElement.id);

// Presses a key that is the program's: Orca passes it on and the program
// plays `clip` for it.
async function programHears(orca, page, key, clip) {
  const from = (await played(page)).length;
  orca.key(key);
  await waitForClip(page, clip, from, 10000);
  assert.equal(orca.consumed(key), false, `Orca kept ${key} for itself`);
}

test(`the game's page under Orca in ${BROWSER}`, async () => {
  const folder = siteWithBrokenMaze();
  const site = await serve(folder);
  const { orca, browser, page } = await openPage(`${site.url}tarnwick.html`);
  try {
    await orca.said(/^Start Tarnwick push button/, STARTING);
    orca.key('Return');
    await orca.said(/^Tarnwick embedded/);
    await waitForClip(page, '1');
    await programHears(orca, page, 'Down', '2');
    await programHears(orca, page, 'Up', '1');
    orca.key('Return');
    await orca.said(/Error reading maze file\. Please ensure the mazes in the game's folder/);
    orca.key('Return');
    await orca.said(/Start Tarnwick again push button/);
  } finally {
    await browser.close();
    site.stop();
    rmSync(folder, { recursive: true, force: true });
  }
});

test(`the editor's page under Orca in ${BROWSER}`, async () => {
  const site = await serve(process.env.TARNWICK_SITE);
  const { orca, browser, page } = await openPage(`${site.url}loomsel.html`);
  try {
    await orca.said(/^Start Loomsel push button/, STARTING);
    orca.key('Return');
    await orca.said(/Please enter the number of the maze you would like to edit or create/);
    orca.type('abc');
    orca.key('Return');
    await orca.said(/Please enter the number of the maze you would like to edit or create/);
    assert.equal(await focusedId(page), 'dialog-field', 'the prompt asked again has the focus in its field');
    // Typed as soon as the prompt is heard, a digit that browse mode would
    // take for a heading level goes into the field: Orca is in focus mode.
    orca.type('6');
    orca.key('Return');
    await orca.said(/^Location: 1, 1 - Loomsel embedded/);

    await programHears(orca, page, 's', 'start');
    await programHears(orca, page, 'Right', 'step');
    await programHears(orca, page, 'w', 'win');
    orca.key('Escape');
    await orca.said(/Save changes to maze\?/);
    orca.key('n');
    await orca.said(/Edit another maze\?/);
    orca.key('n');
    await orca.said(/Start Loomsel again push button/);
  } finally {
    await browser.close();
    site.stop();
  }
});
