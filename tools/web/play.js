#!/usr/bin/env node

// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays scenario files (tests/scenarios/*.scn) in the web page inside Debian's headless
// Chromium, with real input events sent through the DevTools protocol, and checks
// what the page shows. Usage: play.js PAGE.html FILE...
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const {launch, newPage, stop} = require('./browser');

// --- Scenario files ---------------------------------------------------------------

function tokens(line) {
  const words = [];
  const pattern = /"((?:[^"\\]|\\.)*)"|(\S+)/g;
  for (let match; (match = pattern.exec(line));) {
    words.push(match[1] !== undefined ? match[1].replace(/\\(.)/g, (_, c) => (c === 'n' ? '\n' : c))
                                      : match[2]);
  }
  return words;
}

function parse(file) {
  return fs.readFileSync(file, 'utf8').split('\n').map((text, i) => ({line: i + 1, text: text.trim()}))
      .filter(({text}) => text && !text.startsWith('#'))
      .map(({line, text}) => ({line, words: tokens(text)}));
}

const quote = (text) => `"${String(text).replace(/\\/g, '\\\\').replace(/"/g, '\\"').replace(/\n/g, '\\n')}"`;

const debug = (...what) => { if (process.env.AVTOSALON_DEBUG) console.error(...what); };
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The page's side of the checks: what the DOM shows, read as a player's eyes would.
const kInspect = `(() => {
  const page = window.avtosalonPage;
  const windows = page.windows.map((w) => w && {
    name: w.spec.name,
    visible: !w.element.hidden,
    controls: w.controls.map((c) => c.element ? {
      name: c.spec.name, kind: c.spec.kind, container: c.spec.container,
      visible: !c.element.hidden, enabled: !c.element.classList.contains('disabled'),
      caption: c.spec.kind === 'text' ? c.element.value
             : c.spec.kind === 'option' ? c.element.querySelector('.caption').textContent
             : c.spec.kind === 'frame' ? c.element.querySelector('.legend').textContent
             : c.element.textContent,
      listIndex: c.spec.kind === 'list'
          ? [...c.element.children].findIndex((o) => o.getAttribute('aria-selected') === 'true')
          : c.state.listIndex,
      origin: c.state.origin, interval: c.state.interval, units: c.state.units,
      focused: document.activeElement === c.element,
    } : {name: c.spec.name, kind: c.spec.kind, container: c.spec.container, visible: c.state.visible,
         enabled: c.state.enabled, caption: c.state.caption, listIndex: c.state.listIndex,
         origin: c.state.origin, interval: c.state.interval, units: c.state.units, focused: false}),
  });
  return {windows, box: page.box, fatal: page.fatal, over: page.over,
          pending: page.pending + (page.tickOverdue() ? 1 : 0)};
})()`;

class Session {
  constructor(client, file, out) {
    this.client = client;
    this.file = file;
    this.out = out;
    this.unchecked = [];
    this.held = true;
    this.line = 0;
    this.requests = [];
  }

  async evaluate(expression) {
    const {result, exceptionDetails} = await this.client.Runtime.evaluate(
        {expression, returnByValue: true, awaitPromise: true});
    if (exceptionDetails) throw new Error(exceptionDetails.exception?.description || 'evaluate failed');
    return result.value;
  }

  async state() { return this.evaluate(kInspect); }

  // Lets the page finish what the last input started; a message box is read and
  // closed with the Enter key, as a player would.
  async settle() {
    const deadline = Date.now() + 60000;
    for (let i = 0; Date.now() < deadline; ++i) {
      const state = await this.state();
      if (state.box) {
        if (!state.box.fatal) {
          this.out(`msgbox ${state.box.style} ${quote(state.box.title)} ${quote(state.box.prompt)}`);
          this.unchecked.push(state.box);
        } else {
          this.out(`fatal ${state.fatal}`);
        }
        await this.key('Enter', 'Enter', 13, '\r');
        continue;
      }
      if (state.pending === 0) return state;
      if (process.env.AVTOSALON_DEBUG && i % 200 === 199) console.error('waiting', JSON.stringify({pending: state.pending, box: state.box}));
      await sleep(2);
    }
    throw new Error('the page does not settle');
  }

  async start(url) {
    const {Page, Network, Emulation} = this.client;
    Network.requestWillBeSent(({request}) => {
      if (!/^(file|data|about|blob):/.test(request.url)) this.requests.push(request.url);
    });
    await Network.enable();
    await Page.enable();
    await Page.navigate({url});
    for (let i = 0; i < 400; ++i) {
      if (await this.evaluate('!!(window.avtosalonPage && window.avtosalonPage.module)')) break;
      await sleep(25);
    }
    // From here the page's clock moves only in `wait` steps, so ticks fall where the file says.
    if (!process.env.AVTOSALON_REALTIME) await Emulation.setVirtualTimePolicy({policy: 'pause'});
    await this.settle();
  }

  // --- Input events -------------------------------------------------------------

  async center(selector, row) {
    return this.evaluate(`(() => {
      let e = document.querySelector(${JSON.stringify(selector)});
      if (${row} >= 0) { e = e.children[${row}]; e.scrollIntoView({block: 'nearest'}); }
      const r = e.getBoundingClientRect();
      return {x: r.left + r.width / 2, y: r.top + r.height / 2, right: r.right - 3};
    })()`);
  }

  async mouse(x, y) {
    if (process.env.AVTOSALON_DEBUG) console.error('mouse', x, y);
    const {Input} = this.client;
    await Input.dispatchMouseEvent({type: 'mousePressed', x, y, button: 'left', clickCount: 1});
    await Input.dispatchMouseEvent({type: 'mouseReleased', x, y, button: 'left', clickCount: 1});
  }

  async key(key, code, keyCode, text, modifiers = 0, commands = []) {
    const {Input} = this.client;
    await Input.dispatchKeyEvent({type: text ? 'keyDown' : 'rawKeyDown', key, code,
                                  windowsVirtualKeyCode: keyCode, text, modifiers, commands});
    await Input.dispatchKeyEvent({type: 'keyUp', key, code, windowsVirtualKeyCode: keyCode, modifiers});
  }

  controlSelector(form, control) {
    return `section[data-name="${form}"] [data-name="${control}"]`;
  }

  // As the other hosts' players do, the box takes the focus with its caret where it was left;
  // the page tells the game of the focus as it would of a click.
  async focusBox(form, control) {
    const selector = JSON.stringify(this.controlSelector(form, control));
    await this.evaluate(`{ const box = document.querySelector(${selector});
                           if (document.activeElement !== box) box.focus(); }`);
  }

  // --- Steps --------------------------------------------------------------------

  where() { return `${this.file}:${this.line}`; }

  check(what, expected, got) {
    if (expected === got) return;
    this.held = false;
    this.out(`FAIL ${this.where()}: ${what} expected ${quote(expected)} got ${quote(got)}`);
  }

  // Whether a player could act on the control (or the window, control null) now.
  reach(state, formName, controlName) {
    if (state.over) return this.ignored('the program has ended');
    const window = state.windows.find((w) => w && w.name === formName);
    if (!window) return this.ignored(`${formName} is not created`);
    if (!window.visible) return this.ignored(`${formName} is hidden`);
    let index = controlName ? window.controls.findIndex((c) => c.name === controlName) : -1;
    while (index >= 0) {
      const c = window.controls[index];
      const name = `${formName}.${c.name}`;
      if (!c.visible) return this.ignored(`${name} is hidden`);
      if (!c.enabled) return this.ignored(`${name} is disabled`);
      index = c.container;
    }
    return window;
  }

  ignored(reason) {
    this.out(`ignored ${this.where()}: ${reason}`);
    return null;
  }

  async step(words) {
    if (process.env.AVTOSALON_DEBUG) console.error('step', this.line, words.join(' '));
    const [verb, first] = words;
    const [form, control, property] = (first || '').split('.');
    const state = await this.state();
    const keys = {BackSpace: ['Backspace', 8], Delete: ['Delete', 46], Home: ['Home', 36],
                  End: ['End', 35], Left: ['ArrowLeft', 37], Right: ['ArrowRight', 39]};
    switch (verb) {
      case 'click': {
        if (!this.reach(state, form, control)) return;
        const at = await this.center(this.controlSelector(form, control), -1);
        await this.mouse(at.x, at.y);
        break;
      }
      case 'select': {
        if (!this.reach(state, form, control)) return;
        const at = await this.center(this.controlSelector(form, control), Number(words[2]));
        await this.mouse(at.x, at.y);
        break;
      }
      case 'type':
        for (const character of words[2]) {
          if (!this.reach(await this.state(), form, control)) return;
          await this.focusBox(form, control);
          await this.key(character, '', 0, character);
          await this.settle();
        }
        break;
      case 'key':
        for (let i = 0; i < Number(words[3] || 1); ++i) {
          if (!this.reach(await this.state(), form, control)) return;
          await this.focusBox(form, control);
          const [key, keyCode] = keys[words[2]];
          await this.key(key, key, keyCode, '');
          await this.settle();
        }
        break;
      case 'press': {
        // Web files only: a key to whatever has the focus, as a keyboard-only player.
        const named = {Tab: ['Tab', 'Tab', 9, ''], BackTab: ['Tab', 'Tab', 9, '', 8],
                       Space: [' ', 'Space', 32, ' '], Enter: ['Enter', 'Enter', 13, '\r'],
                       Up: ['ArrowUp', 'ArrowUp', 38, ''], Down: ['ArrowDown', 'ArrowDown', 40, ''],
                       Left: ['ArrowLeft', 'ArrowLeft', 37, ''], Right: ['ArrowRight', 'ArrowRight', 39, ''],
                       End: ['End', 'End', 35, ''], BackSpace: ['Backspace', 'Backspace', 8, '']};
        for (let i = 0; i < Number(words[2] || 1); ++i) {
          await this.key(...(named[first] || [first, '', 0, first]));
          await this.settle();
        }
        break;
      }
      case 'paste':
        if (!this.reach(state, form, control)) return;
        await this.focusBox(form, control);
        await this.key('a', 'KeyA', 65, '', 2, ['selectAll']);
        await this.client.Input.insertText({text: words[2]});
        break;
      case 'close': {
        if (!this.reach(state, form, null)) return;
        const at = await this.center(`section[data-name="${form}"] .close`, -1);
        await this.mouse(at.x, at.y);
        break;
      }
      case 'wait':
        if (state.over) return this.ignored('the program has ended');
        await new Promise((resolve) => {
          this.client.Emulation.virtualTimeBudgetExpired(resolve);
          this.client.Emulation.setVirtualTimePolicy({policy: 'advance', budget: Number(first)});
        });
        await this.client.Emulation.setVirtualTimePolicy({policy: 'pause'});
        break;
      case 'snap': {
        const {data} = await this.drawn(() => this.client.Page.captureScreenshot({format: 'png'}));
        fs.writeFileSync(first, Buffer.from(data, 'base64'));
        break;
      }
      case 'print':
      case 'expect':
        if (first === 'pixel') {
          await this.expectPixel(words);
        } else {
          this.expect(verb, words, state);
        }
        break;
      default:
        throw new Error(`${this.where()}: unknown step ${verb}`);
    }
    await this.settle();
  }

  // A picture needs a frame drawn, and a paused clock draws none: the clock runs
  // while it is taken. No scenario waits for a timer around one.
  async drawn(take) {
    const {Emulation} = this.client;
    if (!process.env.AVTOSALON_REALTIME) await Emulation.setVirtualTimePolicy({policy: 'advance'});
    try {
      return await take();
    } finally {
      if (!process.env.AVTOSALON_REALTIME) await Emulation.setVirtualTimePolicy({policy: 'pause'});
    }
  }

  // The colour of one pixel of the page, "#rrggbb".
  async pixel(x, y) {
    const {data} = await this.drawn(() => this.client.Page.captureScreenshot(
        {format: 'png', clip: {x, y, width: 1, height: 1, scale: 1}}));
    const png = Buffer.from(data, 'base64');
    const chunks = [];
    for (let at = 8; at < png.length;) {
      const length = png.readUInt32BE(at);
      if (png.toString('ascii', at + 4, at + 8) === 'IDAT') chunks.push(png.subarray(at + 8, at + 8 + length));
      at += 12 + length;
    }
    // One pixel: every PNG filter leaves its bytes as they are.
    const raw = zlib.inflateSync(Buffer.concat(chunks));
    return '#' + [...raw.subarray(1, 4)].map((b) => b.toString(16).padStart(2, '0')).join('');
  }

  // The points of the Qt window tests: inside a control, away from its text.
  async expectPixel(words) {
    const [target, spot, colour] = words.slice(2);
    const [form, control] = target.split('.');
    const selector = control ? this.controlSelector(form, control) : `section[data-name="${form}"] .client`;
    const r = await this.evaluate(`(() => {
      const r = document.querySelector(${JSON.stringify(selector)}).getBoundingClientRect();
      return {left: r.left, top: r.top, width: r.width, height: r.height};
    })()`);
    const right = r.left + r.width - 1;
    const bottom = r.top + r.height - 1;
    const at = spot === 'topleft' ? [r.left + 3, r.top + 3]
             : spot === 'topright' ? [right - 2, r.top + 1]
             : spot === 'bottomright' ? [right - 3, bottom - 3]
             : spot === 'listbottom' ? [right - 40, bottom - 4]
             : spot === 'leftmiddle' ? [r.left, Math.floor((r.top + bottom) / 2)]
             : spot.split(',').map(Number).map((v, i) => v + (i ? r.top : r.left));
    this.check(`${target} at ${spot}`, colour, await this.pixel(at[0], at[1]));
  }

  expect(verb, words, state) {
    const what = words[1];
    const named = (name) => state.windows.find((w) => w && w.name === name);
    if (verb === 'expect' && what === 'visible') {
      const visible = state.windows.filter((w) => w && w.visible).map((w) => w.name).join(' ');
      return this.check('visible', words[2], state.over ? '' : visible);
    }
    if (what === 'focus') {
      const [form] = words[2].split('.');
      const window = named(form);
      const focused = window && window.visible ? window.controls.find((c) => c.focused) : null;
      return this.check('focus', words[2], focused ? `${form}.${focused.name}` : '');
    }
    if (what === 'msgbox') {
      const expected = `${words[2]} ${quote(words[3])} ${quote(words[4])}`;
      const box = this.unchecked.shift();
      return this.check('msgbox', expected, box ? `${box.style} ${quote(box.title)} ${quote(box.prompt)}` : '(none)');
    }
    if (what === 'no') {
      const got = this.unchecked.map((box) => box.prompt).join(', ');
      this.unchecked = [];
      return this.check('msgbox', '', got);
    }
    if (what === 'fatal') return this.check('fatal', words[2], state.fatal);
    if (what === 'ended') return this.check('program', 'ended', state.over ? 'ended' : 'running');
    if (what === 'running') return this.check('program', 'running', state.over ? 'ended' : 'running');
    const [form, control, property] = what.split('.');
    const window = named(form);
    let value;
    if (property === undefined) {
      value = control === 'Created' ? String(!!window) : window ? String(window.visible && !state.over) : '(not created)';
    } else if (!window) {
      value = '(not created)';
    } else {
      const c = window.controls.find((entry) => entry.name === control);
      const units = {Left: 0, Top: 1, Width: 2, Height: 3};
      value = {Caption: c.caption, Text: c.caption, Visible: String(c.visible),
               Enabled: String(c.enabled), ListIndex: String(c.listIndex), Picture: c.origin,
               Interval: String(c.interval)}[property] ?? String(c.units[units[property]]);
    }
    if (verb === 'print') return this.out(`${what} = ${quote(value)}`);
    this.check(what, words[2], value);
  }

  async run(url) {
    await this.start(url);
    for (const {line, words} of parse(this.file)) {
      this.line = line;
      await this.step(words);
    }
    if (this.requests.length) {
      this.held = false;
      this.out(`FAIL ${this.file}: the page asked the network for ${this.requests.join(', ')}`);
    }
    return this.held;
  }
}

async function main() {
  const [page, ...files] = process.argv.slice(2);
  if (!page || files.length === 0) {
    console.error('usage: play.js PAGE.html FILE...');
    process.exit(2);
  }
  const url = 'file://' + path.resolve(page);
  const browser = await launch();
  let held = true;
  try {
    for (const file of files) {
      const page = await newPage(browser);
      try {
        const session = new Session(page, file, (text) => fs.writeSync(1, text + '\n'));
        held = (await session.run(url)) && held;
      } finally {
        debug('closing page');
        await page.close();
        debug('closed');
      }
    }
  } finally {
    await stop(browser);
  }
  process.exit(held ? 0 : 1);
}

main().catch((error) => {
  console.error(process.env.AVTOSALON_DEBUG ? error : `avtosalon-scenario --web: ${error.message}`);
  process.exit(2);
});
