// The game's message dialog: its text, title and button captions all come
// from the game; the answer is the index of the button chosen. Modal, as on
// the desktop: the page behind it takes no input until it is answered.

export class MessageDialog {
  constructor(private readonly dialog: HTMLDialogElement) {
    // Escape answers as the only button would; a real choice must be made.
    dialog.addEventListener('cancel', (event) => {
      if (dialog.querySelectorAll('button').length > 1) event.preventDefault();
    });
  }

  ask(message: string, title: string, captions: string[]): Promise<number> {
    const dialog = this.dialog;
    (dialog.querySelector('.title') as HTMLElement).textContent = title;
    (dialog.querySelector('.text') as HTMLElement).textContent = message;
    const row = dialog.querySelector('.buttons') as HTMLElement;
    row.replaceChildren();
    return new Promise((resolve) => {
      const answer = (index: number): void => {
        dialog.removeEventListener('close', closed);
        dialog.close();
        resolve(index);
      };
      const closed = (): void => answer(0);
      captions.forEach((caption, index) => {
        const button = document.createElement('button');
        button.type = 'button';
        button.textContent = caption;
        button.addEventListener('click', () => answer(index));
        row.append(button);
      });
      dialog.addEventListener('close', closed);
      dialog.showModal();
      (row.firstElementChild as HTMLElement | null)?.focus();
    });
  }
}
