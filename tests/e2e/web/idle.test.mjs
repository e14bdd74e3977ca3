// The menu waiting for a key suspends the program: the page does not spin.
import assert from 'node:assert/strict';
import { setTimeout as sleep } from 'node:timers/promises';
import { test } from 'node:test';
import { launch, rendererCpuSeconds, serve, startGame, waitForClip } from './browser.mjs';

const IDLE_SECONDS = 3;
const MOST_OF_A_CORE = 0.02;

test('the renderer uses under 2% of a core while the menu sits idle', async () => {
  const site = await serve(process.env.TARNWICK_SITE);
  const chromium = await launch({ browser: 'chromium' });
  try {
    const { page } = await startGame(chromium.browser, site.url);
    await waitForClip(page, '1');
    // The announcement of "1" ends, the silent output is suspended, then
    // nothing happens but the timer.
    await sleep(3000);
    const before = rendererCpuSeconds(chromium.browser);
    await sleep(IDLE_SECONDS * 1000);
    const share = (rendererCpuSeconds(chromium.browser) - before) / IDLE_SECONDS;
    console.log(`renderer CPU while idle: ${(share * 100).toFixed(2)}% of a core`);
    assert.ok(share < MOST_OF_A_CORE, `${(share * 100).toFixed(2)}% of a core`);
  } finally {
    await chromium.close();
    site.stop();
  }
});
