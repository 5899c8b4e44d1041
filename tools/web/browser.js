// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts Debian's headless Chromium with a fresh profile and nothing that reaches the network
// on its own, and speaks the DevTools protocol to it over a pair of pipes (file descriptors 3
// and 4 of the browser, one JSON message per NUL-terminated chunk), so no port, no socket
// and no library come between.
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const {spawn} = require('child_process');

const kChromium = process.env.AVTOSALON_CHROMIUM || '/usr/bin/chromium';
const kFlags = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                '--disable-background-networking', '--disable-component-update', '--disable-sync',
                '--disable-extensions', '--remote-debugging-pipe', '--window-size=1000,720'];

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

class Connection {
  constructor(input, output) {
    this.input = input;
    this.next = 1;
    this.waiting = new Map();  // id -> {resolve, reject, method}
    this.listeners = new Map();  // sessionId + ' ' + event -> [handler]
    let pending = '';
    output.setEncoding('utf8');
    output.on('data', (chunk) => {
      const parts = (pending + chunk).split('\0');
      pending = parts.pop();
      for (const part of parts) this.receive(JSON.parse(part));
    });
    output.on('close', () => this.fail(new Error('Chromium closed the DevTools pipe')));
    input.on('error', (error) => this.fail(error));
  }

  send(method, params = {}, sessionId = undefined) {
    const id = this.next++;
    this.input.write(JSON.stringify({id, method, params, sessionId}) + '\0');
    return new Promise((resolve, reject) => this.waiting.set(id, {resolve, reject, method}));
  }

  on(sessionId, event, handler) {
    const key = `${sessionId} ${event}`;
    this.listeners.set(key, [...(this.listeners.get(key) || []), handler]);
  }

  receive(message) {
    if (message.id === undefined) {
      for (const handler of this.listeners.get(`${message.sessionId} ${message.method}`) || []) {
        handler(message.params);
      }
      return;
    }
    const call = this.waiting.get(message.id);
    this.waiting.delete(message.id);
    if (!call) return;
    if (message.error) {
      call.reject(new Error(`${call.method}: ${message.error.message}`));
    } else {
      call.resolve(message.result);
    }
  }

  fail(error) {
    for (const call of this.waiting.values()) call.reject(error);
    this.waiting.clear();
  }
}

// A page as the protocol's domains see it: page.Page.navigate({url}) sends a command and
// resolves with its result; page.Network.requestWillBeSent(handler) listens to an event.
function domains(connection, sessionId) {
  const domain = (name) => new Proxy({}, {
    get: (_, method) => (argument) => (typeof argument === 'function'
        ? connection.on(sessionId, `${name}.${method}`, argument)
        : connection.send(`${name}.${method}`, argument, sessionId)),
  });
  return Object.fromEntries(['Page', 'Network', 'Runtime', 'Emulation', 'Input']
      .map((name) => [name, domain(name)]));
}

async function launch() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'avtosalon-chromium-'));
  const browser = spawn(kChromium, [...kFlags, `--user-data-dir=${profile}`, 'about:blank'],
                        {stdio: ['ignore', 'ignore', 'ignore', 'pipe', 'pipe'], detached: true});
  const connection = new Connection(browser.stdio[3], browser.stdio[4]);
  try {
    await connection.send('Browser.getVersion');
  } catch (error) {
    await stop({browser, profile});
    throw new Error(`Chromium did not start: ${error.message}`);
  }
  return {browser, profile, connection};
}

// A fresh tab, its domains and close().
async function newPage({connection}) {
  const {targetId} = await connection.send('Target.createTarget', {url: 'about:blank'});
  const {sessionId} = await connection.send('Target.attachToTarget', {targetId, flatten: true});
  return {...domains(connection, sessionId),
          close: () => connection.send('Target.closeTarget', {targetId})};
}

async function stop({browser, profile}) {
  if (browser.exitCode === null && browser.signalCode === null) {
    const exited = new Promise((resolve) => browser.once('exit', resolve));
    // The Debian launcher is a shell script: end its whole process group.
    const signal = (name) => { try { process.kill(-browser.pid, name); } catch {} };
    signal('SIGTERM');
    const late = setTimeout(() => signal('SIGKILL'), 3000);
    await exited;
    clearTimeout(late);
  }
  await sleep(200);  // the browser's helper processes leave a moment later
  try {
    fs.rmSync(profile, {recursive: true, force: true, maxRetries: 5});
  } catch (error) {
    console.error(`left ${profile}: ${error.message}`);
  }
}

module.exports = {launch, newPage, stop};
