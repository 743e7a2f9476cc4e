// Puzzles the generator makes, in its worker, while the page stays live: the
// puzzle of the day (or the board left of it), and puzzles named by theme,
// size, level and seed. A making shows its progress against the time it is
// planned to take, and can be stopped.

import type { GameView } from './game.js';
import { Maker, Stopped, type MakeRequest, type Made } from './maker.js';
import type { Store } from './store.js';

// A new puzzle's options, as its link names them: "make=THEME/SIZE/LEVEL/SEED".
export interface MakeOptions {
  theme: string; // a theme's id, "" for おまかせ
  size: number;
  level: string; // "easy", "normal", "hard"
  seed: number;
}

const kLevels = ['easy', 'normal', 'hard'];

export function makeLink(options: MakeOptions): string {
  return `make=${options.theme || 'any'}/${options.size}/${options.level}/${options.seed}`;
}

export function parseMakeLink(text: string): MakeOptions | null {
  const match = /^(\w[\w-]*)\/(\d+)\/(easy|normal|hard)\/(\d+)$/.exec(text);
  if (!match) return null;
  const size = Number(match[2]);
  const seed = Number(match[4]);
  if (size < 8 || size > 30 || !Number.isSafeInteger(seed)) return null;
  return { theme: match[1] === 'any' ? '' : match[1], size, level: match[3], seed };
}

export class Making {
  readonly maker = new Maker();
  private readonly box = document.getElementById('progress') as HTMLElement;
  private makings = 0;

  constructor(
    private readonly game: GameView,
    private readonly store: Store,
    private readonly today: () => Promise<string>,
  ) {
    this.box.querySelector('button')!.addEventListener('click', () => this.maker.cancel());
    this.maker.warm();
  }

  // False, once the game has said why, when there is no such day to open.
  async openDaily(date: string): Promise<boolean> {
    if ((await this.game.play.run<number>('tsubura_refuse_day', 'number', date)) === 1) return false;
    const origin = { daily: date, link: `daily=${date}` };
    const day = await this.store.day(date);
    const kept = day && (await this.store.puzzle(day.fingerprint));
    if (kept?.leftBoard && (await this.game.openKept(kept.leftBoard, { ...origin, name: kept.name }))) {
      return true;
    }
    const made = await this.make({ kind: 'daily', date });
    if (made) {
      await this.game.openMade(made, {
        ...origin,
        name: made.recordName,
        level: made.level,
        target: made.best,
        proven: made.optimal,
      });
    }
    return true;
  }

  async openMade(options: MakeOptions): Promise<void> {
    const made = await this.make({
      kind: 'make',
      date: await this.today(),
      theme: options.theme,
      size: options.size,
      level: kLevels.indexOf(options.level),
      seed: options.seed,
    });
    if (!made) return;
    await this.game.openMade(made, {
      name: made.recordName,
      level: made.level,
      target: made.best,
      proven: made.optimal,
      link: makeLink(options),
    });
  }

  private async make(request: MakeRequest): Promise<Made | null> {
    this.maker.cancel();
    const mine = ++this.makings;
    const bar = this.box.querySelector('progress')!;
    const words = this.box.querySelector('.words')!;
    const started = performance.now();
    let planned = 0;
    bar.removeAttribute('value');
    words.textContent = 'パズルを作っています…';
    this.box.hidden = false;
    const tick = window.setInterval(() => {
      if (planned <= 0) return;
      const seconds = (performance.now() - started) / 1000;
      bar.value = Math.min(seconds / planned, 0.99);
      words.textContent = `パズルを作っています… ${Math.floor(seconds)}秒（予定 約${Math.ceil(planned)}秒）`;
    }, 100);
    try {
      return await this.maker.make(request, (seconds) => {
        planned = seconds;
        bar.max = 1;
        bar.value = 0;
      });
    } catch (error) {
      if (!(error instanceof Stopped)) {
        const reason = `パズルを作れませんでした。\n${(error as Error).message}`;
        await this.game.play.step(() => this.game.messages.ask(reason, 'ツブラ', ['Ok']));
      }
      return null;
    } finally {
      clearInterval(tick);
      if (mine === this.makings) this.box.hidden = true;
    }
  }
}
