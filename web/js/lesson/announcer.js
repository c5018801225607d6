// Tells a screen reader what an action did, through the window's live region, as the desktop
// window's Announcer does: the student's own actions at once; the steps of auto-run once the
// last announcement has had time to be spoken, and then only the latest state; after a message
// box, a moment after it closed. The engine composes the text when it is said.
//
// "At once" is once the frame that shows the action has been drawn: the student sees a step
// without waiting for its narration to be laid out, and a screen reader, which reads the page
// frame by frame, hears it a frame later. What is said then is the state then: of actions
// taken within one frame, the last is told.

// Runs `run` after the next frame (at once in a hidden page, which draws none); answers how to
// cancel it.
function afterFrame(run) {
  if (document.hidden) {
    const timer = setTimeout(run, 0);
    return () => clearTimeout(timer);
  }
  let timer = null;
  const frame = requestAnimationFrame(() => {
    timer = setTimeout(run, 0);
  });
  return () => {
    cancelAnimationFrame(frame);
    clearTimeout(timer);
  };
}

export class Announcer {
  // `say(event)` tells the event with the current state and answers how long that takes to
  // speak (ms), or 0 when there was nothing to tell; `write(text)` tells a text as it is;
  // `afterDialog`: how long an announcement waits after a message box closed (ms).
  constructor(say, write, afterDialog) {
    this.say = say;
    this.write = write;
    this.afterDialog = afterDialog;
    this.timer = null;
    this.cancelSoon = null;
    this.pending = '';
    this.since = -Infinity;
    this.busyFor = 0;
  }

  // `when`: "now", "whenFree" or "afterDialog", as the engine answers it.
  announce(event, when) {
    if (when === 'whenFree') {
      if (this.cancelSoon) return; // what is about to be told tells the state as it is then
      const spoken = performance.now() - this.since;
      if (!this.timer && spoken >= this.busyFor) {
        this.speak(event);
        return;
      }
      this.pending = event;
      this.timer ??= setTimeout(() => this.speak(this.pending), Math.max(0, this.busyFor - spoken));
      return;
    }
    this.stop();
    if (when === 'afterDialog') {
      this.pending = event;
      this.timer = setTimeout(() => this.speak(this.pending), this.afterDialog);
    } else {
      this.soon(() => this.speak(event));
    }
  }

  // A text of the student's own choosing (an answer chosen), told at once in its place.
  tell(text) {
    this.stop();
    this.soon(() => this.write(text));
  }

  soon(run) {
    this.cancelSoon = afterFrame(() => {
      this.cancelSoon = null;
      run();
    });
  }

  speak(event) {
    this.stop();
    this.pending = '';
    const speaking = this.say(event);
    if (!speaking) return;
    this.since = performance.now();
    this.busyFor = speaking;
  }

  stop() {
    clearTimeout(this.timer);
    this.timer = null;
    this.cancelSoon?.();
    this.cancelSoon = null;
  }
}
