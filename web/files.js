// The page's maze file controls, outside the program's area: adding maze
// files from the computer, downloading one, and going back to the sample
// mazes. Each says what it did in a status line that a screen reader reads.
import { KEPT, whyNotKept } from './folder.js';

// Far beyond any maze file (about 10 KB); nothing larger is read.
const LARGEST_MAZE_FILE = 1 << 20;

export function createMazeFileControls({ folder, add, chooser, download, reset, status }) {
  // Emptied first, so that the same report twice is read out twice.
  function report(text) {
    status.textContent = '';
    setTimeout(() => { status.textContent = text; }, 50);
  }

  async function addOne(file) {
    if (file.size > LARGEST_MAZE_FILE) return `${file.name} was not added: it is too large to be a maze file.`;
    const bytes = new Uint8Array(await file.arrayBuffer());
    let refusal;
    try {
      refusal = await folder.check(bytes);
    } catch {
      return `${file.name} was not added: the program has ended; start it again first.`;
    }
    if (refusal) return `${file.name} was not added: ${refusal}.`;
    const number = folder.nextFreeNumber();
    const answer = await folder.add(`${number}.maz`, bytes);
    return answer === KEPT ? `${file.name} was added as maze ${number}.`
      : `${file.name} was not added: ${whyNotKept(answer)}.`;
  }

  add.addEventListener('click', () => chooser.click());
  chooser.addEventListener('change', async () => {
    const files = [...chooser.files];
    chooser.value = '';
    await folder.ready;
    const lines = [];
    // One at a time, so that each takes the next free number.
    for (const file of files) lines.push(await addOne(file));
    report(lines.join(' '));
  });

  download.addEventListener('click', async () => {
    const typed = prompt('Number of the maze to download:');
    if (typed === null) return;
    const number = Number(typed.trim());
    if (!Number.isInteger(number) || number < 1) {
      report(`"${typed}" is not a maze number.`);
      return;
    }
    await folder.ready;
    const bytes = await folder.read(`${number}.maz`);
    if (!bytes) {
      report(`There is no maze ${number}.`);
      return;
    }
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    link.download = `${number}.maz`;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
    report(`Maze ${number} is being downloaded as ${number}.maz.`);
  });

  reset.addEventListener('click', async () => {
    if (!confirm('Replace every maze in this browser with the sample mazes? '
      + 'Mazes made here are lost unless you have downloaded them.')) return;
    await folder.ready;
    const answer = await folder.reset();
    report(answer === KEPT ? 'The mazes are the sample mazes again.'
      : `The mazes were not reset: ${whyNotKept(answer)}.`);
  });
}
