// The glue of both programs' pages: the window, sound and folder handed to
// the program (tarnwick.js or loomsel.js, named by the page's body), the
// maze file controls, then the program itself, which waits for Start.
import { createAudio } from './audio.js';
import { createFolder } from './folder.js';
import { createHost } from './host.js';
import { createMazeFileControls } from './files.js';
import { handOn } from './focus.js';

const byId = (id) => document.getElementById(id);

// What each program takes from the browser beyond its plain keys. The editor
// acts on its letters with Ctrl held too; Ctrl+W closes the tab in a normal
// window, so Ctrl+G also jumps to the goal.
const PROGRAMS = {
  tarnwick: { name: 'Tarnwick', ctrlLetters: '', ctrlAliases: {} },
  loomsel: { name: 'Loomsel', ctrlLetters: 'CDFIKSW', ctrlAliases: { KeyG: 'KeyW' } },
};
const program = document.body.dataset.program;
const { name: programName, ctrlLetters, ctrlAliases } = PROGRAMS[program];

const host = createHost({
  programName,
  ctrlLetters,
  ctrlAliases,
  area: byId('area'),
  caption: byId('caption'),
  dialog: byId('dialog'),
  ended: { element: byId('ended'), text: byId('ended-text'), again: byId('again') },
});
const audio = createAudio({ onEnded: host.wakeUp, lastKeyDownAt: host.lastKeyDownAt });
const folder = createFolder({ host });
createMazeFileControls({
  folder,
  add: byId('add-mazes'),
  chooser: byId('maze-chooser'),
  download: byId('download-maze'),
  reset: byId('reset-mazes'),
  status: byId('files-status'),
});

globalThis.Module = {
  webHost: host,
  webAudio: audio,
  webFolder: folder,
  onAbort: () => host.end(1, 'it stopped on an unexpected error.'),
};
// What the tests and the benchmark read.
globalThis.tarnwick = { host, audio, folder };

// Focus given to the program's area goes to its instructions first (see
// focus.js), so that Orca announces the area and hands it every key. The
// instructions, however they got the focus (closing a dialog gives it back),
// hand it on to the area.
const area = byId('area');
const areaEntry = byId('area-entry');
let handedOn = false;
area.addEventListener('focus', () => {
  if (!handedOn) areaEntry.focus();
});
areaEntry.addEventListener('focus', () => handOn(areaEntry, () => {
  handedOn = true;
  area.focus();
  handedOn = false;
}));

// The welcome goes once the program has taken the focus: removed at once,
// the focused Start button takes Orca's announcement of the program's first
// focus with it (Firefox reports both together).
const WELCOME_STAYS_MS = 1000;
byId('start').addEventListener('click', () => {
  audio.unlock();
  host.start();
  setTimeout(() => { byId('welcome').hidden = true; }, WELCOME_STAYS_MS);
});
byId('again').addEventListener('click', () => location.reload());
// Fullscreen lets a page hold the keys the browser keeps, Ctrl+W among them,
// where the browser offers keyboard lock.
byId('fullscreen')?.addEventListener('click', async () => {
  try {
    await document.documentElement.requestFullscreen();
    await navigator.keyboard?.lock?.();
  } catch {
    // Without either, Ctrl+G still jumps to the goal.
  }
  if (!area.hidden) area.focus();
});

const script = document.createElement('script');
script.src = `${program}.js`;
document.body.append(script);
