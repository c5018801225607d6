// The trace window (トレース表) read as a student reads it, and what it must show: the rows of
// lesson-console's trace of the same session.
import assert from 'node:assert/strict';
import { typeInto } from './scripted.mjs';
import { console as lessonConsole, openThroughMenus, press, pressOk } from './support.mjs';

export const trace = (form) => `[data-trace=${form}]`;

// The trace window of `form` as a student reads it, scrolled from top to bottom and from
// left to right (only the cells in view are in the page): the headers, the row count, and
// every row's cells with the marks each cell shows.
async function readTable(page, form) {
  return page.$eval(trace(form), async (win) => {
    const grid = win.querySelector('[role=grid]');
    const frame = () => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r)));
    const headers = [...grid.querySelectorAll('[role=columnheader]')].map((e) => e.textContent);
    const rows = new Map();
    const collect = () => {
      for (const row of grid.querySelectorAll('.rows [role=row]')) {
        const index = Number(row.getAttribute('aria-rowindex'));
        if (!rows.has(index)) rows.set(index, { cells: [], changed: new Set(), typed: new Set(), marks: [] });
        const r = rows.get(index);
        for (const c of row.querySelectorAll('[role=gridcell]')) {
          const k = Number(c.getAttribute('aria-colindex')) - 1;
          r.cells[k] = c.textContent;
          if (c.classList.contains('changed')) r.changed.add(k);
          if (c.classList.contains('typed')) r.typed.add(k);
          r.marks[k] = c.getAttribute('aria-description') ?? '';
        }
      }
    };
    grid.scrollTop = 0;
    for (;;) {
      grid.scrollLeft = 0;
      for (;;) {
        await frame();
        collect();
        if (grid.scrollLeft + grid.clientWidth >= grid.scrollWidth - 1) break;
        grid.scrollLeft += grid.clientWidth / 2;
      }
      if (grid.scrollTop + grid.clientHeight >= grid.scrollHeight - 1) break;
      grid.scrollTop += grid.clientHeight / 2;
    }
    const count = Number(grid.getAttribute('aria-rowcount')) - 1;
    const named = (set) => headers.filter((_, k) => set.has(k));
    return {
      headers,
      count: win.querySelector('.count').textContent,
      rows: Array.from({ length: count }, (_, k) => {
        const r = rows.get(k + 2);
        return r ? { cells: Array.from(headers, (_, c) => r.cells[c] ?? null), changed: named(r.changed), typed: named(r.typed), marks: Array.from(headers, (_, c) => r.marks[c] ?? null) } : null;
      }),
    };
  });
}

// What the table shows of lesson-console's trace rows: the desktop table's texts.
function expectedTable(cat, form, rows) {
  const d = cat.describe(form);
  const caption = (name) => d.controls.find((c) => c.name === name)?.caption ?? '';
  const sections = { load: '初期状態', back: '先頭に戻る', fill: '配列値設定', option1: `「${caption('Option1')}」を選択`, option2: `「${caption('Option2')}」を選択` };
  const tidy = (text) => (text ?? '').replace(/[\s\u3000]+/g, ' ').trim();
  const oneLine = (text, lineBreak = '↵') => text.replace(/\r\n|\r|\n/g, lineBreak);
  const value = (v) => (typeof v === 'boolean' ? (v ? 'True' : 'False') : oneLine(String(v)));
  const names = Object.keys(rows[0].values);
  return {
    headers: ['手順', '行', '実行した文', '次の行', '条件', ...names, 'メッセージ', '入力した値'],
    count: `${rows.length} 行`,
    rows: rows.map((r) => ({
      cells: [
        r.event === 'step' ? String(r.step) : sections[r.event],
        r.ran === null ? '' : String(r.ran),
        tidy(r.statement),
        String(r.line),
        tidy(r.condition),
        ...names.map((n) => value(r.values[n])),
        oneLine(r.messages.join('\r\n'), ' / '),
        names.filter((n) => n in r.typed).map((n) => `${n}=${r.typed[n]}`).join(', '),
      ],
      changed: names.filter((n) => r.changed.includes(n)),
      typed: names.filter((n) => n in r.typed),
      marks: [
        r.event === 'step' ? '' : '区切り',
        '',
        '',
        '',
        '',
        ...names.map((n) => [n in r.typed ? '入力した値' : '', r.changed.includes(n) ? '前の行から変わった値' : ''].filter(Boolean).join('、')),
        '',
        '',
      ],
    })),
  };
}

// The lesson window's close box (the trace window may stand over it).
export const closeLesson = (page, form) => page.$eval(`[data-form=${form}] .titlebar .close`, (b) => b.click());

// Waits until the trace window shows `count` rows (it catches up a few times a second).
export async function settle(page, form, count) {
  await page.waitForFunction((sel, text) => document.querySelector(`${sel} .count`)?.textContent === text, { timeout: 5000 }, trace(form), count);
}

// Sessions worked in the page (with the trace window open beside) and the same session as
// lesson-console commands; ◀ has no console command, so the step it takes back is left out.
export const SESSIONS = [
  {
    what: 'a typed value, a refused step, 先頭に戻る and ◀',
    form: 'frmFact',
    page: [['step', 2], ['set', 0, '40000'], ['step', 1], ['set', 0, '4'], ['step', 3], ['back'], ['step', 2], ['stepback']],
    console: ['step 2', 'set 0 "40000"', 'step', 'set 0 "4"', 'step 3', 'back', 'step'],
  },
  {
    what: 'typed values in an array, and ◀',
    form: 'frmTotal',
    page: [['step', 3], ['set', 2, '5'], ['step', 2], ['stepback'], ['step', 4]],
    console: ['step 3', 'set 2 "5"', 'step 5'],
  },
  {
    what: 'the option buttons of the stack and its message',
    form: 'frmStack',
    page: [['option', 2], ['step', 3], ['option', 1], ['step', 2]],
    console: ['option 2', 'step 3', 'option 1', 'step 2'],
  },
];

// Works one of SESSIONS with the trace window open beside the lesson and holds the table to
// lesson-console's trace; closing the lesson closes the trace window.
export async function workTraceSession(page, cat, { form, page: actions, console: commands }) {
  await openThroughMenus(page, cat, form);
  await press(page, form, 'TraceButton');
  await page.waitForSelector(trace(form));
  for (const [action, ...args] of actions) {
    if (action === 'set') await typeInto(page, form, `Text1(${args[0]})`, args[1]);
    else if (action === 'option') await press(page, form, `Option${args[0]}`);
    else {
      const control = { step: 'Command1', back: 'Command2', stepback: 'StepBack' }[action];
      for (let k = 0; k < (args[0] ?? 1); ++k) {
        await press(page, form, control);
        await pressOk(page);
      }
    }
  }
  const rows = lessonConsole([`open ${form}`, ...commands, 'trace']).filter((a) => a.row !== undefined);
  const expected = expectedTable(cat, form, rows);
  await settle(page, form, expected.count);
  assert.deepEqual(await readTable(page, form), expected);
  assert.equal(await page.$eval(`${trace(form)} h2`, (e) => e.textContent), `トレース表 - ${cat.lessons.find((l) => l.form === form).caption}`);
  // Closed with its lesson window.
  await closeLesson(page, form);
  assert.equal(await page.$(trace(form)), null);
}
