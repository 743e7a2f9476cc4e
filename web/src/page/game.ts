// The page around the game: the board, the word list and the counters drawn
// from the game's description after every command, presses and keys turned
// into the game's commands, and the puzzles the page hands it.

import { BoardView } from './board.js';
import type { Made } from './maker.js';
import { MessageDialog } from './message.js';
import { Play, type PageState } from './play.js';
import { Sounds } from './sounds.js';
import { WordList } from './words.js';

// Where an opened puzzle came from, for the records and the address.
export interface Origin {
  name: string;
  level?: string;
  target?: number;
  proven?: boolean;
  daily?: string;
  // The address that names it: "daily=…", "make=…" or none.
  link?: string;
}

const $ = <T extends HTMLElement>(id: string): T => document.getElementById(id) as T;

// Files lie in the game's folder /saves: their name is what the player knows.
const shownName = (text: string): string => text.replace(/^\/saves\//, '');

export class GameView {
  readonly messages = new MessageDialog($<HTMLDialogElement>('message'));
  private readonly sounds = new Sounds();
  private readonly board: BoardView;
  private readonly words: WordList;
  private readonly fileInput = $<HTMLInputElement>('file-input');
  private readonly downToggle = $<HTMLButtonElement>('down');
  private openings = 0;
  private placement = '';
  play!: Play;
  state!: PageState;
  // The origin of the puzzle the next opening puts into play.
  private expected: Origin | null = null;
  origin: Origin | null = null;
  // Told before the game asks the player anything.
  beforeAsk: () => void = () => {};
  // Told after each command: whether a puzzle was opened, the board changed.
  onChange: (opened: boolean, moved: boolean) => Promise<void> = async () => {};

  constructor() {
    this.board = new BoardView($('board'), {
      press: (column, row, button) => void this.command('tsubura_board_down', column, row, button),
      release: () => void this.command('tsubura_board_up'),
      down: () => this.downToggle.getAttribute('aria-pressed') === 'true',
    });
    this.words = new WordList($('words'), {
      press: (k, button) => void this.command('tsubura_word_down', k, button),
      release: (k, button) => void this.command('tsubura_word_up', k, button),
    });
    this.downToggle.addEventListener('click', () => {
      const down = this.downToggle.getAttribute('aria-pressed') !== 'true';
      this.downToggle.setAttribute('aria-pressed', String(down));
    });
    window.addEventListener('resize', () => this.fit());
  }

  async start(settings: Uint8Array | null): Promise<void> {
    this.play = await Play.load({
      ask: async (message, title, captions) => {
        this.beforeAsk();
        // The board drawn first, in a task of its own, then the dialog over it:
        // neither keeps the page from answering for long.
        await new Promise((resolve) => setTimeout(resolve));
        return this.messages.ask(message, title, captions);
      },
      pickFile: () => this.pickFile(),
      playSound: (n) => this.sounds.play(n),
      changed: () => this.render(),
    });
    if (settings) this.play.files.writeFile('/data/Data.dat', settings);
    await this.play.run('tsubura_start', null);
    await this.play.step(() => this.render());
  }

  // A command of the game's, then the page drawn and the records told.
  async command(name: string, ...args: (number | string)[]): Promise<void> {
    await this.play.run(name, null, ...args);
    await this.afterCommand();
  }

  // What the last command changed: a puzzle opened, the board moved.
  async afterCommand(): Promise<void> {
    await this.play.step(() => this.render());
    const opened = this.state.openings !== this.openings;
    this.openings = this.state.openings;
    if (opened) {
      // For the figures of the first visit (bench/web.mjs).
      if (performance.getEntriesByName('tsubura-puzzle-shown').length === 0) {
        performance.mark('tsubura-puzzle-shown');
      }
      this.origin = this.expected ?? { name: shownName(this.state.text1) };
      this.fit();
    }
    this.expected = null;
    const placement = this.state.words.map((w) => (w.placed ? 1 : 0)).join('') + this.boardText();
    const moved = placement !== this.placement;
    this.placement = placement;
    await this.onChange(opened, moved);
  }

  // Opens a puzzle the generator made, with its target told.
  async openMade(made: Made, origin: Origin): Promise<void> {
    this.play.files.writeFile('/made.tbr', made.bytes);
    this.expected = origin;
    await this.play.run(
      'tsubura_open_made',
      'number',
      '/made.tbr',
      made.name,
      made.heading,
      made.best,
      made.optimal ? 1 : 0,
    );
    await this.afterCommand();
  }

  // Opens a file's bytes as the desktop opens the file chosen.
  async openFile(name: string, bytes: Uint8Array, origin: Origin | null): Promise<void> {
    const path = `/saves/${name}`;
    this.play.files.writeFile(path, bytes);
    this.expected = origin;
    await this.play.run('tsubura_open_path', null, path);
    await this.afterCommand();
  }

  // Opens a board kept in the records, as the player left it.
  async openKept(board: Uint8Array, origin: Origin): Promise<boolean> {
    this.play.files.writeFile('/kept.tbr', board);
    this.expected = origin;
    const opened = await this.play.run<number>('tsubura_open_kept', 'number', '/kept.tbr', origin.name);
    await this.afterCommand();
    return opened === 1;
  }

  // The board in play as a puzzle file's bytes, read at once: only between
  // the game's commands (in a step).
  boardNow(): Uint8Array {
    this.play.now('tsubura_write_board', 'number', '/board.tbr');
    return this.play.files.readFile('/board.tbr');
  }

  render(): void {
    const state = (this.state = this.play.state());
    this.board.show(state.size, state.cells);
    this.words.show(state.words);
    $('placed').textContent = state.placed;
    const now = $('now');
    now.textContent = state.now;
    now.style.color = state.incomplete ? state.nowColour : '';
    $('incomplete').hidden = !state.incomplete;
    $('max').textContent = state.max;
    $('heading').textContent = shownName(state.text1);
    $<HTMLButtonElement>('undo').disabled = !state.canUndo;
    $<HTMLButtonElement>('redo').disabled = !state.canRedo;
    document.body.style.setProperty('--game-background', state.background);
    document.body.dataset.face = state.face;
    document.body.dataset.font = String(state.settings.boardFont);
  }

  private boardText(): string {
    return this.state.cells.map((c) => c.text).join('');
  }

  // The board as large as the window allows, below it the counters and tools.
  private fit(): void {
    const area = $('board-area');
    const below = window.innerWidth > 760 ? 140 : 0.42 * window.innerHeight;
    const height = window.innerHeight - area.getBoundingClientRect().top - below;
    this.board.fit(area.clientWidth - 2, Math.max(height, 240));
  }

  // The open-file dialog: a file input; the chosen file's bytes are laid in
  // the game's files. Null when cancelled.
  private pickFile(): Promise<string | null> {
    const input = this.fileInput;
    input.value = '';
    return new Promise((resolve) => {
      const done = async (): Promise<void> => {
        input.removeEventListener('change', done);
        input.removeEventListener('cancel', cancelled);
        const file = input.files?.[0];
        if (!file) return resolve(null);
        const path = `/saves/${file.name.replace(/[/\\]/g, '_')}`;
        this.play.files.writeFile(path, new Uint8Array(await file.arrayBuffer()));
        resolve(path);
      };
      const cancelled = (): void => {
        input.removeEventListener('change', done);
        input.removeEventListener('cancel', cancelled);
        resolve(null);
      };
      input.addEventListener('change', done);
      input.addEventListener('cancel', cancelled);
      input.click();
    });
  }
}
