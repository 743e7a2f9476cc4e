// The page's windows beside the board: the settings, a new puzzle, the
// puzzles to choose from, saving as a download, and the records.

import type { GameView, Origin } from './game.js';
import type { Making } from './making.js';
import { RecordsPanel } from './records-panel.js';
import type { Recorder } from './recorder.js';
import type { Store } from './store.js';

const $ = <T extends HTMLElement>(id: string): T => document.getElementById(id) as T;

// A shipped puzzle as puzzles/targets.txt lists it (file, name, level, best,
// "proven" or "known").
interface Shipped {
  file: string;
  name: string;
  level?: string;
  best: number;
  proven: boolean;
}

export function download(name: string, bytes: Uint8Array | string, type: string): void {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([bytes as BlobPart], { type }));
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

export class Panels {
  private readonly recordsPanel: RecordsPanel;

  constructor(
    private readonly game: GameView,
    private readonly store: Store,
    private readonly making: Making,
    recorder: Recorder,
    today: () => Promise<string>,
  ) {
    this.recordsPanel = new RecordsPanel(game, store, recorder, today);
    for (const dialog of document.querySelectorAll<HTMLDialogElement>('dialog.panel')) {
      dialog.querySelector('.close')?.addEventListener('click', () => dialog.close());
    }
    this.wireSettings();
    this.wireNewPuzzle();
  }

  records(): Promise<void> {
    return this.recordsPanel.show();
  }

  // The settings window: each choice takes effect at once; OK (or closing it)
  // keeps them, sounds included, in the settings file.
  settings(): void {
    const dialog = $<HTMLDialogElement>('settings-panel');
    const settings = this.game.state.settings;
    const chosen = [settings.crossStyle, settings.background, settings.boardFont, settings.messageMode];
    chosen.forEach((value, i) => {
      const radio = dialog.querySelector<HTMLInputElement>(`input[name="option${i + 1}"][value="${value}"]`);
      if (radio) radio.checked = true;
    });
    dialog.querySelectorAll<HTMLInputElement>('input[name="sound"]').forEach((box, i) => {
      box.checked = settings.sounds[i] === 1;
    });
    dialog.showModal();
  }

  private wireSettings(): void {
    const dialog = $<HTMLDialogElement>('settings-panel');
    dialog.addEventListener('change', (event) => {
      const input = event.target as HTMLInputElement;
      const kind = /^option(\d)$/.exec(input.name);
      if (kind) void this.game.command('tsubura_choose_setting', Number(kind[1]), Number(input.value));
    });
    dialog.addEventListener('close', async () => {
      let boxes = 0;
      dialog.querySelectorAll<HTMLInputElement>('input[name="sound"]').forEach((box, i) => {
        if (box.checked) boxes |= 1 << i;
      });
      await this.game.command('tsubura_confirm_settings', boxes);
      const bytes = await this.game.play.step(() => this.game.play.files.readFile('/data/Data.dat'));
      await this.store.putFile('Data.dat', bytes);
    });
  }

  newPuzzle(): void {
    $<HTMLDialogElement>('new-panel').showModal();
  }

  private wireNewPuzzle(): void {
    const dialog = $<HTMLDialogElement>('new-panel');
    const themes = dialog.querySelector('select')!;
    void this.making.maker.themes().then((list) => {
      for (const theme of list) themes.add(new Option(theme.name, theme.id));
    });
    dialog.querySelector('form')!.addEventListener('submit', (event) => {
      const form = new FormData(event.target as HTMLFormElement);
      void this.making.openMade({
        theme: String(form.get('theme') ?? ''),
        size: Number(form.get('size')),
        level: String(form.get('level')),
        seed: Math.floor(Math.random() * 2 ** 32),
      });
    });
  }

  // パズルを選ぶ: the samples and the pack with their targets, and every
  // puzzle played here, as left.
  async choose(): Promise<void> {
    const dialog = $<HTMLDialogElement>('choose-panel');
    const shipped = await this.shipped();
    // Every puzzle played here but the days' (記録 has those), as left.
    const played = (await this.store.puzzles())
      .filter((r) => !r.daily && r.leftBoard)
      .sort((a, b) => b.lastPlayed.localeCompare(a.lastPlayed));
    const list = dialog.querySelector('ul')!;
    list.replaceChildren();
    const add = (caption: string, best: number | undefined, open: () => Promise<unknown>): void => {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = caption + (best === undefined ? '' : `　自己ベスト ${best}点`);
      button.addEventListener('click', () => {
        dialog.close();
        void open();
      });
      const item = document.createElement('li');
      item.append(button);
      list.append(item);
    };
    for (const puzzle of shipped) {
      const origin = { name: puzzle.name, level: puzzle.level, target: puzzle.best, proven: puzzle.proven };
      const kept = played.find((r) => r.name === puzzle.name);
      add(`${puzzle.name}　目標 ${puzzle.best}点`, kept?.best, () =>
        kept ? this.game.openKept(kept.leftBoard!, origin) : this.openShipped(puzzle, origin),
      );
    }
    for (const record of played.filter((r) => !shipped.some((s) => s.name === r.name))) {
      add(record.name, record.best, () =>
        this.game.openKept(record.leftBoard!, { name: record.name, link: record.link }),
      );
    }
    dialog.showModal();
  }

  private async shipped(): Promise<Shipped[]> {
    const response = await fetch('puzzles/targets.txt').catch(() => null);
    if (!response?.ok) return [];
    return (await response.text())
      .split(/\r?\n/)
      .map((line) => line.split('\t'))
      .filter((f) => f.length === 5 && !f[0].startsWith('#') && /^\d+$/.test(f[3]))
      .map(([file, name, level, best, proven]) => ({
        file,
        name,
        level: level === '-' ? undefined : level,
        best: Number(best),
        proven: proven === 'proven',
      }));
  }

  private async openShipped(puzzle: Shipped, origin: Origin): Promise<void> {
    const response = await fetch(`puzzles/${puzzle.file}`).catch(() => null);
    if (!response?.ok) return;
    await this.game.openFile(puzzle.file, new Uint8Array(await response.arrayBuffer()), origin);
  }

  // Save and Save As write into the game's folder; what they wrote is offered
  // as a download at once, before the game says it was saved.
  async save(command: 'tsubura_save' | 'tsubura_save_as'): Promise<void> {
    const files = this.game.play.files;
    const listing = (): Map<string, number> =>
      new Map(
        files
          .readdir('/saves')
          .filter((name) => name !== '.' && name !== '..')
          .map((name) => [name, files.stat(`/saves/${name}`).mtime.getTime()]),
      );
    const seen = await this.game.play.step(listing);
    const offer = (): void => {
      for (const [name, time] of listing()) {
        if (seen.get(name) === time) continue;
        seen.set(name, time);
        download(name, files.readFile(`/saves/${name}`), 'application/octet-stream');
      }
    };
    this.game.beforeAsk = offer;
    try {
      await this.game.command(command);
    } finally {
      this.game.beforeAsk = () => {};
    }
    offer();
  }
}
