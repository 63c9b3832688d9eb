// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Pages made by packaging/web/build (the program's, the one-label page's, or any other folder
// of the same form), each from a server of its own, in alternating rounds in headless Chromium:
// the bytes a first visit is sent (brotli) and the time from navigation to the window's first
// frame on a first visit, on a later visit in the same browser profile, and on a visit without
// the network (only a page with a service worker has one). Each round starts a new profile.
// Usage: node firstframe.mjs ROUNDS FOLDER...
import { firstFrame, launchProfile, serve } from '../../tests/web/page.mjs';
import { existsSync, mkdtempSync, readdirSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { basename, join, resolve } from 'node:path';

const [rounds = 7, ...folders] = process.argv.slice(2);
const pages = [];
for (const folder of folders) {
  const program = readdirSync(folder).find((file) => file.endsWith('.wasm')).slice(0, -5);
  pages.push({
    name: basename(resolve(folder)),
    // MBIT limits the server to about that many megabits a second, as a school's network does.
    server: await serve(resolve(folder), process.env.MBIT
      ? { piece: 1 << 16, delay: 524.288 / Number(process.env.MBIT) } : {}),
    worker: existsSync(resolve(folder, 'service-worker.js')),
    frame: { colour: program === 'label-page' ? [239, 239, 239] : [128, 128, 255] },
    first: [], later: [], offline: [],
  });
}
async function visit(context, page, times) {
  const tab = await context.newPage();
  const start = performance.now();
  await tab.goto(page.server.url);
  await firstFrame(tab, page.frame);
  times.push(performance.now() - start);
  // The worker registers once the program runs, and caches the build before it is ready; the
  // browser keeps the compiled program a few seconds after it has started to run it.
  if (page.worker)
    await tab.evaluate(() => navigator.serviceWorker.ready);
  await tab.waitForTimeout(3000);
  await tab.close();
}
for (let i = 0; i < rounds; ++i) {
  for (const page of pages) {
    // A profile of its own, as a pupil's browser has: an incognito one keeps no compiled code.
    const profile = mkdtempSync(join(tmpdir(), 'profile-'));
    const context = await launchProfile(profile, { viewport: { width: 800, height: 600 } });
    page.server.sent = 0;
    await visit(context, page, page.first);
    page.bytes = page.server.sent;
    await visit(context, page, page.later);
    if (page.worker) {
      await context.setOffline(true);
      await visit(context, page, page.offline);
    }
    await context.close();
    rmSync(profile, { recursive: true });
  }
}
const median = (values) => values.length
  ? [...values].sort((a, b) => a - b)[values.length >> 1].toFixed(0) + ' ms' : '—';
console.log(`| page | first visit: bytes sent (brotli) | first frame, median of ${rounds}: ` +
            'first visit | later visit | offline |');
console.log('|---|---:|---:|---:|---:|');
for (const page of pages) {
  console.log(`| ${page.name} | ${page.bytes.toLocaleString('en')} | ${median(page.first)} | ` +
              `${median(page.later)} | ${median(page.offline)} |`);
  await page.server.close();
}
