// Figures of the web site in headless chromium: key event to the buffer
// source's start, the output's reported latencies, idle processor use, the
// download size, the time from Start to the intro's first sample, when the
// program folder is ready, and how long keeping a saved maze in the
// browser's storage takes. A measurement, not a test.
import { readdirSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { setTimeout as sleep } from 'node:timers/promises';
import { launch, played, press, rendererCpuSeconds, serve, startGame, waitForClip }
  from '../../tests/e2e/web/browser.mjs';

const SITE = process.env.TARNWICK_SITE;
const STEPS = Number(process.env.TARNWICK_BENCH_STEPS || 200);

const quantile = (sorted, q) => sorted[Math.min(sorted.length - 1, Math.floor(q * sorted.length))];
const ms = (value) => `${value.toFixed(2)} ms`;

function siteSize() {
  const sizes = { program: 0, glue: 0, clips: 0, mazes: 0 };
  for (const name of readdirSync(SITE)) {
    const bytes = statSync(join(SITE, name)).size;
    if (/^(tarnwick|loomsel)\.(js|wasm)$/.test(name)) sizes.program += bytes;
    else if (/\.(js|html|css)$/.test(name)) sizes.glue += bytes;
    else if (name.endsWith('.wav')) sizes.clips += bytes;
    else sizes.mazes += bytes;
  }
  return sizes;
}

const site = await serve(SITE);
const chromium = await launch();
try {
  const { page } = await startGame(chromium.browser, site.url);
  const intro = await waitForClip(page, 'mazeIntro');
  const startedAt = await page.evaluate(() => globalThis.tarnwick.host.startedAt());
  const latency = await page.evaluate(() => globalThis.tarnwick.audio.latency());
  const introCall = (await played(page))[intro].now - startedAt;
  // From the navigation's start: the clips fetched, the mazes read from storage.
  const folderReady = await page.evaluate(async () => {
    await globalThis.tarnwick.folder.ready;
    return globalThis.tarnwick.folder.readyAt;
  });
  // A maze file as the editor's save hands it over, kept again and again.
  const keeps = await page.evaluate(async (count) => {
    const maze = FS.readFile('/program/1.maz');
    const times = [];
    for (let i = 0; i < count; ++i) {
      FS.writeFile('/program/1.maz', maze);
      const t = performance.now();
      if (await globalThis.tarnwick.folder.keep('/program/1.maz') !== 0) throw new Error('not kept');
      times.push(performance.now() - t);
    }
    return times.sort((a, b) => a - b);
  }, 20);

  await waitForClip(page, '1');
  await sleep(3000);
  const before = rendererCpuSeconds(chromium.browser);
  await sleep(3000);
  const idle = (rendererCpuSeconds(chromium.browser) - before) / 3;

  // Maze 1 is a corridor from column 46: step right and back again.
  await press(page, 'Enter');
  await waitForClip(page, 'go');
  await sleep(1000);
  const from = (await played(page)).length;
  for (let i = 0; i < STEPS; ++i) {
    await press(page, i % 2 === 0 ? 'ArrowRight' : 'ArrowLeft');
    await sleep(40);
  }
  const steps = (await played(page)).slice(from).filter((entry) => entry.clip === 'step');
  const warm = steps.filter((entry) => !entry.resumed).map((entry) => entry.sinceKey).sort((a, b) => a - b);
  // After two seconds of silence the output is suspended: the next step resumes it.
  await sleep(3000);
  const resumeFrom = (await played(page)).length;
  await press(page, 'ArrowRight');
  await waitForClip(page, 'step', resumeFrom);
  const resumed = (await played(page))[resumeFrom];
  const resumeMs = await page.evaluate(async () => {
    const context = globalThis.tarnwick.audio.context();
    await context.suspend();
    const t = performance.now();
    await context.resume();
    return performance.now() - t;
  });

  const sizes = siteSize();
  const total = Object.values(sizes).reduce((a, b) => a + b, 0);
  console.log(`key event to buffer source start (${warm.length} steps): median ${ms(quantile(warm, 0.5))},`
    + ` p95 ${ms(quantile(warm, 0.95))} (target p95 under 2 ms)`);
  console.log(`  first step after the output was suspended: ${ms(resumed.sinceKey)} to start;`
    + ` resuming the output took ${ms(resumeMs)}`);
  console.log(`AudioContext latency: base ${ms(latency.base * 1000)}, output ${ms(latency.output * 1000)}`
    + ` at ${latency.rate} Hz`);
  console.log(`renderer CPU with the menu idle: ${(idle * 100).toFixed(2)}% of a core (target under 2%)`);
  console.log(`site download: ${(total / 1024).toFixed(0)} KiB (program ${(sizes.program / 1024).toFixed(0)},`
    + ` glue ${(sizes.glue / 1024).toFixed(0)}, clips ${(sizes.clips / 1024).toFixed(0)},`
    + ` mazes ${(sizes.mazes / 1024).toFixed(0)}); not compressed`);
  console.log(`program folder ready ${ms(folderReady)} after the page's navigation started`);
  console.log(`keeping a saved maze in the browser's storage (${keeps.length} saves): median`
    + ` ${ms(quantile(keeps, 0.5))}, p95 ${ms(quantile(keeps, 0.95))}`);
  console.log(`Start to the intro's start call: ${ms(introCall)}; to its first sample at the output`
    + ` (adding base and output latency): ${ms(introCall + (latency.base + latency.output) * 1000)}`);
} finally {
  await chromium.close();
  site.stop();
}
