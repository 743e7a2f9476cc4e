// 記録: the days of the puzzle of the day counted by the game (played, target
// reached, the streak and the longest), a calendar of past days marked
// played and cleared (a day opens its puzzle), 結果をコピー with the game's
// result line, and the records exported to or imported from a file.

import type { GameView } from './game.js';
import { download } from './panels.js';
import type { Recorder } from './recorder.js';
import type { DayRecord, PuzzleRecord, Store } from './store.js';

const $ = <T extends HTMLElement>(id: string): T => document.getElementById(id) as T;

interface DayCounts {
  played: number;
  reached: number;
  streak: number;
  longest: number;
}

interface Exported {
  tsubura: 1;
  puzzles: (Omit<PuzzleRecord, 'bestBoard' | 'leftBoard'> & { bestBoard?: string; leftBoard?: string })[];
  days: DayRecord[];
}

const toBase64 = (bytes?: Uint8Array): string | undefined =>
  bytes && btoa(String.fromCharCode(...bytes));
const fromBase64 = (text?: string): Uint8Array | undefined =>
  text === undefined ? undefined : Uint8Array.from(atob(text), (c) => c.charCodeAt(0));

export class RecordsPanel {
  private readonly dialog = $<HTMLDialogElement>('records-panel');
  private month = '';
  private chosen = '';
  private days = new Map<string, DayRecord>();
  private todayText = '';

  constructor(
    private readonly game: GameView,
    private readonly store: Store,
    private readonly recorder: Recorder,
    private readonly today: () => Promise<string>,
  ) {
    const on = (selector: string, action: () => unknown): void =>
      this.dialog.querySelector(selector)!.addEventListener('click', () => void action());
    on('.previous', () => this.turn(-1));
    on('.next', () => this.turn(1));
    on('.open-day', () => {
      this.dialog.close();
      location.hash = `daily=${this.chosen}`;
    });
    on('.copy', () => this.copy());
    on('.export', () => this.exportRecords());
    on('.import', () => $<HTMLInputElement>('import-input').click());
    $<HTMLInputElement>('import-input').addEventListener('change', (event) => void this.importRecords(event));
  }

  async show(): Promise<void> {
    this.days = new Map((await this.store.days()).map((d) => [d.date, d]));
    const today = (this.todayText = await this.today());
    this.chosen = today;
    this.month = today.slice(0, 7);
    await this.count(today);
    this.drawCalendar(today);
    if (!this.dialog.open) this.dialog.showModal();
  }

  private async count(today: string): Promise<DayCounts> {
    const list = [...this.days.values()].map((d) => `${d.date}:${d.reached ? 1 : 0}`).join(' ');
    const counts = JSON.parse(
      await this.game.play.run<string>('tsubura_count_days', 'string', list, today),
    ) as DayCounts;
    this.dialog.querySelector('.counts')!.textContent =
      `遊んだ日 ${counts.played}日　目標達成 ${counts.reached}日\n連続 ${counts.streak}日　最長 ${counts.longest}日`;
    return counts;
  }

  private turn(months: number): void {
    const [year, month] = this.month.split('-').map(Number);
    const first = new Date(Date.UTC(year, month - 1 + months, 1));
    this.month = first.toISOString().slice(0, 7);
    this.drawCalendar(this.todayText);
  }

  // One month: each day a button, days to come disabled, days played and
  // cleared marked in words as well as in colour.
  private drawCalendar(today: string): void {
    const [year, month] = this.month.split('-').map(Number);
    this.dialog.querySelector('.month')!.textContent = `${year}年${month}月`;
    const grid = this.dialog.querySelector('.days')!;
    grid.replaceChildren();
    const blank = new Date(Date.UTC(year, month - 1, 1)).getUTCDay();
    for (let i = 0; i < blank; ++i) grid.append(document.createElement('span'));
    const length = new Date(Date.UTC(year, month, 0)).getUTCDate();
    for (let d = 1; d <= length; ++d) {
      const date = `${this.month}-${String(d).padStart(2, '0')}`;
      const day = this.days.get(date);
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = String(d);
      const state = day?.reached ? 'クリア' : day ? '遊んだ' : '';
      button.dataset.state = day?.reached ? 'cleared' : day ? 'played' : '';
      button.setAttribute('aria-label', `${month}月${d}日${state ? ` ${state}` : ''}`);
      button.setAttribute('aria-pressed', String(date === this.chosen));
      button.disabled = date > today;
      button.addEventListener('click', () => {
        this.chosen = date;
        this.drawCalendar(today);
      });
      button.addEventListener('dblclick', () => {
        this.dialog.close();
        location.hash = `daily=${date}`;
      });
      grid.append(button);
    }
    (this.dialog.querySelector('.copy') as HTMLButtonElement).disabled = !this.days.has(this.chosen);
    this.dialog.querySelector('.result')!.replaceChildren();
  }

  // The game's result line of the chosen day, to the clipboard; where the
  // clipboard is refused, shown selected for the player to copy.
  private async copy(): Promise<void> {
    const day = this.days.get(this.chosen);
    if (!day) return;
    const record = (await this.store.puzzle(day.fingerprint)) ?? this.recorder.current;
    const counts = await this.count(this.todayText);
    const line = await this.game.play.run<string>(
      'tsubura_daily_result',
      'string',
      day.date,
      record?.name ?? '',
      record?.target ?? -1,
      record?.proven ? 1 : 0,
      day.best ?? -1,
      counts.streak,
    );
    const result = this.dialog.querySelector('.result')!;
    try {
      await navigator.clipboard.writeText(line);
      result.textContent = 'コピーしました。';
    } catch {
      const field = document.createElement('textarea');
      field.readOnly = true;
      field.value = line;
      field.setAttribute('aria-label', '結果');
      result.replaceChildren(field);
      field.select();
    }
  }

  private async exportRecords(): Promise<void> {
    const exported: Exported = {
      tsubura: 1,
      puzzles: (await this.store.puzzles()).map((r) => ({
        ...r,
        bestBoard: toBase64(r.bestBoard),
        leftBoard: toBase64(r.leftBoard),
      })),
      days: await this.store.days(),
    };
    download('tsubura-records.json', JSON.stringify(exported), 'application/json');
  }

  // Records from a file join the ones here: a puzzle keeps the better best.
  private async importRecords(event: Event): Promise<void> {
    const input = event.target as HTMLInputElement;
    const file = input.files?.[0];
    input.value = '';
    if (!file) return;
    let data: Exported;
    try {
      data = JSON.parse(await file.text()) as Exported;
      if (data.tsubura !== 1 || !Array.isArray(data.puzzles) || !Array.isArray(data.days)) throw new Error();
    } catch {
      await this.game.messages.ask('このファイルは記録として読めません。', 'ツブラ', ['Ok']);
      return;
    }
    for (const entry of data.puzzles) {
      const imported = { ...entry, bestBoard: fromBase64(entry.bestBoard), leftBoard: fromBase64(entry.leftBoard) };
      const here = await this.store.puzzle(entry.fingerprint);
      const { best, bestBoard, target, proven } = imported;
      await this.store.putPuzzle(here ? { ...here, best, bestBoard, target, proven } : imported);
    }
    for (const day of data.days) await this.store.putDay(day);
    await this.show();
  }
}
