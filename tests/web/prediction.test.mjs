// Predicting each step in the browser: in every lesson, a session answered as a student does
// it (listing lines clicked, True and False, typed values, わからない, Enter and the buttons)
// shows, read from the page, the questions and judgements lesson-console gives for the same
// answers, and the same lesson state; the question window stands beside the lesson without
// covering what the student needs, clear of the trace window; the condition stays hidden
// until answered; what a screen reader is told; an answer that cannot be read is not judged.
import assert from 'node:assert/strict';
import { before, describe, it } from 'node:test';
import { browserSuite, catalog, console as lessonConsole, openSite, openThroughMenus, press, pressOk, readLesson, seen, start } from './support.mjs';

const cat = await catalog();
const ANSWERS = 7; // questions answered in each lesson's session

const question = (form) => `[data-question=${form}]`;

async function click(page, selector) {
  const { x, y } = await page.$eval(selector, (e) => {
    e.focus();
    const r = e.getBoundingClientRect();
    return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
  });
  await page.mouse.click(x, y);
}

const inQuestion = (page, form, control) => click(page, `${question(form)} [data-control="${control}"]`);

// The question window as the student reads it.
function readQuestion(page, form) {
  return page.$eval(question(form), (win) => {
    const get = (key) => win.querySelector(`[data-control="${key}"]`);
    const pressed = ['True', 'False'].find((t) => get(t).getAttribute('aria-pressed') === 'true') ?? null;
    return {
      question: get('Question').innerText, // what is shown: texts shown before stay laid out, hidden
      answer: get('Answer').value,
      typed: !get('Answer').disabled,
      pressed,
      verdict: get('Verdict').innerText,
      score: get('Score').textContent,
    };
  });
}

// The answers of a session, decided from what lesson-console says the right ones are: the
// kind of question, then the right answer (two times in three), a wrong one, or わからない.
// Each entry: null for a step with nothing asked, else {kind, form, expected, given} with
// given null for わからない.
function session(form, mode) {
  const listing = cat.describe(form).listing;
  // A line of the listing other than `line` (the next one that exists).
  const otherLine = (line) => {
    for (let k = 1; k < listing.length; ++k) if (listing[(line + k) % listing.length] !== null) return String((line + k) % listing.length);
    return String(line);
  };
  const commands = [`open ${form}`, `predict "${mode}"`];
  const plan = [];
  while (plan.filter(Boolean).length < ANSWERS && plan.length < 40) {
    const out = lessonConsole([...commands, 'question', 'dontknow']);
    const asked = out.findLast((o) => 'question' in o).question;
    if (!asked) {
      plan.push(null);
      commands.push('step');
      continue;
    }
    const { expected } = out.findLast((o) => o.judgement).judgement;
    const truth = expected === 'True' || expected === 'False';
    const formOf = asked.kind === 'line' ? 'line' : truth ? 'truth' : /^-?\d+$/.test(expected) ? 'number' : 'text';
    const k = plan.filter(Boolean).length;
    let given = expected;
    if (k % 3 === 2) given = null;
    else if (k % 3 === 1)
      given = formOf === 'line' ? otherLine(Number(expected)) : formOf === 'truth' ? (expected === 'True' ? 'False' : 'True') : formOf === 'number' ? String(Number(expected) === 0 ? 1 : 0) : `${expected}x`;
    plan.push({ kind: asked.kind, form: formOf, text: asked.text, expected, given });
    commands.push(given === null ? 'dontknow' : `answer ${JSON.stringify(given)}`);
  }
  return { plan, commands };
}

// Gives an answer in the page as a student does, in one of several ways.
async function answer(page, form, step, k) {
  if (step.given === null) return inQuestion(page, form, 'DontKnow');
  switch (step.form) {
    case 'line':
      if (k % 2 === 0) {
        // The listing line clicked, then 答えて進む; or clicked twice.
        await press(page, form, `Label1(${step.given})`);
        return k % 4 === 0 ? inQuestion(page, form, 'Judge') : press(page, form, `Label1(${step.given})`);
      }
      await inQuestion(page, form, 'Answer');
      await page.keyboard.type(step.given);
      return page.keyboard.press('Enter');
    case 'truth':
      if (k % 2 === 0) {
        await inQuestion(page, form, step.given);
        return inQuestion(page, form, 'Judge');
      }
      await inQuestion(page, form, 'Judge'); // the focus in the window, then its keys
      await pressOk(page); // (with nothing chosen, a message says what is expected)
      await page.keyboard.press(step.given === 'True' ? 't' : 'f');
      return page.keyboard.press('Enter');
    default:
      await inQuestion(page, form, 'Answer');
      await page.keyboard.type(step.given);
      return page.keyboard.press('Enter');
  }
}

describe('predicting each step in the page', () => {
  const suite = browserSuite();

  for (const { form } of cat.lessons) {
    it(`${form}: the questions and judgements are lesson-console's`, async () => {
      // A page of its own: the random draws start where lesson-console's start.
      const page = await openSite(suite.browser, suite.site.url);
      await start(page);
      const mode = ['auto', 'line', 'condition', 'value'][cat.lessons.findIndex((l) => l.form === form) % 4];
      const { plan, commands } = session(form, mode);
      const out = lessonConsole([...commands.slice(0, 2), ...commands.slice(2).flatMap((c) => ['question', c]), 'view']);
      const asked = out.filter((o) => 'question' in o).map((o) => o.question);
      const judged = out.filter((o) => o.judgement).map((o) => o.judgement);
      await openThroughMenus(page, cat, form);
      await press(page, form, 'PredictButton');
      await page.waitForSelector(question(form));
      await inQuestion(page, form, `Mode(${['off', 'line', 'condition', 'value', 'auto'].indexOf(mode)})`);
      let j = 0;
      for (let k = 0; k < plan.length; ++k) {
        const step = plan[k];
        const shown = await readQuestion(page, form);
        assert.equal(shown.question === asked[k]?.text, Boolean(asked[k]), `${form} step ${k}: ${shown.question}`);
        if (!step) {
          await press(page, form, 'Command1');
          await pressOk(page);
          continue;
        }
        assert.equal(shown.question, step.text);
        await answer(page, form, step, j);
        await pressOk(page); // the step's own message boxes
        const after = await readQuestion(page, form);
        const verdict = judged[j++];
        assert.equal(verdict.expected, step.expected);
        const mark = step.given === null ? '—' : verdict.correct ? '○' : '×';
        assert.ok(after.verdict.startsWith(mark) && after.verdict.includes(verdict.expected), `${form} step ${k}: ${after.verdict}`);
      }
      const view = out[out.length - 1];
      assert.equal((await readQuestion(page, form)).score, `予想 ${view.prediction.asked}問中 ${view.prediction.correct}問正解`);
      const { board, ...state } = await readLesson(page, form); // (the board: sessions.test.mjs)
      const { board: pegs, ...expected } = seen(view, () => undefined);
      assert.deepEqual(state, expected);
      await page.$eval(`[data-form=${form}] .titlebar .close`, (b) => b.click());
      assert.equal(await page.$(question(form)), null); // closed with its lesson window
      assert.deepEqual(page.errors, []);
      await page.close();
    });
  }
});

// Where the windows stand: the question window beside the lesson, never over its listing, its
// note or 進む, and clear of the trace window whichever opened first.
describe('the question window beside the lesson', () => {
  for (const scale of [1, 2]) {
    const suite = browserSuite();
    let page;
    before(async () => {
      page = await openSite(suite.browser, suite.site.url, { scale });
      await start(page);
    });
    const forms = cat.lessons.map((l) => l.form).filter((f) => scale === 1 || ['frm8Queen', 'frmHanoi', 'frmSortQuick', 'frmTotal'].includes(f));
    for (const form of forms) {
      it(`${form} at device scale ${scale}`, async () => {
        const traceFirst = forms.indexOf(form) % 2 === 0;
        await openThroughMenus(page, cat, form);
        const openTrace = async () => {
          await press(page, form, 'TraceButton');
          await page.waitForSelector(`[data-trace=${form}]`);
        };
        if (traceFirst) await openTrace();
        await press(page, form, 'PredictButton');
        await page.waitForSelector(question(form));
        if (!traceFirst) await openTrace();
        const rects = await page.evaluate((f) => {
          const r = (e) => {
            const b = e.getBoundingClientRect();
            return [b.left, b.top, b.right, b.bottom];
          };
          const lesson = document.querySelector(`[data-form=${f}]`);
          return {
            view: [0, 0, document.documentElement.clientWidth, document.documentElement.clientHeight],
            question: r(document.querySelector(`[data-question=${f}]`)),
            trace: r(document.querySelector(`[data-trace=${f}]`)),
            kept: ['Frame1', 'Label2', 'Command1'].map((k) => r(lesson.querySelector(`[data-control=${k}]`))),
            client: r(lesson.querySelector('.client')),
            questionClient: r(document.querySelector(`[data-question=${f}] .client`)),
          };
        }, form);
        const overlaps = (a, b) => a[0] < b[2] && b[0] < a[2] && a[1] < b[3] && b[1] < a[3];
        const inside = (a, b) => a[0] >= b[0] - 0.5 && a[1] >= b[1] - 0.5 && a[2] <= b[2] + 0.5 && a[3] <= b[3] + 0.5;
        assert.ok(inside(rects.question, rects.view), `${form}: the question window leaves the page`);
        for (const kept of rects.kept) assert.ok(!overlaps(rects.question, kept), `${form}: the question window covers the lesson`);
        assert.ok(!overlaps(rects.question, rects.trace), `${form}: the question and trace windows overlap`);
        const d = cat.describe(form).questionWindow;
        assert.deepEqual(
          [rects.questionClient[2] - rects.questionClient[0], rects.questionClient[3] - rects.questionClient[1]],
          [d.width / 15, d.height / 15],
        );
        await page.$eval(`[data-form=${form}] .titlebar .close`, (b) => b.click());
        assert.equal(await page.$(question(form)), null);
        assert.deepEqual(page.errors, []);
      });
    }
  }
});

// The array total by keyboard with a screen reader's live region: the condition kept from
// view until answered, an answer that cannot be read, the judgement and the next question told.
describe('predicting by keyboard', () => {
  const suite = browserSuite();
  it('frmTotal', async () => {
    const page = await openSite(suite.browser, suite.site.url);
    await start(page);
    await openThroughMenus(page, cat, 'frmTotal');
    const live = () => page.$eval('[data-form=frmTotal] [role=status]', (e) => e.textContent);
    await press(page, 'frmTotal', 'Command1');
    await press(page, 'frmTotal', 'Command1'); // on the loop's test
    await page.keyboard.press('F8');
    await page.waitForSelector(question('frmTotal'));
    await inQuestion(page, 'frmTotal', 'Mode(2)'); // 条件
    assert.equal((await readLesson(page, 'frmTotal')).condition, '  i < a.Length');
    await page.waitForFunction(() => document.querySelector('[data-form=frmTotal] [role=status]').textContent.includes('質問 条件 i < a.Length は True ですか、False ですか。'));
    assert.ok((await live()).startsWith('予想のしかた 条件。3行目 '), await live());

    // Nothing chosen: a message says what is expected, and nothing runs.
    await inQuestion(page, 'frmTotal', 'Judge');
    const [message] = await pressOk(page);
    assert.equal(message.text, lessonConsole(['open frmTotal', 'step 2', 'predict "condition"', 'answer ""']).find((o) => o.message).message);
    assert.equal((await readLesson(page, 'frmTotal')).line, 3);

    await page.keyboard.press('f');
    assert.equal((await readQuestion(page, 'frmTotal')).pressed, 'False');
    await page.waitForFunction(() => document.querySelector('[data-form=frmTotal] [role=status]').textContent === '予想 False', { timeout: 3000 }).catch(() => {});
    assert.equal(await live(), '予想 False');
    await page.keyboard.press('t');
    await page.keyboard.press('Enter');
    assert.equal((await readLesson(page, 'frmTotal')).line, 4);
    assert.equal((await readQuestion(page, 'frmTotal')).verdict, '○ 正解です（True）');
    await page.waitForFunction(() => document.querySelector('[data-form=frmTotal] [role=status]').textContent.startsWith('○ 正解です（True）。4行目 '));

    // 値: the answer box takes the answer; full-width digits read as the lesson reads them.
    await inQuestion(page, 'frmTotal', 'Mode(3)');
    await inQuestion(page, 'frmTotal', 'Answer');
    await page.keyboard.type('１３');
    await page.keyboard.press('Enter');
    assert.equal((await readQuestion(page, 'frmTotal')).verdict, '○ 正解です（13）');
    assert.equal((await readQuestion(page, 'frmTotal')).score, '予想 2問中 2問正解');
    // Esc closes the window, and the mode goes off.
    await page.keyboard.press('Escape');
    assert.equal(await page.$(question('frmTotal')), null);
    assert.equal((await readLesson(page, 'frmTotal')).condition, '  i < a.Length : True');
    assert.deepEqual(page.errors, []);
    await page.close();
  });
});
