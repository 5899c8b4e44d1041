// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page side of the web host: draws the windows that web_host.cpp describes as
// DOM elements and hands the player's input to the runtime. Calls into the program
// go one at a time, because a message box keeps the call that opened it waiting.
'use strict';

const kTitleHeight = 22;
const kFamilies = {
  'MS Sans Serif': 'Liberation Sans',
  'Microsoft Sans Serif': 'Liberation Sans',
  'Arial': 'Liberation Sans',
  'MS Reference Sans Serif': 'DejaVu Sans',
  'Times New Roman': 'Liberation Serif',
  'Bookman Old Style': 'URW Bookman',
  'Monotype Corsiva': 'Z003',
  'Garamond': 'P052',
  'Small Fonts': 'Nimbus Sans Narrow',
};

function cssFont(font) {
  const family = kFamilies[font.family] || font.family;
  return `${font.italic ? 'italic ' : ''}${font.weight} ${font.px}px "${family}"`;
}

function utf8Length(text) {
  return new TextEncoder().encode(text).length;
}

const KEYS = {' ': 0, Enter: 1, ArrowUp: 2, ArrowDown: 3, ArrowLeft: 4, ArrowRight: 5,
              Home: 6, End: 7, Tab: 8, BackTab: 9};

class Page {
  constructor(root, pictures) {
    this.root = root;
    this.pictures = pictures;  // name: {uri, width, height}
    this.windows = [];         // index: {element, client, controls: [{spec, element, state}]}
    this.queue = Promise.resolve();
    this.applying = false;
    this.tick = null;
    this.tickDue = null;  // when the next tick is due, in performance.now() time
    this.box = null;      // the open message box: {style, title, prompt}
    this.fatal = '';      // the failure that ended the program, if one did
    this.over = false;
    this.pending = 0;     // calls into the program not yet returned
    this.measure = document.createElement('canvas').getContext('2d');
  }

  // --- Calls into the program --------------------------------------------------

  call(name, types = [], args = []) {
    ++this.pending;
    const next = this.queue.then(() => this.module.ccall(name, 'number', types, args, {async: true}))
        .finally(() => --this.pending);
    this.queue = next.catch((error) => this.fail(error));
    return next;
  }

  fail(error) {
    // Only a fault of the page itself gets here; the game's failures take the
    // runtime's own path.
    console.error(error);
    this.ended();
  }

  // --- The host's steps --------------------------------------------------------

  createWindow(spec) {
    const [left, top, width, height] = spec.client;
    const frame = document.createElement('section');
    frame.className = 'window';
    frame.dataset.name = spec.name;
    frame.setAttribute('aria-label', spec.caption);
    frame.hidden = true;
    frame.style.left = `${left}px`;
    frame.style.top = `${top - kTitleHeight}px`;
    const title = document.createElement('div');
    title.className = 'title';
    title.style.width = `${width}px`;
    const caption = document.createElement('span');
    caption.textContent = spec.caption;
    const close = document.createElement('button');
    close.className = 'close';
    close.tabIndex = -1;
    close.setAttribute('aria-label', 'Закрыть');
    close.addEventListener('click', () => this.call('avtosalon_close', ['number'], [spec.index]));
    title.append(caption, close);
    const client = document.createElement('div');
    client.className = 'client';
    client.style.width = `${width}px`;
    client.style.height = `${height}px`;
    client.style.backgroundColor = spec.back;
    client.style.font = cssFont(spec.font);
    if (spec.picture) {
      const picture = this.pictures[spec.picture];
      client.style.backgroundImage = `url(${picture.uri})`;
    }
    frame.append(title, client);
    const view = {spec, element: frame, client, controls: []};
    this.windows[spec.index] = view;
    spec.controls.forEach((control, index) => {
      const element = this.build(spec.index, index, control, this.inheritedBack(spec, control));
      view.controls.push({spec: control, element, state: {}});
    });
    spec.controls.forEach((control, index) => {
      const entry = view.controls[index];
      if (entry.element) {
        const parent = control.container >= 0 ? view.controls[control.container].element : client;
        const behind = control.kind === 'image' || control.kind === 'line';
        if (behind) parent.prepend(entry.element); else parent.append(entry.element);
      }
      this.updateControl(spec.index, index, control.state);
    });
    frame.addEventListener('keydown', (event) => this.windowKey(spec.index, event));
    this.root.append(frame);
  }

  // Like the Qt host, a control without a colour of its own shows its container's.
  inheritedBack(form, control) {
    for (let c = control; c.container >= 0;) {
      c = form.controls[c.container];
      if (c.back) return c.back;
    }
    return form.back;
  }

  build(form, index, spec, inherited) {
    const tags = {label: 'div', button: 'button', text: 'input', list: 'div', option: 'div',
                  frame: 'div', picturebox: 'div', image: 'div', line: 'div'};
    if (!tags[spec.kind]) return null;
    const element = document.createElement(tags[spec.kind]);
    element.className = `control ${spec.kind}`;
    element.dataset.name = spec.name;
    element.style.font = cssFont(spec.font);
    const opaque = ['label', 'option', 'frame'].includes(spec.kind);
    if (spec.back || opaque) element.style.backgroundColor = spec.back || inherited;
    if (spec.fore) element.style.color = spec.fore;
    element.tabIndex = spec.focusable ? 0 : -1;
    if (spec.focusable) {
      element.addEventListener('focus', () => {
        if (!this.applying) this.call('avtosalon_focus', ['number', 'number'], [form, index]);
      });
    }
    const click = () => this.call('avtosalon_click', ['number', 'number'], [form, index]);
    switch (spec.kind) {
      case 'label':
        element.addEventListener('mousedown', (event) => { if (event.button === 0) click(); });
        break;
      case 'button':
        element.type = 'button';
        element.addEventListener('click', click);
        break;
      case 'text':
        element.type = 'text';
        element.spellcheck = false;
        element.autocomplete = 'off';
        element.addEventListener('input', () => this.edited(form, index, element));
        break;
      case 'list':
        element.setAttribute('role', 'listbox');
        spec.items.forEach((item, row) => {
          const option = document.createElement('div');
          option.setAttribute('role', 'option');
          option.textContent = item.t;
          option.addEventListener('mousedown', (event) => {
            if (event.button !== 0) return;
            event.preventDefault();
            this.call('avtosalon_select', ['number', 'number', 'number'], [form, index, row]);
          });
          element.append(option);
        });
        break;
      case 'option': {
        element.setAttribute('role', 'radio');
        const mark = document.createElement('span');
        mark.className = 'mark';
        const text = document.createElement('span');
        text.className = 'caption';
        element.append(mark, text);
        element.addEventListener('mousedown', (event) => { if (event.button === 0) click(); });
        break;
      }
      case 'frame': {
        element.setAttribute('role', 'group');
        const legend = document.createElement('span');
        legend.className = 'legend';
        element.append(legend);
        break;
      }
      case 'picturebox':
      case 'image':
        element.setAttribute('role', 'img');
        element.addEventListener('mousedown', (event) => { if (event.button === 0) click(); });
        break;
      case 'line': {
        const [x1, y1, x2, y2] = spec.line;
        element.style.left = `${Math.min(x1, x2)}px`;
        element.style.top = `${Math.min(y1, y2)}px`;
        element.style.width = `${Math.abs(x2 - x1) + 1}px`;
        element.style.height = `${Math.abs(y2 - y1) + 1}px`;
        element.style.background = spec.fore || '#000000';
        break;
      }
    }
    return element;
  }

  updateControl(form, index, state) {
    const entry = this.windows[form].controls[index];
    const {spec, element} = entry;
    entry.state = state;
    if (!element) return;
    this.applying = true;
    element.hidden = !state.visible;
    const [left, top, width, height] = state.rect;
    if (spec.kind !== 'line') {
      element.style.left = `${left}px`;
      element.style.top = `${top}px`;
      element.style.width = `${width}px`;
      element.style.height = `${height}px`;
    }
    element.classList.toggle('disabled', !state.enabled);
    element.setAttribute('aria-disabled', String(!state.enabled));
    if (spec.kind === 'button' || spec.kind === 'text') element.disabled = !state.enabled;
    const name = spec.accessible || state.caption;
    switch (spec.kind) {
      case 'label':
      case 'button':
        element.textContent = state.caption;
        if (spec.accessible) element.setAttribute('aria-label', name);
        break;
      case 'text':
        if (element.value !== state.caption) element.value = state.caption;
        if (spec.accessible) element.setAttribute('aria-label', name);
        break;
      case 'option':
        element.querySelector('.caption').textContent = state.caption;
        element.setAttribute('aria-checked', String(state.value));
        element.classList.toggle('chosen', state.value);
        element.setAttribute('aria-label', name);
        break;
      case 'frame':
        element.querySelector('.legend').textContent = state.caption;
        element.querySelector('.legend').hidden = !state.caption;
        break;
      case 'list':
        [...element.children].forEach((option, row) => {
          option.setAttribute('aria-selected', String(row === state.listIndex));
        });
        if (state.listIndex >= 0) element.children[state.listIndex].scrollIntoView({block: 'nearest'});
        if (spec.accessible) element.setAttribute('aria-label', name);
        break;
      case 'picturebox':
      case 'image': {
        const picture = state.picture ? this.pictures[state.picture] : null;
        element.style.backgroundImage = picture ? `url(${picture.uri})` : '';
        if (spec.kind === 'image' && picture) {
          element.style.width = `${picture.width}px`;
          element.style.height = `${picture.height}px`;
        }
        element.setAttribute('aria-label', spec.accessible || state.picture || '');
        break;
      }
    }
    this.applying = false;
  }

  showWindow(form, visible) {
    this.windows[form].element.hidden = !visible;
  }

  focus(form, control) {
    const entry = this.windows[form].controls[control];
    if (!entry || !entry.element || document.activeElement === entry.element) return;
    this.applying = true;
    entry.element.focus({preventScroll: true});
    this.applying = false;
  }

  measureText(font, text, height) {
    this.measure.font = cssFont(font);
    const metrics = this.measure.measureText(text);
    if (height) return Math.ceil(metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent);
    return Math.ceil(metrics.width);
  }

  scheduleTick(milliseconds) {
    clearTimeout(this.tick);
    this.tickDue = null;
    if (milliseconds < 0) return;
    this.tickDue = performance.now() + milliseconds;
    this.tick = setTimeout(() => {
      this.tickDue = null;
      this.call('avtosalon_tick');
    }, milliseconds);
  }

  // A tick that is due but has not run yet: whoever waits for the page to settle waits for it too.
  tickOverdue() {
    return this.tickDue !== null && performance.now() >= this.tickDue;
  }

  messageBox(style, title, prompt, failure) {
    const fatal = failure !== '';
    if (fatal) this.fatal = failure;
    return new Promise((resolve) => {
      const shade = document.createElement('div');
      shade.className = 'shade';
      const box = document.createElement('div');
      box.className = `msgbox${fatal ? ' fatal' : ''}`;
      box.setAttribute('role', 'alertdialog');
      box.setAttribute('aria-modal', 'true');
      box.setAttribute('aria-label', title);
      box.dataset.style = style;
      const bar = document.createElement('div');
      bar.className = 'title';
      bar.textContent = title;
      const body = document.createElement('div');
      body.className = 'body';
      const icon = document.createElement('div');
      icon.className = `icon ${style === 16 ? 'error' : 'information'}`;
      icon.textContent = style === 16 ? '\u00d7' : 'i';
      icon.setAttribute('aria-hidden', 'true');
      const text = document.createElement('div');
      text.className = 'prompt';
      text.textContent = prompt;
      body.append(icon, text);
      const ok = document.createElement('button');
      ok.type = 'button';
      ok.className = 'ok';
      ok.textContent = 'OK';
      const close = () => {
        shade.remove();
        this.box = null;
        resolve();
      };
      ok.addEventListener('click', close);
      box.addEventListener('keydown', (event) => {
        event.stopPropagation();
        if (event.key === 'Enter' || event.key === ' ' || event.key === 'Escape') {
          event.preventDefault();
          close();
        } else if (event.key === 'Tab') {
          event.preventDefault();
        }
      });
      box.append(bar, body, ok);
      shade.append(box);
      document.body.append(shade);
      this.box = {style, title, prompt, fatal};
      ok.focus();
    });
  }

  ended() {
    this.over = true;
    clearTimeout(this.tick);
    for (const view of this.windows) if (view) view.element.remove();
    document.querySelectorAll('.shade').forEach((shade) => shade.remove());
    document.getElementById('over').hidden = false;
    document.getElementById('again').focus();
  }

  // --- The player's input ------------------------------------------------------

  edited(form, index, element) {
    const caret = utf8Length(element.value.slice(0, element.selectionStart));
    this.call('avtosalon_edit', ['number', 'number', 'string', 'number'],
              [form, index, element.value, caret]).then(() => {
      // The game may have refused the edit, or written the box itself.
      const state = this.windows[form]?.controls[index].state;
      if (state && element.value !== state.caption) element.value = state.caption;
    });
  }

  // The keys whose meaning the game decides, as its Key values.
  windowKey(form, event) {
    const view = this.windows[form];
    const index = view.controls.findIndex((entry) => entry.element === event.target);
    const entry = view.controls[index];
    if (event.key === 'Tab') {
      event.preventDefault();
      this.call('avtosalon_press', ['number', 'number', 'number'],
                [form, -1, event.shiftKey ? KEYS.BackTab : KEYS.Tab]);
      return;
    }
    const key = KEYS[event.key];
    if (!entry || key === undefined || !['button', 'label', 'option', 'list'].includes(entry.spec.kind)) {
      return;
    }
    event.preventDefault();
    // A held Space or Enter presses once.
    if (event.repeat && (key === KEYS[' '] || key === KEYS.Enter)) return;
    this.call('avtosalon_press', ['number', 'number', 'number'], [form, index, key]);
  }
}

async function startGame(wasm, pictures) {
  const page = new Page(document.getElementById('desk'), pictures);
  window.avtosalonPage = page;
  // The program compiles while the fonts load; text is measured only once both are ready.
  const program = createAvtosalon({page, wasmBinary: wasm});
  await Promise.all([...document.fonts].map((face) => face.load()));
  page.module = await program;
  document.getElementById('again').addEventListener('click', () => location.reload());
  page.call('avtosalon_start');
}
