// The program folder of every page of the site. Clips come from the site on
// each visit; mazes live in the browser's storage (IndexedDB), seeded with
// the site's sample mazes on the first visit, and each page holds a copy of
// them in its program's file system. A page that stores a maze tells the
// others, which update their copies at once, so a maze saved in the editor
// is in the game's menu when it next opens. A static host lists no folders:
// the site lists its clips in clips.txt and its sample mazes in mazes.txt.

const DATABASE = 'tarnwick-folder';
const MAZES = 'mazes';
// A key that is no file name, stored once the samples are in.
const SEEDED = '.seeded';
const CHANNEL = 'tarnwick-folder';
// Why a maze could not be kept, numbered and worded here only: for the
// page's maze file controls and for the program's durable write, whose
// error takes its text from whyNotSaved.
export const KEPT = 0;
const STORAGE_FULL = 1;
const NO_STORAGE = 2;
const STORAGE_ERROR = 3;

export function whyNotKept(answer) {
  if (answer === STORAGE_FULL) return "the browser's storage for this site is full";
  if (answer === NO_STORAGE) return 'this browser keeps no files for the page, as in a private window';
  return "the browser's storage reported an error";
}

async function fetchBytes(name) {
  try {
    // Revalidated on every visit, so a clip replaced on the site is heard.
    const response = await fetch(encodeURIComponent(name), { cache: 'no-cache' });
    return response.ok ? new Uint8Array(await response.arrayBuffer()) : null;
  } catch {
    return null;
  }
}

// Plain names in the folder only: no paths, nothing hidden.
export const isPlainName = (name) => name !== '' && !/[\\/]/.test(name) && !name.startsWith('.');

async function fetchListed(list) {
  const text = await fetchBytes(list);
  const names = text ? new TextDecoder().decode(text).split(/\r?\n/).map((line) => line.trim()) : [];
  const plain = names.filter(isPlainName);
  const files = await Promise.all(plain.map(fetchBytes));
  return new Map(plain.map((name, index) => [name, files[index]]).filter(([, bytes]) => bytes));
}

const settled = (request) => new Promise((resolve, reject) => {
  request.onsuccess = () => resolve(request.result);
  request.onerror = () => reject(request.error);
});

// A write is done only once it has reached the disk.
function written(transaction) {
  return new Promise((resolve, reject) => {
    transaction.oncomplete = () => resolve();
    transaction.onerror = () => reject(transaction.error);
    transaction.onabort = () => reject(transaction.error);
  });
}

function answerTo(error) {
  return error && error.name === 'QuotaExceededError' ? STORAGE_FULL : STORAGE_ERROR;
}

async function openDatabase() {
  try {
    const request = indexedDB.open(DATABASE, 1);
    request.onupgradeneeded = () => request.result.createObjectStore(MAZES);
    return await settled(request);
  } catch {
    return null;  // no storage for this page, as in some private windows
  }
}

export function createFolder({ host }) {
  let fs = null;
  let folder = '';
  let database = null;
  // Mazes in the page's copy, by name; without storage, the only copy.
  const mirrored = new Set();
  const channel = new BroadcastChannel(CHANNEL);
  const toCheck = [];
  let checking = null;
  let loaded;
  const ready = new Promise((resolve) => { loaded = resolve; });

  const pathOf = (name) => `${folder}/${name}`;

  async function storedMazes() {
    const transaction = database.transaction(MAZES);
    const store = transaction.objectStore(MAZES);
    const [names, files] = await Promise.all([settled(store.getAllKeys()), settled(store.getAll())]);
    return new Map(names.map((name, index) => [name, files[index]]).filter(([name]) => isPlainName(name)));
  }

  async function storeAll(mazes, { clearFirst }) {
    const transaction = database.transaction(MAZES, 'readwrite', { durability: 'strict' });
    const store = transaction.objectStore(MAZES);
    if (clearFirst) store.clear();
    for (const [name, bytes] of mazes) store.put(bytes, name);
    store.put(true, SEEDED);
    await written(transaction);
  }

  // The page's copy becomes what is stored.
  function mirror(mazes) {
    for (const name of mirrored) if (!mazes.has(name)) fs.unlink(pathOf(name));
    mirrored.clear();
    for (const [name, bytes] of mazes) {
      fs.writeFile(pathOf(name), bytes);
      mirrored.add(name);
    }
  }

  async function mirrorOne(name) {
    const bytes = await settled(database.transaction(MAZES).objectStore(MAZES).get(name));
    if (bytes) {
      fs.writeFile(pathOf(name), bytes);
      mirrored.add(name);
    } else if (mirrored.delete(name)) {
      fs.unlink(pathOf(name));
    }
  }

  channel.onmessage = ({ data }) => {
    if (!database || !fs) return;
    (data.name ? mirrorOne(data.name) : storedMazes().then(mirror)).catch(() => {});
  };

  async function keepMaze(name, bytes) {
    const transaction = database.transaction(MAZES, 'readwrite', { durability: 'strict' });
    transaction.objectStore(MAZES).put(bytes, name);
    await written(transaction);
    mirrored.add(name);
    channel.postMessage({ name });
  }

  const readCopy = (name) => (mirrored.has(name) ? fs.readFile(pathOf(name)) : null);

  return {
    // Called by the program, before it starts.
    async load(fileSystem, programFolder) {
      fs = fileSystem;
      folder = programFolder;
      fs.mkdirTree(folder);
      const [clips, mazes] = await Promise.all([fetchListed('clips.txt'), this.storedOrSamples()]);
      for (const [name, bytes] of clips) fs.writeFile(pathOf(name), bytes);
      mirror(mazes);
      this.readyAt = performance.now();
      loaded();
    },

    // The mazes kept in the browser, the site's samples stored first on the
    // first visit; without storage, the samples alone.
    async storedOrSamples() {
      database = await openDatabase();
      try {
        if (database && !(await settled(database.transaction(MAZES).objectStore(MAZES).get(SEEDED)))) {
          await storeAll(await fetchListed('mazes.txt'), { clearFirst: false });
        }
        if (database) return await storedMazes();
      } catch {
        database = null;
      }
      return fetchListed('mazes.txt');
    },

    // Called by the program's durable write once a file has been renamed
    // into place; resolves to KEPT or why it could not be kept. A file the
    // storage refused is put back as stored, so the page's copy never holds
    // more than the storage does.
    async keep(path) {
      const name = path.slice(path.lastIndexOf('/') + 1);
      // Without storage the page's copy is the only one: it keeps the file
      // for this visit, for "Download maze…".
      if (!database) {
        mirrored.add(name);
        return NO_STORAGE;
      }
      try {
        await keepMaze(name, fs.readFile(path));
        return KEPT;
      } catch (error) {
        await mirrorOne(name).catch(() => {});
        return answerTo(error);
      }
    },

    // Why the program's save was not kept: a save refused for want of
    // storage is still in the page's copy (see keep).
    whyNotSaved(answer) {
      const why = whyNotKept(answer);
      return answer === NO_STORAGE
        ? `${why}; Download maze below the editor still gives the file for this visit` : why;
    },

    // The program's side of checking an added file with its maze reader.
    nextFileToCheck() {
      checking = toCheck.shift() || null;
      return checking ? checking.path : null;
    },
    fileChecked(refusal) {
      fs.unlink(checking.path);
      checking.resolve(refusal);
      checking = null;
    },

    // Called by the page's maze file controls, once the folder is ready.
    ready,
    readyAt: 0,
    // Resolves to '' for a maze file, otherwise why it is none.
    check(bytes) {
      if (!host.isRunning()) return Promise.reject(new Error('the program has ended'));
      const path = pathOf('.checking.maz');
      fs.writeFile(path, bytes);
      return new Promise((resolve) => {
        toCheck.push({ path, resolve });
        host.postTask();
      });
    },
    // The lowest number no maze has, so the game's menu reaches it.
    nextFreeNumber() {
      let number = 1;
      while (mirrored.has(`${number}.maz`)) number += 1;
      return number;
    },
    // Resolves to KEPT or why the maze could not be kept.
    async add(name, bytes) {
      if (!database) return NO_STORAGE;
      try {
        await keepMaze(name, bytes);
        fs.writeFile(pathOf(name), bytes);
        return KEPT;
      } catch (error) {
        return answerTo(error);
      }
    },
    // The bytes of a maze as stored, or null.
    async read(name) {
      if (!database) return readCopy(name);
      return (await settled(database.transaction(MAZES).objectStore(MAZES).get(name))) || null;
    },
    // Every maze replaced by the site's samples; resolves to KEPT or why not.
    async reset() {
      const samples = await fetchListed('mazes.txt');
      if (!database) {
        mirror(samples);
        return KEPT;
      }
      try {
        await storeAll(samples, { clearFirst: true });
      } catch (error) {
        return answerTo(error);
      }
      mirror(samples);
      channel.postMessage({});
      return KEPT;
    },
  };
}
