// ツブラ in the browser: starts the game, opens the puzzle the address names
// (today's puzzle of the day by default) and wires the page's controls.

import { GameView } from './game.js';
import { Making, parseMakeLink } from './making.js';
import { Panels } from './panels.js';
import { Recorder } from './recorder.js';
import { Store } from './store.js';

const $ = <T extends HTMLElement>(id: string): T => document.getElementById(id) as T;

async function main(): Promise<void> {
  const store = await Store.open();
  const game = new GameView();
  const today = (): Promise<string> => game.play.run<string>('tsubura_today', 'string');
  const making = new Making(game, store, today);
  await game.start((await store.file('Data.dat')) ?? null);
  const recorder = new Recorder(game, store, $('target'));
  const panels = new Panels(game, store, making, recorder, today);
  game.onChange = async (opened, moved) => {
    await recorder.changed(opened, moved);
    if (opened) showAddress(game.origin?.link);
  };
  // Said between the game's commands, never over a question of the game's.
  store.onRefused = () =>
    void game.play.step(() => game.messages.ask('記録を保存できません。記録はこのページを閉じると消えます。', 'ツブラ', ['Ok']));
  if (!store.kept) store.onRefused();

  const route = async (): Promise<void> => {
    const [key, value] = location.hash.slice(1).split('=');
    const options = key === 'make' ? parseMakeLink(value ?? '') : null;
    if (options) await making.openMade(options);
    else if (!(await making.openDaily(key === 'daily' && value ? value : await today())) && !game.origin) {
      await making.openDaily(await today());
    }
    showAddress(game.origin?.link);
  };
  window.addEventListener('hashchange', () => {
    if (location.hash.slice(1) !== (game.origin?.link ?? '')) void route();
  });

  wireCommands(game, making, panels, today);
  wireKeys(game);
  // The page showed it was getting ready from its first paint; a making
  // shows its own progress from here.
  $('progress').hidden = true;
  await route();
  document.body.dataset.ready = 'true';
}

// The address names the puzzle in play while it is open.
function showAddress(link: string | undefined): void {
  const address = link ? `#${link}` : location.pathname + location.search;
  if (location.hash !== (link ? `#${link}` : '')) history.replaceState(null, '', address);
}

function wireCommands(game: GameView, making: Making, panels: Panels, today: () => Promise<string>): void {
  const on = (id: string, action: () => unknown): void =>
    $(id).addEventListener('click', () => void action());
  on('undo', () => game.command('tsubura_undo'));
  on('redo', () => game.command('tsubura_redo'));
  on('clear', () => game.command('tsubura_clear'));
  ['shift-left', 'shift-right', 'shift-up', 'shift-down'].forEach((id, direction) =>
    on(id, () => game.command('tsubura_shift', direction)),
  );
  on('daily', async () => making.openDaily(await today()));
  on('new', () => panels.newPuzzle());
  on('choose', () => panels.choose());
  on('open', () => game.command('tsubura_open'));
  on('save', () => panels.save('tsubura_save'));
  on('save-as', () => panels.save('tsubura_save_as'));
  on('records', () => panels.records());
  on('settings', () => panels.settings());
}

// Undo and redo as on the desktop; the arrow keys run the desktop's arrow
// commands wherever the focus is, except on the board, where they move
// between cells.
function wireKeys(game: GameView): void {
  const arrows: Record<string, number> = { ArrowUp: 0, ArrowDown: 1, ArrowLeft: 2, ArrowRight: 3 };
  document.addEventListener('keydown', (event) => {
    if (document.querySelector('dialog[open]')) return;
    const key = event.key.toLowerCase();
    if (event.ctrlKey && !event.altKey && (key === 'z' || key === 'y')) {
      event.preventDefault();
      void game.command(key === 'y' || event.shiftKey ? 'tsubura_redo' : 'tsubura_undo');
    } else if (event.key in arrows && !(event.target as HTMLElement).closest('input, select, textarea')) {
      event.preventDefault();
      void game.command('tsubura_arrow', arrows[event.key]);
    }
  });
}

void main();
