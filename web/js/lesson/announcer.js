// Tells a screen reader what an action did, through the window's live region, as the desktop
// window's Announcer does: the student's own actions at once; the steps of auto-run once the
// last announcement has had time to be spoken, and then only the latest state; after a message
// box, a moment after it closed. The engine composes the text when it is said.

export class Announcer {
  // `say(event)` tells the event with the current state and answers how long that takes to
  // speak (ms), or 0 when there was nothing to tell; `afterDialog`: how long an announcement
  // waits after a message box closed (ms).
  constructor(say, afterDialog) {
    this.say = say;
    this.afterDialog = afterDialog;
    this.timer = null;
    this.pending = '';
    this.since = -Infinity;
    this.busyFor = 0;
  }

  // `when`: "now", "whenFree" or "afterDialog", as the engine answers it.
  announce(event, when) {
    if (when === 'whenFree') {
      const spoken = performance.now() - this.since;
      if (!this.timer && spoken >= this.busyFor) {
        this.speak(event);
        return;
      }
      this.pending = event;
      this.timer ??= setTimeout(() => this.speak(this.pending), Math.max(0, this.busyFor - spoken));
      return;
    }
    clearTimeout(this.timer);
    this.timer = null;
    if (when === 'afterDialog') {
      this.pending = event;
      this.timer = setTimeout(() => this.speak(this.pending), this.afterDialog);
    } else {
      this.speak(event);
    }
  }

  speak(event) {
    clearTimeout(this.timer);
    this.timer = null;
    this.pending = '';
    const speaking = this.say(event);
    if (!speaking) return;
    this.since = performance.now();
    this.busyFor = speaking;
  }

  stop() {
    clearTimeout(this.timer);
    this.timer = null;
  }
}
