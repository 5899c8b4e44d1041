// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts and ends Debian's headless Chromium for the DevTools protocol, with a fresh
// profile and nothing that reaches the network on its own.
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const {spawn} = require('child_process');

const kChromium = process.env.AVTOSALON_CHROMIUM || '/usr/bin/chromium';
const kFlags = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                '--disable-background-networking', '--disable-component-update', '--disable-sync',
                '--disable-extensions', '--remote-debugging-port=0', '--window-size=1000,720'];

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

async function launch() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'avtosalon-chromium-'));
  const browser = spawn(kChromium, [...kFlags, `--user-data-dir=${profile}`, 'about:blank'],
                        {stdio: 'ignore', detached: true});
  // The browser writes the port it listens on once it is ready; the file may be seen
  // before its first line is complete.
  const portFile = path.join(profile, 'DevToolsActivePort');
  for (let i = 0; i < 1200; ++i) {
    const lines = fs.existsSync(portFile) ? fs.readFileSync(portFile, 'utf8').split('\n') : [];
    const port = Number(lines[0]);
    if (lines.length > 1 && port > 0) return {browser, profile, port};
    await sleep(50);
  }
  await stop({browser, profile});
  throw new Error('Chromium did not start');
}

async function stop({browser, profile}) {
  const exited = new Promise((resolve) => browser.once('exit', resolve));
  // The Debian launcher is a shell script: end its whole process group.
  process.kill(-browser.pid, 'SIGTERM');
  const late = setTimeout(() => process.kill(-browser.pid, 'SIGKILL'), 3000);
  await exited;
  clearTimeout(late);
  await sleep(200);  // the browser's helper processes leave a moment later
  try {
    fs.rmSync(profile, {recursive: true, force: true, maxRetries: 5});
  } catch (error) {
    console.error(`left ${profile}: ${error.message}`);
  }
}

module.exports = {launch, stop};
