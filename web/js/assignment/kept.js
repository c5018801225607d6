// The student's work on assignments, kept in the browser (IndexedDB) as the engine hands out
// its lines: one transaction for the lines of each answer, so that a reload, a closed tab or
// a crash of the browser loses at most the action being kept. A session is marked open while
// its lesson window is; one left open (a reload, a crash) is offered back at the next start.

const DB = 'trevisk-kept';

function request(r) {
  return new Promise((resolve, reject) => {
    r.onsuccess = () => resolve(r.result);
    r.onerror = () => reject(r.error);
  });
}

function done(transaction) {
  return new Promise((resolve, reject) => {
    transaction.oncomplete = () => resolve();
    transaction.onerror = () => reject(transaction.error);
    transaction.onabort = () => reject(transaction.error);
  });
}

export class KeptWork {
  constructor() {
    this.db = null;
    this.failed = false;
    this.queue = Promise.resolve(); // writes in the order the actions were done
    this.digests = new Map(); // form → the digest of the assignment its window works on
  }

  async open() {
    if (this.db || this.failed) return this.db;
    try {
      const opening = indexedDB.open(DB, 1);
      opening.onupgradeneeded = () => {
        const db = opening.result;
        db.createObjectStore('sessions', { keyPath: 'digest' });
        db.createObjectStore('lines', { autoIncrement: true }).createIndex('digest', 'digest');
      };
      this.db = await request(opening);
    } catch (error) {
      console.warn('kept work:', error);
      this.failed = true;
    }
    return this.db;
  }

  // A window of `form` begins working on an assignment: its kept work is `lines` from now on
  // (what was kept before is replaced: the lines given hold all of it).
  start(form, session, lines) {
    this.digests.set(form, session.digest);
    return this.write(session.digest, lines, { replace: true, session: { ...session, open: true } });
  }

  // The new lines of the window of `form`.
  add(form, lines) {
    const digest = this.digests.get(form);
    if (digest) this.write(digest, lines);
  }

  // The window of `form` closed normally: its work stays, no longer offered at the start.
  closed(form) {
    const digest = this.digests.get(form);
    this.digests.delete(form);
    if (digest) this.write(digest, [], { open: false });
  }

  write(digest, lines, { replace = false, session = null, open = null } = {}) {
    this.queue = this.queue.then(async () => {
      const db = await this.open();
      if (!db) return;
      const t = db.transaction(['sessions', 'lines'], 'readwrite');
      const store = t.objectStore('lines');
      if (replace) {
        const keys = await request(store.index('digest').getAllKeys(digest));
        for (const key of keys) store.delete(key);
      }
      for (const line of lines) store.add({ digest, line });
      const sessions = t.objectStore('sessions');
      const old = session ? null : await request(sessions.get(digest));
      const now = { ...(old ?? {}), ...(session ?? {}), digest, updated: Date.now() };
      if (open !== null) now.open = open;
      sessions.put(now);
      await done(t);
    }).catch((error) => console.warn('kept work:', error));
    return this.queue;
  }

  // The kept work of `digest` as text (its lines, each with a line break), or null.
  async text(digest) {
    await this.queue;
    const db = await this.open();
    if (!db) return null;
    const t = db.transaction('lines', 'readonly');
    const lines = await request(t.objectStore('lines').index('digest').getAll(digest));
    return lines.length ? lines.map((l) => `${l.line}\n`).join('') : null;
  }

  async session(digest) {
    const db = await this.open();
    return db ? (await request(db.transaction('sessions', 'readonly').objectStore('sessions').get(digest))) ?? null : null;
  }

  // The sessions left open by a reload or a crash, newest first.
  async leftOpen() {
    const db = await this.open();
    if (!db) return [];
    const all = await request(db.transaction('sessions', 'readonly').objectStore('sessions').getAll());
    return all.filter((s) => s.open && !this.inUse(s.digest)).sort((a, b) => b.updated - a.updated);
  }

  inUse(digest) {
    return [...this.digests.values()].includes(digest);
  }
}
