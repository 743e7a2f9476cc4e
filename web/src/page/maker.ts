// The page's side of the generator's worker: one making at a time, with its
// planned seconds told as soon as it starts; a making stopped ends the worker,
// and the next one starts a fresh worker.

export interface Made {
  name: string;
  heading: string;
  recordName: string;
  level: string;
  best: number;
  optimal: boolean;
  date: string;
  bytes: Uint8Array;
  // The generator's memory when it was done, in bytes.
  memory: number;
}

export interface Theme {
  id: string;
  name: string;
}

export interface MakeRequest {
  kind: 'daily' | 'make';
  date: string;
  theme?: string;
  size?: number;
  level?: number;
  seed?: number;
}

interface Reply {
  id: number;
  kind: 'started' | 'made' | 'error' | 'themes';
  seconds?: number;
  answer?: Omit<Made, 'bytes' | 'memory'>;
  bytes?: Uint8Array;
  memory?: number;
  message?: string;
  themes?: Theme[];
}

export class Stopped extends Error {}

export class Maker {
  private worker: Worker | null = null;
  private next = 0;
  private stop: (() => void) | null = null;

  // Makes a puzzle; `started` hears the planned seconds.
  make(request: MakeRequest, started: (seconds: number) => void): Promise<Made> {
    return this.ask(request, (reply, resolve, reject) => {
      if (reply.kind === 'started') started(reply.seconds ?? 0);
      else if (reply.kind === 'made') resolve({ ...reply.answer!, bytes: reply.bytes!, memory: reply.memory ?? 0 });
      else reject(new Error(reply.message));
    });
  }

  themes(): Promise<Theme[]> {
    return this.ask({ kind: 'themes' }, (reply, resolve) => resolve(reply.themes ?? []));
  }

  // Starts the worker, so that the generator is ready by the first making.
  warm(): void {
    this.worker ??= this.newWorker();
  }

  // Stops the making under way, if any.
  cancel(): void {
    this.stop?.();
  }

  private newWorker(): Worker {
    return new Worker(new URL('../make-worker.js', import.meta.url), { type: 'module' });
  }

  private ask<T>(
    request: object,
    handle: (reply: Reply, resolve: (value: T) => void, reject: (error: Error) => void) => void,
  ): Promise<T> {
    const worker = (this.worker ??= this.newWorker());
    const id = ++this.next;
    return new Promise<T>((resolve, reject) => {
      const done = (): void => {
        worker.removeEventListener('message', listen);
        this.stop = null;
      };
      const listen = (event: MessageEvent<Reply>): void => {
        if (event.data.id !== id) return;
        handle(
          event.data,
          (value) => (done(), resolve(value)),
          (error) => (done(), reject(error)),
        );
      };
      worker.addEventListener('message', listen);
      this.stop = () => {
        done();
        worker.terminate();
        this.worker = null;
        reject(new Stopped());
      };
      worker.postMessage({ id, ...request });
    });
  }
}
