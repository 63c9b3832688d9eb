// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's page against the page of one label in a window of its size, built and served
// the same way, in alternating loads in headless Chromium: the bytes the browser is sent
// (brotli) and the time from navigation to the window's first frame.
// Usage: node firstframe.mjs PROGRAM_PAGE LABEL_PAGE [LOADS]
import { firstFrame, launch, serve } from '../../tests/web/page.mjs';
import { resolve } from 'node:path';

const [programPage, labelPage, loads = 7] = process.argv.slice(2);
const pages = [
  { name: 'program', folder: programPage, frame: { colour: [128, 128, 255] } },
  { name: 'one label', folder: labelPage, frame: { colour: [239, 239, 239] } },
];
const browser = await launch();
for (const page of pages) {
  page.server = await serve(resolve(page.folder));
  page.times = [];
}
for (let i = 0; i < loads; ++i) {
  for (const page of pages) {
    const tab = await browser.newPage({ viewport: { width: 800, height: 600 } });
    page.server.sent = 0;
    const start = performance.now();
    await tab.goto(page.server.url);
    await firstFrame(tab, page.frame);
    page.times.push(performance.now() - start);
    page.bytes = page.server.sent;
    await tab.close();
  }
}
await browser.close();
const median = (values) => [...values].sort((a, b) => a - b)[values.length >> 1];
console.log('| page | bytes sent (brotli) | first frame, median of ' + loads + ' |');
console.log('|---|---:|---:|');
for (const page of pages) {
  console.log(`| ${page.name} | ${page.bytes.toLocaleString('en')} | ${median(page.times).toFixed(0)} ms |`);
  await page.server.close();
}
const [program, label] = pages;
console.log(`ratio: bytes ${(program.bytes / label.bytes).toFixed(3)}, ` +
            `first frame ${(median(program.times) / median(label.times)).toFixed(3)}`);
