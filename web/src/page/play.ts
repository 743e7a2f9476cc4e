// The game, compiled to WebAssembly: every rule is there. This side only
// queues the page's commands one after another, so that a command suspended
// on a question (a message with buttons, a file) is never entered again
// before the player has answered.

export interface Cell {
  text: string;
  colour: string;
  letter: boolean;
  mark: number;
}

export interface Word {
  text: string;
  points: number;
  placed: boolean;
  selected: boolean;
  colour: string;
  pointsColour: string;
}

export interface Settings {
  crossStyle: number;
  background: number;
  boardFont: number;
  messageMode: number;
  sounds: number[];
}

export interface PageState {
  size: number;
  cells: Cell[];
  words: Word[];
  placed: string;
  now: string;
  nowColour: string;
  max: string;
  incomplete: boolean;
  score: number;
  canUndo: boolean;
  canRedo: boolean;
  settings: Settings;
  background: string;
  face: string;
  text1: string;
  openings: number;
}

// What the game asks of the page while it runs.
export interface PlayHost {
  ask(message: string, title: string, captions: string[]): Promise<number>;
  pickFile(): Promise<string | null>;
  playSound(n: number): void;
  changed(): void;
}

type Arg = number | string;
type Kind = 'number' | 'string' | null;

interface FileSystem {
  writeFile(path: string, data: Uint8Array): void;
  readFile(path: string): Uint8Array;
  readdir(path: string): string[];
  stat(path: string): { mtime: Date; size: number };
  mkdir(path: string): void;
  analyzePath(path: string): { exists: boolean };
}

interface PlayModule {
  ccall(name: string, ret: Kind, types: Kind[], args: Arg[], options?: { async: boolean }): unknown;
  FS: FileSystem;
}

type PlayFactory = (options: object) => Promise<PlayModule>;

function kindOf(arg: Arg): Kind {
  return typeof arg === 'string' ? 'string' : 'number';
}

export class Play {
  private queue: Promise<unknown> = Promise.resolve();

  private constructor(private readonly module: PlayModule) {}

  static async load(host: PlayHost): Promise<Play> {
    const url = new URL('../tsubura-play.js', import.meta.url).href;
    const factory = ((await import(url)) as { default: PlayFactory }).default;
    const module = await factory({ tsubura: host });
    for (const folder of ['/data', '/saves']) {
      if (!module.FS.analyzePath(folder).exists) module.FS.mkdir(folder);
    }
    return new Play(module);
  }

  get files(): FileSystem {
    return this.module.FS;
  }

  // A command, run after every one before it; it may ask the player.
  run<T = unknown>(name: string, ret: Kind, ...args: Arg[]): Promise<T> {
    const result = this.queue.then(
      () =>
        this.module.ccall(name, ret, args.map(kindOf), args, { async: true }) as Promise<T>,
    );
    this.queue = result.catch(() => undefined);
    return result;
  }

  // A question that never suspends, asked from inside a command (the game's
  // redraw) or from a queued step.
  now<T>(name: string, ret: Kind, ...args: Arg[]): T {
    return this.module.ccall(name, ret, args.map(kindOf), args) as T;
  }

  // A step of the page's own between commands (reading the game's files).
  step<T>(work: () => T | Promise<T>): Promise<T> {
    const result = this.queue.then(work);
    this.queue = result.catch(() => undefined);
    return result;
  }

  state(): PageState {
    return JSON.parse(this.now<string>('tsubura_state', 'string')) as PageState;
  }
}
