// The page side of the Web Audio sound device: every clip decoded once, each
// slot a pair of channel gains into the output, and each play a new buffer
// source on its slot's path. The program computes the gains (its pan law);
// this module applies them. It keeps a trace of every start for the tests.

const SLOTS = ['current', 'step', 'announcement', 'beep'];
const BEEP_SLOT = 3;
// A running context renders silence on its own thread; after this long with
// nothing playing it is suspended, and the next play resumes it.
const SUSPEND_AFTER_MS = 2000;

export function createAudio({ onEnded, lastKeyDownAt }) {
  let context = null;
  const decoded = new Map();
  const decoding = new Map();
  const clips = new Map();
  let nextClip = 1;
  let paths = [];
  let beepBuffer = null;
  const trace = [];
  let suspendTimer = null;

  function suspendWhenSilent() {
    clearTimeout(suspendTimer);
    if (paths.some((path) => path.source)) return;
    suspendTimer = setTimeout(() => {
      if (!paths.some((path) => path.source)) context.suspend();
    }, SUSPEND_AFTER_MS);
  }

  function makePath() {
    const merger = context.createChannelMerger(2);
    const left = context.createGain();
    const right = context.createGain();
    left.connect(merger, 0, 0);
    right.connect(merger, 0, 1);
    merger.connect(context.destination);
    return { left, right, source: null, clip: 0 };
  }

  function silence(path) {
    if (!path.source) return;
    path.source.onended = null;
    path.source.stop();
    path.source = null;
    path.clip = 0;
    suspendWhenSilent();
  }

  // A new source on the slot's path; whatever played there falls silent.
  function start(slot, buffer, gains, clipId, name, pan) {
    const path = paths[slot];
    silence(path);
    clearTimeout(suspendTimer);
    const resumed = context.state === 'suspended';
    if (resumed) context.resume();
    path.left.gain.value = gains.left;
    path.right.gain.value = gains.right;
    const source = context.createBufferSource();
    source.buffer = buffer;
    if (buffer.numberOfChannels === 1) {
      source.connect(path.left);
      source.connect(path.right);
    } else {
      const splitter = context.createChannelSplitter(2);
      source.connect(splitter);
      splitter.connect(path.left, 0);
      splitter.connect(path.right, 1);
    }
    source.onended = () => {
      if (path.source !== source) return;
      path.source = null;
      path.clip = 0;
      suspendWhenSilent();
      onEnded();
    };
    source.start();
    path.source = source;
    path.clip = clipId;
    const now = performance.now();
    trace.push({ clip: name, slot: SLOTS[slot], pan, at: context.currentTime, now,
      sinceKey: now - lastKeyDownAt(), resumed });
  }

  return {
    // In the Start button's click: browsers start audio only from a gesture.
    unlock() {
      if (!context) context = new AudioContext({ latencyHint: 'interactive' });
      context.resume();
    },
    open() {
      if (!context) return 0;
      paths = SLOTS.map(makePath);
      return 1;
    },
    sampleRate: () => context.sampleRate,
    setBeep(samples) {
      beepBuffer = context.createBuffer(1, samples.length, context.sampleRate);
      beepBuffer.copyToChannel(samples, 0);
    },
    decode(path, bytes) {
      const done = context.decodeAudioData(bytes.buffer)
        .then((buffer) => decoded.set(path, buffer), () => decoded.delete(path))
        .finally(() => decoding.delete(path));
      decoding.set(path, done);
    },
    decodeState: (path) => (decoded.has(path) ? 1 : decoding.has(path) ? 0 : -1),
    decoded: (path) => decoding.get(path) || Promise.resolve(),
    createClip(path, slot) {
      const name = path.slice(path.lastIndexOf('/') + 1).replace(/\.wav$/, '');
      clips.set(nextClip, { buffer: decoded.get(path), slot, name, pan: 0, gains: { left: 1, right: 1 } });
      return nextClip++;
    },
    release(id) {
      this.stop(id);
      clips.delete(id);
    },
    isPlaying(id) {
      const clip = clips.get(id);
      return clip && paths[clip.slot].clip === id ? 1 : 0;
    },
    play(id) {
      const clip = clips.get(id);
      start(clip.slot, clip.buffer, clip.gains, id, clip.name, clip.pan);
    },
    stop(id) {
      const clip = clips.get(id);
      if (clip && paths[clip.slot].clip === id) silence(paths[clip.slot]);
    },
    pan(id, pan, left, right) {
      const clip = clips.get(id);
      clip.pan = pan;
      clip.gains = { left, right };
      const path = paths[clip.slot];
      if (path.clip !== id) return;
      path.left.gain.value = left;
      path.right.gain.value = right;
    },
    beep() {
      if (beepBuffer) start(BEEP_SLOT, beepBuffer, { left: 1, right: 1 }, 0, 'beep', 0);
    },
    close() {
      paths.forEach(silence);
      clearTimeout(suspendTimer);
      context.close();
    },

    // For the tests and the benchmark.
    trace,
    context: () => context,
    latency: () => ({ base: context.baseLatency, output: context.outputLatency,
      rate: context.sampleRate }),
  };
}
