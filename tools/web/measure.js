#!/usr/bin/env node

// SPDX-FileCopyrightText: 2026 The Avtosalon developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Time from navigation to the first message box in headless Chromium: the game's page
// beside a bare page of the same size that shows one box at once. Usage: measure.js PAGE.html [RUNS]
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const {launch, newPage, stop} = require('./browser');

// Notes when the first box enters the page, in ms since navigation began.
const kWatch = `new MutationObserver((changes, observer) => {
  if (document.querySelector('.msgbox')) {
    window.firstBox = performance.now();
    observer.disconnect();
  }
}).observe(document, {childList: true, subtree: true});`;

function barePage(size) {
  const page = `<!DOCTYPE html><html lang="ru"><head><meta charset="utf-8"><title>box</title></head>
<body><div class="msgbox" role="alertdialog"><div>Запомните!</div>
<div>Ваша задача собрать 10 миллионов $ и купить Автосалон.</div><button>OK</button></div>
<!--PAD--></body></html>`;
  return page.replace('<!--PAD-->', `<!--${'x'.repeat(Math.max(0, size - page.length))}-->`);
}

async function firstBox(browser, url) {
  const client = await newPage(browser);
  try {
    await client.Page.enable();
    await client.Page.addScriptToEvaluateOnNewDocument({source: kWatch});
    await client.Page.navigate({url});
    for (let i = 0; i < 2000; ++i) {
      const {result} = await client.Runtime.evaluate({expression: 'window.firstBox', returnByValue: true});
      if (result.value !== undefined) return result.value;
      await new Promise((resolve) => setTimeout(resolve, 5));
    }
    throw new Error(`no box in ${url}`);
  } finally {
    await client.close();
  }
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function main() {
  const page = path.resolve(process.argv[2]);
  const runs = Number(process.argv[3] || 7);
  const size = fs.statSync(page).size;
  const bare = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'avtosalon-bare-')), 'bare.html');
  fs.writeFileSync(bare, barePage(size));
  const browser = await launch();
  const game = [];
  const base = [];
  try {
    for (let i = 0; i < runs; ++i) {
      game.push(await firstBox(browser, 'file://' + page));
      base.push(await firstBox(browser, 'file://' + bare));
    }
  } finally {
    await stop(browser);
    fs.rmSync(path.dirname(bare), {recursive: true, force: true});
  }
  const g = median(game);
  const b = median(base);
  console.log(`page ${size} bytes; first box: game ${g.toFixed(1)} ms, bare page ${b.toFixed(1)} ms ` +
              `(medians of ${runs}), ratio ${(g / b).toFixed(2)}`);
}

main().catch((error) => {
  console.error(error);
  process.exit(2);
});
