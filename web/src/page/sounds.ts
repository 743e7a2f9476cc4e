// The game's sound clips (sounds/soundN.wav). A new sound cuts off the one
// playing, as on the desktop; a clip the page cannot load or play is silent.

export class Sounds {
  private context: AudioContext | null = null;
  private readonly clips = new Map<number, Promise<AudioBuffer | null>>();
  private playing: AudioBufferSourceNode | null = null;

  constructor() {
    // A browser lets a page sound only once the player has touched it.
    for (const event of ['pointerdown', 'keydown']) {
      document.addEventListener(event, () => void this.context?.resume().catch(() => undefined));
    }
  }

  play(n: number): void {
    try {
      this.context ??= new AudioContext();
    } catch {
      return;
    }
    const context = this.context;
    void this.clip(context, n).then((buffer) => {
      if (!buffer) return;
      this.playing?.stop();
      const source = context.createBufferSource();
      source.buffer = buffer;
      source.connect(context.destination);
      source.start();
      this.playing = source;
    });
  }

  private clip(context: AudioContext, n: number): Promise<AudioBuffer | null> {
    let clip = this.clips.get(n);
    if (!clip) {
      clip = fetch(`sounds/sound${n}.wav`)
        .then((response) => (response.ok ? response.arrayBuffer() : Promise.reject()))
        .then((bytes) => context.decodeAudioData(bytes))
        .catch(() => null);
      this.clips.set(n, clip);
    }
    return clip;
  }
}
