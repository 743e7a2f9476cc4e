// The generator, off the page's thread: the puzzle of the day and puzzles by
// theme, size, level and seed. Before each making it says how long the making
// is planned to take, so that the page can show its progress.

interface MakeModule {
  HEAP8: Int8Array;
  ccall(name: string, ret: 'number' | 'string', types: string[], args: unknown[]): unknown;
  FS: { readFile(path: string): Uint8Array };
}
type MakeFactory = () => Promise<MakeModule>;

interface Request {
  id: number;
  kind: 'daily' | 'make' | 'themes';
  date?: string;
  theme?: string;
  size?: number;
  level?: number;
  seed?: number;
}

const worker = self as unknown as DedicatedWorkerGlobalScope;
const loading: Promise<MakeModule> = import(new URL('./tsubura-make.js', import.meta.url).href).then(
  (glue: { default: MakeFactory }) => glue.default(),
);

function make(module: MakeModule, request: Request): void {
  const size = request.kind === 'daily' ? 15 : (request.size ?? 15);
  const seconds = module.ccall('tsubura_planned_seconds', 'number', ['number'], [size]);
  worker.postMessage({ id: request.id, kind: 'started', seconds });
  const text =
    request.kind === 'daily'
      ? module.ccall('tsubura_make_daily', 'string', ['string'], [request.date])
      : module.ccall(
          'tsubura_make',
          'string',
          ['string', 'number', 'number', 'number', 'string'],
          [request.theme, size, request.level, request.seed, request.date],
        );
  const answer = JSON.parse(text as string) as { path?: string; error?: string };
  if (!answer.path) {
    worker.postMessage({ id: request.id, kind: 'error', message: answer.error ?? '' });
    return;
  }
  const bytes = module.FS.readFile(answer.path);
  // The module's memory only grows: its size now is the making's peak.
  const memory = module.HEAP8.buffer.byteLength;
  worker.postMessage({ id: request.id, kind: 'made', answer, bytes, memory }, [bytes.buffer]);
}

worker.addEventListener('message', (event: MessageEvent<Request>) => {
  const request = event.data;
  void loading.then((module) => {
    if (request.kind === 'themes') {
      const themes = JSON.parse(module.ccall('tsubura_themes', 'string', [], []) as string);
      worker.postMessage({ id: request.id, kind: 'themes', themes });
    } else {
      make(module, request);
    }
  });
});
