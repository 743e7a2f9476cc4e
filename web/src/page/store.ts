// What the page keeps, in IndexedDB: each puzzle's record under the desktop's
// fingerprint of it, the days of the puzzle of the day, and the settings file.
// Where the browser refuses storage the page keeps them in memory for the
// visit, and says so once.

export interface PuzzleRecord {
  fingerprint: string;
  name: string;
  level?: string;
  target?: number;
  proven: boolean;
  best?: number;
  bestBoard?: Uint8Array;
  leftBoard?: Uint8Array;
  daily?: string;
  link?: string;
  lastPlayed: string;
}

export interface DayRecord {
  date: string;
  fingerprint: string;
  best?: number;
  reached: boolean;
}

type Table = 'puzzles' | 'days' | 'files';
const kTables: Table[] = ['puzzles', 'days', 'files'];
const kKeys: Record<Table, string | null> = { puzzles: 'fingerprint', days: 'date', files: null };

interface Backend {
  get<T>(table: Table, key: string): Promise<T | undefined>;
  put(table: Table, value: unknown, key?: string): Promise<void>;
  // Reads and writes one record at once: no other tab writes in between.
  update<T>(table: Table, key: string, change: (stored: T | undefined) => T): Promise<T>;
  all<T>(table: Table): Promise<T[]>;
}

// Two tabs may play the same puzzle: whichever holds the better best keeps
// it, with its board and the target it set.
function keepBetterBest(stored: PuzzleRecord | undefined, record: PuzzleRecord): PuzzleRecord {
  if (!stored || (stored.best ?? -1) <= (record.best ?? -1)) return record;
  const { best, bestBoard, target, proven } = stored;
  return { ...record, best, bestBoard, target, proven };
}

function keepBetterDay(stored: DayRecord | undefined, day: DayRecord): DayRecord {
  if (!stored || stored.fingerprint !== day.fingerprint) return day;
  const best = Math.max(stored.best ?? -1, day.best ?? -1);
  return { ...day, best: best < 0 ? undefined : best, reached: stored.reached || day.reached };
}

function done(transaction: IDBTransaction): Promise<void> {
  return new Promise((resolve, reject) => {
    transaction.oncomplete = () => resolve();
    transaction.onerror = transaction.onabort = () => reject(transaction.error);
  });
}

function request<T>(r: IDBRequest<T>): Promise<T> {
  return new Promise((resolve, reject) => {
    r.onsuccess = () => resolve(r.result);
    r.onerror = () => reject(r.error);
  });
}

class IndexedBackend implements Backend {
  constructor(private readonly db: IDBDatabase) {}

  get<T>(table: Table, key: string): Promise<T | undefined> {
    return request(this.db.transaction(table).objectStore(table).get(key)) as Promise<T | undefined>;
  }

  put(table: Table, value: unknown, key?: string): Promise<void> {
    const transaction = this.db.transaction(table, 'readwrite');
    transaction.objectStore(table).put(value, kKeys[table] ? undefined : key);
    return done(transaction);
  }

  async update<T>(table: Table, key: string, change: (stored: T | undefined) => T): Promise<T> {
    const transaction = this.db.transaction(table, 'readwrite');
    const store = transaction.objectStore(table);
    let changed: T | undefined;
    store.get(key).onsuccess = (event) => {
      changed = change((event.target as IDBRequest<T | undefined>).result);
      store.put(changed);
    };
    await done(transaction);
    return changed!;
  }

  all<T>(table: Table): Promise<T[]> {
    return request(this.db.transaction(table).objectStore(table).getAll()) as Promise<T[]>;
  }
}

class MemoryBackend implements Backend {
  private readonly tables = new Map<Table, Map<string, unknown>>(kTables.map((t) => [t, new Map()]));

  async get<T>(table: Table, key: string): Promise<T | undefined> {
    return this.tables.get(table)!.get(key) as T | undefined;
  }

  async put(table: Table, value: unknown, key?: string): Promise<void> {
    const field = kKeys[table];
    this.tables.get(table)!.set(field ? (value as Record<string, string>)[field] : key!, value);
  }

  async update<T>(table: Table, key: string, change: (stored: T | undefined) => T): Promise<T> {
    const changed = change(this.tables.get(table)!.get(key) as T | undefined);
    this.tables.get(table)!.set(key, changed);
    return changed;
  }

  async all<T>(table: Table): Promise<T[]> {
    return [...this.tables.get(table)!.values()] as T[];
  }
}

function openDatabase(): Promise<IDBDatabase> {
  return new Promise((resolve, reject) => {
    const opening = indexedDB.open('tsubura', 1);
    opening.onupgradeneeded = () => {
      for (const table of kTables) {
        const key = kKeys[table];
        opening.result.createObjectStore(table, key ? { keyPath: key } : undefined);
      }
    };
    opening.onsuccess = () => resolve(opening.result);
    opening.onerror = () => reject(opening.error);
    opening.onblocked = () => reject(new Error('blocked'));
  });
}

export class Store {
  // Whether the records outlive the visit.
  private constructor(
    private backend: Backend,
    public kept: boolean,
  ) {}

  static async open(): Promise<Store> {
    try {
      const store = new Store(new IndexedBackend(await openDatabase()), true);
      void navigator.storage?.persist?.().catch(() => false);
      return store;
    } catch {
      return new Store(new MemoryBackend(), false);
    }
  }

  puzzle(fingerprint: string): Promise<PuzzleRecord | undefined> {
    return this.read(() => this.backend.get<PuzzleRecord>('puzzles', fingerprint));
  }

  puzzles(): Promise<PuzzleRecord[]> {
    return this.read(() => this.backend.all<PuzzleRecord>('puzzles')).then((all) => all ?? []);
  }

  day(date: string): Promise<DayRecord | undefined> {
    return this.read(() => this.backend.get<DayRecord>('days', date));
  }

  days(): Promise<DayRecord[]> {
    return this.read(() => this.backend.all<DayRecord>('days')).then((all) => all ?? []);
  }

  file(name: string): Promise<Uint8Array | undefined> {
    return this.read(() => this.backend.get<Uint8Array>('files', name));
  }

  // Keeps a puzzle's record, or the better best another tab kept meanwhile;
  // the record as kept.
  putPuzzle(record: PuzzleRecord): Promise<PuzzleRecord> {
    return this.change('puzzles', record.fingerprint, (stored) => keepBetterBest(stored, record), record);
  }

  putDay(day: DayRecord): Promise<DayRecord> {
    return this.change('days', day.date, (stored) => keepBetterDay(stored, day), day);
  }

  async putFile(name: string, bytes: Uint8Array): Promise<void> {
    try {
      await this.backend.put('files', bytes, name);
    } catch {
      this.refused();
    }
  }

  // Told once when a write fails (a full disk, storage taken away).
  onRefused: () => void = () => {};

  private async read<T>(work: () => Promise<T>): Promise<T | undefined> {
    try {
      return await work();
    } catch {
      return undefined;
    }
  }

  private async change<T>(table: Table, key: string, change: (stored: T | undefined) => T, value: T): Promise<T> {
    try {
      return await this.backend.update(table, key, change);
    } catch {
      this.refused();
      return value;
    }
  }

  private refused(): void {
    if (!this.kept) return;
    this.kept = false;
    this.onRefused();
  }
}
