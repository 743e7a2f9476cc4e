// Keeps the record of the puzzle in play, as the desktop's records do: the
// puzzle opened, the board as left at every change, each new best complete
// score with its board (judged, and told, by the game), the day of a puzzle
// of the day, and the target line under the board.

import type { GameView, Origin } from './game.js';
import type { PuzzleRecord, Store } from './store.js';

interface Judged {
  best?: number;
  target?: number | null;
  proven?: boolean;
  reached?: boolean;
}

export function timestamp(): string {
  return new Date().toISOString();
}

export class Recorder {
  current: PuzzleRecord | null = null;
  // The changes told, recorded one after another.
  private work: Promise<void> = Promise.resolve();
  // The game's count of puzzles opened, as of the change being recorded: the
  // records' steps wait for the store, and meanwhile the player may open
  // another puzzle, whose board must never go into this one's record.
  private opening = 0;
  private pending = 0;

  constructor(
    private readonly game: GameView,
    private readonly store: Store,
    private readonly line: HTMLElement,
  ) {}

  changed(opened: boolean, moved: boolean): Promise<void> {
    const opening = this.game.state.openings;
    const origin = this.game.origin!;
    // Shown on the page while records are being written (the tests wait for it).
    document.body.dataset.recording = String(++this.pending > 0);
    const next = this.work
      .then(() => this.record(opening, opened ? origin : null, moved))
      .finally(() => (document.body.dataset.recording = String(--this.pending > 0)));
    this.work = next.catch(() => undefined);
    return next;
  }

  private stale(): boolean {
    return this.game.state.openings !== this.opening;
  }

  private async record(opening: number, opened: Origin | null, moved: boolean): Promise<void> {
    this.opening = opening;
    if (opened) await this.opened(opened);
    if (!this.current || !moved) return;
    const board = await this.game.play.step(() => (this.stale() ? null : this.game.boardNow()));
    if (!board) return;
    this.current.leftBoard = board;
    this.current.lastPlayed = timestamp();
    await this.judge();
    await this.keep();
  }

  private async opened(origin: Origin): Promise<void> {
    const play = this.game.play;
    // The puzzle's fingerprint and board, read together while it is open.
    const read = await play.step(() => {
      if (this.stale()) return null;
      return { fingerprint: play.now<string>('tsubura_fingerprint', 'string'), board: this.game.boardNow() };
    });
    if (!read) return;
    const { fingerprint } = read;
    const stored = await this.store.puzzle(fingerprint);
    const record: PuzzleRecord = stored ?? { fingerprint, name: origin.name, proven: false, lastPlayed: '' };
    // What the origin knows fills what the records do not.
    record.level ??= origin.level;
    if (record.target === undefined && origin.target !== undefined) {
      record.target = origin.target;
      record.proven = origin.proven ?? false;
    }
    record.daily ??= origin.daily;
    record.link ??= origin.link;
    record.leftBoard = read.board;
    record.lastPlayed = timestamp();
    this.current = record;
    if (origin.daily) {
      const day = await this.store.day(origin.daily);
      if (!day || day.fingerprint !== fingerprint) {
        await this.store.putDay({ date: origin.daily, fingerprint, reached: false });
      }
    }
    await this.judge();
    await this.keep();
  }

  // Another tab may have kept a better best of the same puzzle meanwhile.
  private async keep(): Promise<void> {
    const kept = await this.store.putPuzzle(this.current!);
    if (kept.best !== this.current!.best) {
      this.current = kept;
      await this.showLine();
    }
  }

  // A complete board above the best: the game tells what it earns.
  private async judge(): Promise<void> {
    const record = this.current!;
    const answer = await this.game.play.run<string>(
      'tsubura_judge',
      'string',
      record.target ?? -1,
      record.proven ? 1 : 0,
      record.best ?? -1,
      this.opening,
      '/best.tbr',
    );
    const judged = JSON.parse(answer) as Judged;
    if (judged.best !== undefined) {
      record.bestBoard = this.game.play.files.readFile('/best.tbr');
      record.best = judged.best;
      record.target = judged.target ?? undefined;
      record.proven = judged.proven ?? false;
      if (record.daily) {
        await this.store.putDay({
          date: record.daily,
          fingerprint: record.fingerprint,
          best: record.best,
          reached: judged.reached ?? false,
        });
      }
    }
    await this.showLine();
  }

  async showLine(): Promise<void> {
    const record = this.current;
    const text = record
      ? await this.game.play.run<string>(
          'tsubura_target_line',
          'string',
          record.target ?? -1,
          record.proven ? 1 : 0,
          record.best ?? -1,
        )
      : '';
    // A puzzle opened meanwhile tells its own line.
    if (this.stale()) return;
    this.line.textContent = text;
    this.line.hidden = text === '';
  }
}
