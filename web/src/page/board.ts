// The board as the game describes it: one grid cell per board cell, its text
// and colour from the game. Presses go back to the game as the desktop's
// mouse presses: the left button (or a tap) across, the right button down.

import type { Cell } from './play.js';

export interface BoardInput {
  // A press on cell (column, row); button 1 across, 2 down.
  press(column: number, row: number, button: number): void;
  release(): void;
  // Whether a tap, a left press or Return places down.
  down(): boolean;
}

const kBlack = '#000000';
// A finger that moves further than this pans the board instead of pressing.
const kTapSlop = 10;

export class BoardView {
  private cells: HTMLElement[] = [];
  private size = 0;
  private focused = 0;

  constructor(
    private readonly grid: HTMLElement,
    private readonly input: BoardInput,
  ) {
    grid.addEventListener('contextmenu', (event) => event.preventDefault());
    this.listenForPresses();
    grid.addEventListener('keydown', (event) => this.key(event));
  }

  show(size: number, cells: Cell[]): void {
    if (size !== this.size) this.build(size);
    cells.forEach((cell, i) => {
      const element = this.cells[i];
      const text = cell.text.trim();
      const glyph = element.firstElementChild as HTMLElement;
      if (glyph.textContent !== text) glyph.textContent = text;
      const colour = cell.colour === kBlack ? '' : cell.colour;
      if (element.style.color !== colour) element.style.color = colour;
      const row = Math.floor(i / size) + 1;
      const column = (i % size) + 1;
      const name = `${row}行${column}列` + (cell.letter ? ` ${text}` : '');
      if (element.getAttribute('aria-label') !== name) element.setAttribute('aria-label', name);
      element.dataset.mark = String(cell.mark);
      element.classList.toggle('letter', cell.letter);
    });
  }

  // The side of a cell in CSS pixels, to fit the space given (never under 24).
  fit(width: number, height: number): void {
    if (this.size === 0) return;
    const side = Math.max(24, Math.min(56, Math.floor(Math.min(width, height) / this.size)));
    this.grid.style.setProperty('--cell', `${side}px`);
  }

  private build(size: number): void {
    this.size = size;
    this.grid.replaceChildren();
    this.cells = [];
    for (let r = 0; r < size; ++r) {
      const row = document.createElement('div');
      row.setAttribute('role', 'row');
      row.className = 'row';
      for (let c = 0; c < size; ++c) {
        const cell = document.createElement('div');
        cell.setAttribute('role', 'gridcell');
        cell.className = 'cell';
        cell.tabIndex = -1;
        cell.dataset.index = String(r * size + c);
        // The text in a box of its own, which a vertical face turns.
        cell.append(document.createElement('span'));
        row.append(cell);
        this.cells.push(cell);
      }
      this.grid.append(row);
    }
    this.focused = Math.max(0, Math.min(this.focused, size * size - 1));
    if (this.cells.length > 0) this.cells[this.focused].tabIndex = 0;
  }

  private cellAt(target: EventTarget | null): number | null {
    const cell = (target as HTMLElement | null)?.closest?.('.cell') as HTMLElement | null;
    return cell ? Number(cell.dataset.index) : null;
  }

  private pressCell(index: number, button: number): void {
    this.focus(index, false);
    this.input.press(index % this.size, Math.floor(index / this.size), button);
  }

  private listenForPresses(): void {
    let touch: { index: number; x: number; y: number } | null = null;
    this.grid.addEventListener('pointerdown', (event) => {
      const index = this.cellAt(event.target);
      if (index === null) return;
      if (event.pointerType === 'mouse') {
        if (event.button !== 0 && event.button !== 2) return;
        event.preventDefault();
        this.pressCell(index, event.button === 2 || this.input.down() ? 2 : 1);
        const up = (): void => {
          window.removeEventListener('pointerup', up);
          this.input.release();
        };
        window.addEventListener('pointerup', up);
      } else {
        // A finger presses when it lifts where it touched: a drag pans.
        touch = { index, x: event.clientX, y: event.clientY };
      }
    });
    this.grid.addEventListener('pointermove', (event) => {
      if (touch && Math.hypot(event.clientX - touch.x, event.clientY - touch.y) > kTapSlop) {
        touch = null;
      }
    });
    this.grid.addEventListener('pointercancel', () => (touch = null));
    this.grid.addEventListener('pointerup', (event) => {
      if (!touch || event.pointerType === 'mouse') return;
      const { index } = touch;
      touch = null;
      this.pressCell(index, this.input.down() ? 2 : 1);
      this.input.release();
    });
  }

  // Keyboard play: the arrows move between cells, Return or Space presses
  // the cell (across, or down with Shift or 縦に置く).
  private key(event: KeyboardEvent): void {
    const index = this.cellAt(event.target);
    if (index === null) return;
    const moves: Record<string, number> = {
      ArrowLeft: -1,
      ArrowRight: 1,
      ArrowUp: -this.size,
      ArrowDown: this.size,
    };
    if (event.key in moves) {
      event.preventDefault();
      event.stopPropagation();
      const next = index + moves[event.key];
      const sameRow = Math.floor(next / this.size) === Math.floor(index / this.size);
      if (next >= 0 && next < this.size * this.size && (Math.abs(moves[event.key]) > 1 || sameRow)) {
        this.focus(next, true);
      }
    } else if (event.key === 'Enter' || event.key === ' ') {
      event.preventDefault();
      event.stopPropagation();
      this.pressCell(index, event.shiftKey || this.input.down() ? 2 : 1);
      this.input.release();
    }
  }

  private focus(index: number, move: boolean): void {
    this.cells[this.focused].tabIndex = -1;
    this.focused = index;
    this.cells[index].tabIndex = 0;
    if (move) this.cells[index].focus();
  }
}
