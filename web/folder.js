// The program folder of the page: the site folder's clips and mazes, copied
// into the program's file system before it starts. The site lists its mazes
// in mazes.txt, one file name a line, since a static host lists no folders.

async function fetchBytes(name) {
  try {
    // Revalidated on every visit, so a clip replaced on the site is heard.
    const response = await fetch(encodeURIComponent(name), { cache: 'no-cache' });
    return response.ok ? new Uint8Array(await response.arrayBuffer()) : null;
  } catch {
    return null;
  }
}

// Plain names in the site folder only.
const isPlainName = (name) => name !== '' && !/[\\/]/.test(name) && !name.startsWith('.');

export async function loadFolder(fs, folder, clipNames) {
  fs.mkdirTree(folder);
  const list = await fetchBytes('mazes.txt');
  const mazes = list ? new TextDecoder().decode(list).split(/\r?\n/).map((line) => line.trim()) : [];
  const names = [...clipNames, ...mazes].filter(isPlainName);
  const files = await Promise.all(names.map(fetchBytes));
  names.forEach((name, index) => {
    if (files[index]) fs.writeFile(`${folder}/${name}`, files[index]);
  });
}
