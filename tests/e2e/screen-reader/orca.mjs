// What Orca speaks, read back from its debug log (ORCA_LOG, given by
// session.sh), and keys pressed on the X server as a player presses them,
// so that Orca sees each key before the program does.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { setTimeout as sleep } from 'node:timers/promises';

const logLines = () => readFileSync(process.env.ORCA_LOG, 'utf8').split('\n');

// Orca's speech since `from` (a log line number): the text of each
// "SPEECH OUTPUT:" line.
function speechSince(from) {
  return logLines().slice(from).map((line) => /SPEECH OUTPUT: '(.*)'(?:\[?\{'|$)/.exec(line)?.[1])
    .filter((text) => text !== undefined);
}

export function createListener() {
  let mark = logLines().length - 1;
  const listener = {
    // Presses each key (xdotool names) in turn; `said` looks from here on.
    key(...keys) {
      mark = logLines().length - 1;
      for (const key of keys) execFileSync('xdotool', ['key', key]);
    },
    type(text) {
      mark = logLines().length - 1;
      execFileSync('xdotool', ['type', '--delay', '60', text]);
    },
    // Waits until Orca has spoken a line that matches, since the last key.
    async said(pattern, seconds = 5) {
      for (let waited = 0; ; waited += 0.1) {
        const spoken = speechSince(mark);
        if (spoken.some((text) => pattern.test(text))) return spoken;
        if (waited >= seconds) assert.fail(`Orca did not say ${pattern}; it said:\n  ${spoken.join('\n  ')}`);
        await sleep(100);
      }
    },
    // Whether Orca kept the last press of the key for itself.
    consumed(key) {
      const lines = logLines().slice(mark);
      const pressed = lines.findIndex((line) => line.includes(`PROCESS ATSPI_KEY_PRESSED_EVENT: '${key}'`));
      assert.ok(pressed >= 0, `Orca saw no press of ${key}`);
      // CONSUMED follows CONSUME when Orca changed its mind.
      const verdicts = lines.slice(pressed, pressed + 8).map((line) => /CONSUMED?: +(\w+)/.exec(line)?.[1]);
      return verdicts.filter(Boolean).pop() === 'True';
    },
    spoken: () => speechSince(mark),
  };
  return listener;
}
