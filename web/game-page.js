// The game's page: the window, sound and folder glue handed to the program,
// then the program itself (tarnwick.js), which waits for the Start button.
import { loadFolder } from './folder.js';
import { createAudio } from './audio.js';
import { createHost } from './host.js';

const byId = (id) => document.getElementById(id);

const host = createHost({
  area: byId('area'),
  caption: byId('caption'),
  dialog: {
    element: byId('dialog'),
    title: byId('dialog-title'),
    text: byId('dialog-text'),
    fieldRow: byId('dialog-field-row'),
    field: byId('dialog-field'),
    buttons: byId('dialog-buttons'),
  },
  ended: { element: byId('ended'), text: byId('ended-text'), again: byId('again') },
});
const audio = createAudio({ onEnded: host.wakeUp, lastKeyDownAt: host.lastKeyDownAt });

globalThis.Module = {
  webHost: host,
  webAudio: audio,
  webFolder: { load: loadFolder },
  onAbort: () => host.end(1, 'it stopped on an unexpected error.'),
};
// What the tests and the benchmark read.
globalThis.tarnwick = { host, audio };

byId('start').addEventListener('click', () => {
  audio.unlock();
  byId('welcome').hidden = true;
  host.start();
});
byId('again').addEventListener('click', () => location.reload());

const program = document.createElement('script');
program.src = 'tarnwick.js';
document.body.append(program);
