// The Linux desktop programs under Orca: the editor's number prompt, its
// window read by its caption, the start-missing message on Escape and the
// save questions; the game's window title and its maze-file message.
import { spawn } from 'node:child_process';
import { copyFileSync, mkdtempSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { createListener } from './orca.mjs';

const PROGRAMS = process.env.TARNWICK_PROGRAM_DIR;

// A program folder with the programs and clips, and the mazes given.
function programFolder(mazes) {
  const folder = mkdtempSync(join(tmpdir(), 'tarnwick-orca-'));
  for (const name of readdirSync(PROGRAMS)) {
    if (name.endsWith('.wav') || name === 'tarnwick' || name === 'loomsel') {
      copyFileSync(join(PROGRAMS, name), join(folder, name));
    }
  }
  for (const [name, bytes] of Object.entries(mazes)) writeFileSync(join(folder, name), bytes);
  return folder;
}

async function run(program, mazes, steps) {
  const folder = programFolder(mazes);
  const orca = createListener();
  // The program prints each clip it plays, one a line.
  const child = spawn(join(folder, program), [], { env: { ...process.env, TARNWICK_TRACE: '1' },
    stdio: ['ignore', 'pipe', 'ignore'] });
  let heard = '';
  child.stdout.on('data', (chunk) => { heard += chunk; });
  const played = async (clip) => {
    while (!heard.split('\n').includes(clip)) await new Promise((resolve) => { setTimeout(resolve, 100); });
  };
  const ended = new Promise((resolve) => { child.on('exit', resolve); });
  try {
    await steps(orca, { ended, played });
  } finally {
    child.kill();
    await ended;
    rmSync(folder, { recursive: true, force: true });
  }
}

test('the editor under Orca: its prompt, caption, message and questions', () => run('loomsel', {},
  async (orca, { ended }) => {
    await orca.said(/Please enter the number of the maze you would like to edit or create/, 30);
    orca.type('9');
    orca.key('Return');
    await orca.said(/Location: 1, 1 - Loomsel/);
    orca.key('Escape');
    await orca.said(/You did not set a starting position/);
    // The window is read again by its caption once it is active again.
    orca.key('Return');
    await orca.said(/Location: 1, 1 - Loomsel/);
    orca.key('s', 'Right', 'w', 'Escape');
    await orca.said(/Save changes to maze\?/);
    orca.key('n');
    await orca.said(/Edit another maze\?/);
    orca.key('n');
    await ended;
  }));

test('the game under Orca: its window, and the maze-file message', () => run('tarnwick',
  { '1.maz': 'not a maze\r\n' }, async (orca, { played }) => {
    await orca.said(/^Tarnwick\b/, 30);
    await played('1');
    orca.key('Return');
    await orca.said(/Error reading maze file\. Please ensure the mazes in the game's folder/);
  }));
