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
  all<T>(table: Table): Promise<T[]>;
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
    return new Promise((resolve, reject) => {
      transaction.oncomplete = () => resolve();
      transaction.onerror = transaction.onabort = () => reject(transaction.error);
    });
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

  putPuzzle(record: PuzzleRecord): Promise<void> {
    return this.write('puzzles', record);
  }

  putDay(day: DayRecord): Promise<void> {
    return this.write('days', day);
  }

  putFile(name: string, bytes: Uint8Array): Promise<void> {
    return this.write('files', bytes, name);
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

  private async write(table: Table, value: unknown, key?: string): Promise<void> {
    try {
      await this.backend.put(table, value, key);
    } catch {
      if (!this.kept) return;
      this.kept = false;
      this.onRefused();
    }
  }
}
