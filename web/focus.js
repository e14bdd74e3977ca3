// Moving the focus so that Orca announces it. Orca counts a focused
// application region as a document of its own: when the focus crosses between
// it and the rest of the page, Orca only notes the move, says nothing and
// stays in browse mode, keeping the arrow keys for itself. A move on one side
// of that border is announced as usual. So the focus crosses in two steps:
// first to a landing point, then, once the browser has reported that move, on
// to its target.

// Long enough for a screen reader to take in one focus change before the next.
const PAUSE_MS = 400;

const nextFrame = () => new Promise((resolve) => { requestAnimationFrame(resolve); });

// With the focus on `landing`, runs `arrive` (which focuses the target) once
// the browser has drawn the page twice (it reports focus changes to screen
// readers as it draws, Firefox only then) and the pause has passed. A key
// pressed meanwhile arrives first, so that it reaches the target. Once the
// focus leaves the landing, the hand-on is off: left running, it would fire
// the moment the focus came back there, straight after the screen reader
// heard of that, which then says nothing at all.
export function handOn(landing, arrive) {
  let done = false;
  const stop = () => {
    done = true;
    landing.removeEventListener('keydown', finish, true);
    landing.removeEventListener('blur', stop);
  };
  function finish() {
    if (done) return;
    stop();
    if (document.activeElement === landing) arrive();
  }
  landing.addEventListener('keydown', finish, true);
  landing.addEventListener('blur', stop);
  nextFrame().then(nextFrame).then(() => setTimeout(finish, PAUSE_MS));
}
