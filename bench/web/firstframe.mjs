// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Pages made by packaging/web/build (the program's, the one-label page's, or any other folder
// of the same form), each from a server of its own, in alternating rounds in headless Chromium:
// the bytes a first visit is sent (brotli) and the time from navigation to the window's first
// frame on a first visit, on a later visit in the same browser profile, and on a visit without
// the network (only a page with a service worker has one). Each round starts a new profile.
// The page times its first frame itself, on the browser's own clock: at each animation frame
// once the loading notice is gone, it reads the window's colour from the program's canvas (kept
// readable for this). The test's own screenshots, which under software rendering see the frame
// about half a second after the page has drawn it, only confirm it.
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
// In the page, before its own scripts: the time from navigation to the animation frame in which
// the canvas first shows the window's colour at `where`.
function timeFirstFrame({ colour, where = [2, 2] }) {
  const getContext = HTMLCanvasElement.prototype.getContext;
  HTMLCanvasElement.prototype.getContext = function (type, attributes) {
    return getContext.call(this, type, type.startsWith('webgl')
      ? { ...attributes, preserveDrawingBuffer: true } : attributes);
  };
  const probe = document.createElement('canvas');
  probe.width = probe.height = 1;
  const check = () => {
    const program = document.getElementById('program');
    if (program?.width && document.getElementById('status').hidden) {
      const context = probe.getContext('2d', { willReadFrequently: true });
      context.drawImage(program, ...where, 1, 1, 0, 0, 1, 1);
      if (String(context.getImageData(0, 0, 1, 1).data.slice(0, 3)) === String(colour)) {
        window.firstFrameAt = performance.now();
        return;
      }
    }
    requestAnimationFrame(check);
  };
  requestAnimationFrame(check);
}
async function visit(context, page, times) {
  const tab = await context.newPage();
  await tab.goto(page.server.url);
  await firstFrame(tab, page.frame);
  times.push(await (await tab.waitForFunction(() => window.firstFrameAt)).jsonValue());
  // The worker registers once the program runs, and caches the build before it is ready; the
  // browser writes what it keeps of the compiled program (its optimised functions) once it has
  // compiled nothing new for a while.
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
    await context.addInitScript(timeFirstFrame, page.frame);
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
