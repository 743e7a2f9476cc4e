// The word list: one button a word, named by the word and its points, in
// the colours the game gives its labels. A press is the desktop's press on a
// label: the left button (a tap, Return) selects a word or takes a placed
// one back; the right button held (a long press) shows where it lies.

import type { Word } from './play.js';

export interface WordInput {
  // Entry k (from 1) pressed and released with button 1 (left) or 2 (right).
  press(k: number, button: number): void;
  release(k: number, button: number): void;
}

// A finger held this long on a placed word shows where it lies.
const kLongPressMs = 450;

export class WordList {
  private buttons: HTMLButtonElement[] = [];

  constructor(
    private readonly list: HTMLElement,
    private readonly input: WordInput,
  ) {
    list.addEventListener('contextmenu', (event) => event.preventDefault());
  }

  show(words: Word[]): void {
    if (words.length !== this.buttons.length) this.build(words.length);
    words.forEach((word, i) => {
      const button = this.buttons[i];
      const name = `${word.text} ${word.points}点`;
      if (button.getAttribute('aria-label') !== name) {
        button.setAttribute('aria-label', name);
        (button.firstElementChild as HTMLElement).textContent = word.text;
        (button.lastElementChild as HTMLElement).textContent = String(word.points);
      }
      button.setAttribute('aria-pressed', String(word.selected));
      button.dataset.placed = String(word.placed);
      if (word.placed) button.setAttribute('aria-describedby', 'placed-word');
      else button.removeAttribute('aria-describedby');
      button.style.setProperty('--word', word.colour);
      button.style.setProperty('--points', word.pointsColour);
    });
  }

  private build(count: number): void {
    this.list.replaceChildren();
    this.buttons = [];
    for (let k = 1; k <= count; ++k) {
      const item = document.createElement('li');
      const button = document.createElement('button');
      button.type = 'button';
      button.className = 'word';
      button.append(document.createElement('span'), document.createElement('span'));
      this.listen(button, k);
      item.append(button);
      this.list.append(item);
      this.buttons.push(button);
    }
  }

  private listen(button: HTMLButtonElement, k: number): void {
    let held = 0;
    let timer = 0;
    button.addEventListener('pointerdown', (event) => {
      if (event.pointerType === 'mouse') {
        if (event.button !== 0 && event.button !== 2) return;
        held = event.button === 2 ? 2 : 1;
        this.input.press(k, held);
        return;
      }
      clearTimeout(timer);
      held = 0;
      timer = window.setTimeout(() => {
        held = 2;
        this.input.press(k, 2);
      }, kLongPressMs);
    });
    const lift = (event: PointerEvent): void => {
      clearTimeout(timer);
      if (event.pointerType !== 'mouse' && held === 0 && event.type === 'pointerup') {
        this.input.press(k, 1);
        this.input.release(k, 1);
      } else if (held !== 0) {
        this.input.release(k, held);
      }
      held = 0;
    };
    button.addEventListener('pointerup', lift);
    button.addEventListener('pointercancel', lift);
    button.addEventListener('pointerleave', (event) => {
      if (held !== 0 && event.pointerType === 'mouse') lift(event);
    });
    button.addEventListener('keydown', (event) => {
      if (event.key !== 'Enter' && event.key !== ' ') return;
      event.preventDefault();
      if (event.repeat) return;
      this.input.press(k, 1);
      this.input.release(k, 1);
    });
  }
}
