// Auto-run: the ticks of a lesson's timer, paced by the time since it started rather than by
// the browser's timers (which wake late and clamp short intervals to a few milliseconds).
// Each wake-up does, in one call, the ticks that have come due, and the page repaints once;
// after a pause (a message box, a hidden page) it takes up the pace afresh instead of
// catching up.

const PAUSE_MS = 100; // behind by more than this: a pause, not a slow timer

export class AutoRun {
  // `tick(count)` does up to `count` ticks and returns false when auto-run must wait (a
  // message box is open); `done()` is called after each wake-up's ticks, to repaint.
  constructor(tick, done) {
    this.tick = tick;
    this.done = done;
    this.interval = 0;
    this.timer = null;
    this.waiting = false;
  }

  get running() {
    return this.interval > 0;
  }

  // Follows the model's timer: enabled with an interval above 0 runs, anything else stops.
  // The same interval again keeps the pace.
  follow(timer) {
    const interval = timer?.enabled && timer.interval > 0 ? timer.interval : 0;
    if (interval === this.interval) return;
    this.stop();
    if (interval === 0) return;
    this.interval = interval;
    this.restart();
  }

  stop() {
    clearTimeout(this.timer);
    this.timer = null;
    this.interval = 0;
  }

  // After a pause: the next tick is one interval from now.
  restart() {
    this.started = performance.now();
    this.ticks = 0;
    this.schedule();
  }

  schedule() {
    clearTimeout(this.timer);
    if (!this.running) return;
    const due = this.started + (this.ticks + 1) * this.interval;
    this.timer = setTimeout(() => this.wake(), Math.max(0, due - performance.now()));
  }

  wake() {
    this.timer = null;
    if (!this.running) return;
    const interval = this.interval;
    const due = Math.floor((performance.now() - this.started) / interval);
    if ((due - this.ticks) * interval > PAUSE_MS + interval) this.ticks = due - 1;
    const count = due - this.ticks;
    this.ticks = due;
    if (count > 0 && !this.tick(count)) this.waiting = true;
    this.done();
    if (this.waiting || this.interval !== interval) return;
    this.schedule();
  }

  // A message box shown by a tick was closed: go on from now.
  resume() {
    if (!this.waiting) return;
    this.waiting = false;
    if (this.running) this.restart();
  }
}
