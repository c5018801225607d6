// A lesson worked in the page as a student works it (typing, good and bad, steps, notes,
// options, check boxes, 配列値設定, 先頭に戻る, ◀, auto-run), and what lesson-console answers to
// the same script after each action: the page is read as a student sees it.
import assert from 'node:assert/strict';
import { console as lessonConsole, openThroughMenus, press, pressOk, readLesson, seen, start } from './support.mjs';

const json = JSON.stringify;

// The student's actions for a lesson window, each as the page is worked and as the
// lesson-console command that does the same.
function script(d, { ticks }) {
  const boxes = d.controls.filter((c) => c.name === 'Text1').map((c) => c.index);
  const has = (name) => d.controls.some((c) => c.name === name);
  const first = Math.min(...boxes);
  const last = Math.max(...boxes);
  const steps = (n) => Array.from({ length: n }, () => ['step']);
  return [
    ...steps(3),
    ['note', 1],
    ['set', first, 'abc'],
    ['step'],
    ['set', last, '40000'],
    ['step'],
    ['set', last, '１２'],
    ['step'],
    ...(has('Option1') ? [['option', 2], ['step'], ['option', 1]] : []),
    ...(has('Check1') ? [['check', 'Check1', 0, 1], ['step']] : []),
    ...(has('Command5') ? [['fill'], ['step']] : []),
    ['back'],
    ...steps(2),
    ['stepback'],
    ticks ? ['autorun', '100', 3] : ['autorun', '600000', 0],
    ['stop'],
  ];
}

const STEP_LIKE = new Set(['step', 'back', 'option', 'fill']);

// Auto-run waits while a message box is open: of its ticks, those up to the first that shows
// a message happen.
function ticksUntilMessage(form, done, [, interval, ticks]) {
  const lines = consoleLines(form, done);
  const views = lines.filter((l) => l === 'view').length;
  lines.push(`autorun ${json(interval)}`);
  for (let t = 0; t < ticks; ++t) lines.push('tick', 'view');
  let seenViews = 0;
  let tick = 0;
  let message = false;
  for (const answer of lessonConsole(lines)) {
    if (answer.message !== undefined && seenViews >= views) message = true;
    if (answer.line === undefined) continue;
    if (++seenViews <= views) continue;
    ++tick;
    if (message) return tick;
  }
  return ticks;
}

function consoleLines(form, actions) {
  const lines = [`open ${form}`];
  for (const [action, ...args] of actions) {
    lines.push('view');
    if (action === 'set') lines.push(`set ${args[0]} ${json(args[1])}`);
    else if (action === 'check') lines.push(`check ${args.join(' ')}`);
    else if (action === 'option' || action === 'note') lines.push(`${action} ${args[0]}`);
    else if (action === 'autorun') lines.push(`autorun ${json(args[0])}`, ...(args[1] ? [`tick ${args[1]}`] : []));
    else lines.push(action);
  }
  lines.push('view');
  return lines;
}

// The states of a console run: after each action of `done`, its view and its messages.
function runStates(form, done) {
  const states = [];
  let messages = [];
  for (const answer of lessonConsole(consoleLines(form, done))) {
    if (answer.error) throw new Error(`lesson-console: ${answer.error}`);
    if (answer.message !== undefined) messages.push(answer.message);
    if (answer.line === undefined) continue;
    states.push({ view: answer, messages });
    messages = [];
  }
  return states;
}

// What the window shows after each number of actions (0 to all): lesson-console's view and
// the messages of the last action. The console has no ◀: the step taken back is left out, and
// the state is the one before it. One console run serves every prefix of its script.
function expectedStates(form, actions) {
  const scripts = [];
  const done = [];
  scripts.push({ done: [], stepback: false });
  for (const action of actions) {
    if (action[0] === 'stepback') {
      done.splice(done.findLastIndex((a) => STEP_LIKE.has(a[0])));
    } else {
      done.push(action[0] === 'autorun' ? ['autorun', action[1], ticksUntilMessage(form, done, action)] : action);
    }
    scripts.push({ done: done.slice(), stepback: action[0] === 'stepback' });
  }
  const runs = [];
  const prefixOf = (short, long) => short.length <= long.length && short.every((a, k) => a === long[k]);
  return scripts
    .slice()
    .reverse()
    .map(({ done: d, stepback }) => {
      let run = runs.find((r) => prefixOf(d, r.done));
      if (!run) runs.push((run = { done: d, states: runStates(form, d) }));
      const { view, messages } = run.states[d.length];
      return { view, messages: stepback ? [] : messages };
    })
    .reverse();
}

export async function typeInto(page, form, control, text) {
  await press(page, form, control, { count: 3 });
  await page.keyboard.down('Control');
  await page.keyboard.press('a');
  await page.keyboard.up('Control');
  if (text === '') await page.keyboard.press('Backspace');
  else await page.keyboard.type(text);
}

async function act(page, form, [action, ...args], cdp) {
  const buttons = { step: 'Command1', back: 'Command2', fill: 'Command5', stepback: 'StepBack' };
  switch (action) {
    case 'step':
    case 'back':
    case 'fill':
    case 'stepback':
      return press(page, form, buttons[action]);
    case 'stop':
      return page.keyboard.press('Escape');
    case 'note':
      return press(page, form, `Label1(${args[0]})`);
    case 'option':
      return press(page, form, `Option${args[0]}`);
    case 'check': {
      const selector = `[data-form=${form}] [data-control="${args[0]}(${args[1]})"] input`;
      if ((await page.$eval(selector, (e) => e.checked)) !== (args[2] === 1)) await press(page, form, `${args[0]}(${args[1]})`);
      return;
    }
    case 'set':
      return typeInto(page, form, `Text1(${args[0]})`, args[1]);
    case 'autorun': {
      await typeInto(page, form, 'txtTime', args[0]);
      if (!cdp) return page.keyboard.press('F5');
      // The timer's ticks in virtual time: exactly `ticks` intervals pass.
      await cdp.send('Emulation.setVirtualTimePolicy', { policy: 'pause' });
      await page.keyboard.press('F5');
      const expired = new Promise((done) => cdp.once('Emulation.virtualTimeBudgetExpired', done));
      await cdp.send('Emulation.setVirtualTimePolicy', { policy: 'advance', budget: Number(args[0]) * args[1] + 50 });
      return expired;
    }
    default:
      throw new Error(`no such action ${action}`);
  }
}

// How the page describes the Tower of Hanoi board to those who cannot see the picture.
export const boardText = (pegs) => pegs.map((disks, k) => `${k + 1}本目の棒: ${disks.length ? disks.join(', ') : 'なし'}`).join('。');

// Works `form` in `page` (open on the opening screen) action by action and holds what the
// window shows after each to lesson-console's answer. `cdp`: Chromium's DevTools session,
// whose virtual time lets auto-run tick exactly; without it auto-run is started at an interval
// too long to tick during the test and stopped.
export async function workLesson(page, cat, form, cdp) {
  const actions = script(cat.describe(form), { ticks: !!cdp });
  await start(page);
  await openThroughMenus(page, cat, form);
  const expected = expectedStates(form, actions);
  for (let count = 0; count <= actions.length; ++count) {
    const what = count ? actions[count - 1].join(' ') : 'after loading';
    if (count) await act(page, form, actions[count - 1], cdp);
    const { view, messages } = expected[count];
    const shown = await pressOk(page);
    assert.deepEqual(shown.map((m) => m.text.replace(/\n/g, '\r\n')), messages, `${form}, ${what}: messages`);
    assert.ok(shown.every((m) => m.title === 'Project1'), `${form}, ${what}: message caption`);
    assert.deepEqual(await readLesson(page, form), seen(view, boardText), `${form}, ${what}`);
  }
}
