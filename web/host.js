// The page side of the program's window: keys, the timer and dialog answers
// become queued events, which the program takes when it yields. Listeners
// only queue; they never call into the program.
import { createDialogs } from './dialog.js';

// The kinds of queued events, numbered once for the page and the program:
// the build makes events.js from its one list.
import { KEY_DOWN, KEY_UP, PAGE_TASK, TICK, WAKE_UP } from './events.js';

// Physical key codes, so that letters work on every keyboard layout.
const NAMED_KEYS = {
  Enter: 13, NumpadEnter: 13, Escape: 27, Space: 32, End: 35, Home: 36,
  ArrowLeft: 37, ArrowUp: 38, ArrowRight: 39, ArrowDown: 40, Delete: 46,
};

export function virtualKey(code) {
  if (code in NAMED_KEYS) return NAMED_KEYS[code];
  const match = /^(?:Key([A-Z])|Digit([0-9]))$/.exec(code);
  return match ? (match[1] || match[2]).charCodeAt(0) : 0;
}

function shiftState(event) {
  return (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0);
}

// `ctrlLetters`: the letters the program acts on with Ctrl held, taken from
// the browser (Ctrl+S is the editor's, not "save page"). `ctrlAliases`: keys
// that stand in, with Ctrl, for one the browser keeps for itself.
export function createHost({ programName, area, caption, dialog, ended, ctrlLetters = '',
  ctrlAliases = {} }) {
  const queue = [];
  let wake = null;
  let tickQueued = false;
  let timer = null;
  let running = true;
  let lastMessage = '';
  let lastKeyDownAt = 0;
  let startedAt = 0;
  let started = false;
  let unsaved = false;
  // Keys pressed while the game had the focus: only their repeats and
  // key-ups are the game's (not those of the key that pressed Start).
  const held = new Set();

  function post(event) {
    if (!running) return;
    // A late tick is not worth two: the desktop timer does not pile up either.
    if (event.type === TICK) {
      if (tickQueued) return;
      tickQueued = true;
    }
    queue.push(event);
    if (wake) {
      const resume = wake;
      wake = null;
      resume();
    }
  }

  function isProgramKey(event, code) {
    if (code === 0 || event.altKey || event.metaKey) return false;
    return !event.ctrlKey || ctrlLetters.includes(String.fromCharCode(code));
  }

  area.addEventListener('keydown', (event) => {
    const alias = event.ctrlKey ? ctrlAliases[event.code] : undefined;
    const code = alias ? virtualKey(alias) : virtualKey(event.code);
    const mine = !event.repeat || held.has(event.code);
    // The browser's own action (scrolling, find as you type, Ctrl+S) for
    // every key the program knows; Tab still leaves the playing area.
    if (alias || isProgramKey(event, code)) event.preventDefault();
    if (!mine) return;
    held.add(event.code);
    post({ type: KEY_DOWN, code, shift: shiftState(event), at: event.timeStamp });
  });
  area.addEventListener('keyup', (event) => {
    if (!held.delete(event.code)) return;
    post({ type: KEY_UP, code: virtualKey(event.code), shift: shiftState(event) });
  });
  // Keys still down when the focus leaves would never see their key-up here.
  area.addEventListener('blur', () => held.clear());
  const dialogs = createDialogs({ template: dialog, area, isRunning: () => running,
    onAnswer: () => post({ type: WAKE_UP }) });
  // The browser's own question before a page with unsaved work is left.
  addEventListener('beforeunload', (event) => {
    if (!unsaved) return;
    event.preventDefault();
    event.returnValue = '';
  });

  return {
    // Called by the program.
    setCaption(text) {
      document.title = text;
      caption.textContent = text;
    },
    showWindow() {
      area.hidden = false;
      area.focus();
    },
    startTimer(intervalMs) {
      clearInterval(timer);
      timer = setInterval(() => post({ type: TICK }), intervalMs);
    },
    pending: () => queue.length,
    take() {
      const event = queue.shift();
      if (!event) return null;
      if (event.type === TICK) tickQueued = false;
      if (event.type === KEY_DOWN) lastKeyDownAt = event.at;
      return event;
    },
    nextEvent() {
      if (queue.length > 0) return Promise.resolve();
      return new Promise((resolve) => { wake = resolve; });
    },
    isStarted: () => started,
    setUnsaved(value) { unsaved = value; },
    openDialog(text, title, buttons, escapeAnswer, withField) {
      lastMessage = text;
      dialogs.open(text, title, buttons, escapeAnswer, withField);
    },
    dialogAnswer: () => dialogs.answer(),
    dialogField: () => dialogs.field(),
    end(status, why) {
      running = false;
      clearInterval(timer);
      queue.length = 0;
      dialogs.dismiss();
      area.hidden = true;
      // The reason stays readable on the page once its dialog has gone.
      const reason = why || (status !== 0 && lastMessage) || '';
      unsaved = false;
      ended.text.textContent = reason ? `${programName} has ended: ${reason}` : `${programName} has ended.`;
      ended.element.hidden = false;
      ended.again.focus();
    },

    // Called by the page.
    start() {
      startedAt = performance.now();
      started = true;
      post({ type: WAKE_UP });
    },
    // Work of the page's that the program does between its events.
    postTask: () => post({ type: PAGE_TASK }),
    isRunning: () => running,
    // A sound has ended: a waiting program looks again.
    wakeUp: () => post({ type: WAKE_UP }),
    lastKeyDownAt: () => lastKeyDownAt,
    startedAt: () => startedAt,
  };
}
