// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page in Chromium: it shows what share has loaded, it tells a browser without WebGL what
// it lacks, and the session in `session`, played by mouse, finger and keyboard, draws every
// pixel of the drawing area as the Linux program draws it. Served as school sites serve it, from
// a subfolder beside another page and cached for an hour, it installs as an app, keeps itself for
// use without the network within seconds, runs without it, and a newer build put in its folder
// replaces the older one whole.
// Usage: node page-test.mjs DIST SESSION LINUX_SHOTS (from linux-session).
import { decodePng, firstFrame, launch, launchProfile, serve, windowShot } from './page.mjs';
import { appendFileSync, cpSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync }
  from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';

const [dist, sessionFile, linuxShots] = process.argv.slice(2);
const layout = Object.fromEntries(
  readFileSync(new URL('../../packaging/layout', import.meta.url), 'utf8').split('\n')
    .filter((line) => /^\w+=/.test(line))
    .map((line) => line.split('='))
    .map(([name, value]) => [name, value.replaceAll('"', '').split(' ').map(Number)]));
const keys = { Left: 'ArrowLeft', Right: 'ArrowRight', Up: 'ArrowUp', Down: 'ArrowDown',
               space: 'Space', Tab: 'Tab', Home: 'Home', End: 'End', Return: 'Enter' };
const playwrightKey = (x) => x.split('+').map((k) => k === 'shift' ? 'Shift' : keys[k]).join('+');

let failed = 0;
function check(ok, what) {
  console.log(`${ok ? 'PASS' : 'FAIL'}: ${what}`);
  if (!ok)
    ++failed;
}

// The drawing areas of two window pictures: how many pixels differ.
function canvasDifference(a, b) {
  let differ = 0;
  for (let y = 0; y < layout.canvas_height[0]; ++y)
    for (let x = 0; x < layout.canvas_width[0]; ++x) {
      const at = [x + layout.canvas_left[0], y + layout.canvas_top[0]];
      if (String(a.pixel(...at)) !== String(b.pixel(...at)))
        ++differ;
    }
  return differ;
}

const painted = (page) => page.evaluate(
  () => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));

const server = await serve(resolve(dist), { delay: 25, piece: 1 << 16, cache: 'max-age=3600' });
const browser = await launch();
try {
  const page = await browser.newPage({ hasTouch: true, viewport: { width: 800, height: 600 } });
  const shares = [];
  const watching = (async () => {
    for (let share = 0; share < 1; await new Promise((done) => setTimeout(done, 20))) {
      share = await page.evaluate(() => document.getElementById('progress')?.value ?? 0)
        .catch(() => 0);
      shares.push(share);
    }
  })();
  await page.goto(server.url);
  await firstFrame(page);
  await watching;
  check(shares.some((share) => share > 0.1 && share < 0.9),
        `the progress bar shows the share loaded (${shares.length} readings)`);
  const box = await page.locator('#program').boundingBox();
  check(Math.abs(box.x + box.width / 2 - 400) <= 1 && Math.abs(box.y + box.height / 2 - 300) <= 1 &&
        Number.isInteger(box.x) && Number.isInteger(box.y), 'the window is centred on whole pixels');
  // A page title holds no two blanks in a row: the caption's two after the hyphen read as one.
  const title = await page.title();
  check(title === 'Математика - покриващ правоъгълник', `the page's title is the caption: «${title}»`);

  let shot = 0;
  for (const line of readFileSync(sessionFile, 'utf8').split('\n')) {
    const [verb, ...args] = line.trim().split(/\s+/);
    const canvasAt = () => [box.x + layout.canvas_left[0] + Number(args[0]) + 0.5,
                            box.y + layout.canvas_top[0] + Number(args[1]) + 0.5];
    if (verb === 'press') {
      await page.mouse.click(...canvasAt());
    } else if (verb === 'tap') {
      await page.touchscreen.tap(...canvasAt());
    } else if (verb === 'click') {
      const [x, y] = layout[args[0]];
      await page.mouse.click(box.x + x + 0.5, box.y + y + 0.5);
    } else if (verb === 'key') {
      for (const key of args)
        await page.keyboard.press(playwrightKey(key));
    } else if (verb === 'check') {
      await painted(page);
      const linux = decodePng(readFileSync(`${linuxShots}/linux-${++shot}.png`));
      if (process.env.PAGE_SHOTS)
        await page.locator('#program').screenshot({ path: `${process.env.PAGE_SHOTS}/page-${shot}.png` });
      const differ = canvasDifference(await windowShot(page), linux);
      check(differ === 0, `drawing area at check ${shot} as on Linux (${differ} pixels differ)`);
      continue;
    } else {
      continue;
    }
    await painted(page);
  }
  check(shot > 0, 'the session compared the drawing area');
} finally {
  await browser.close();
}

// Another build in the same folder: other .js, .wasm (a custom section more) and worker.
const second = mkdtempSync(join(tmpdir(), 'second-build-'));
cpSync(resolve(dist), second, { recursive: true });
for (const file of readdirSync(second).filter((file) => /\.(br|gz)$/.test(file)))
  rmSync(join(second, file));
appendFileSync(join(second, 'covering-rectangle.js'), '\n// second build\n');
appendFileSync(join(second, 'covering-rectangle.wasm'), Buffer.from([0, 7, 6, ...Buffer.from('second')]));
const worker = readFileSync(join(second, 'service-worker.js'), 'utf8');
writeFileSync(join(second, 'service-worker.js'), worker.replace(/covering-rectangle-\w+'/, "covering-rectangle-second'"));

const profile = mkdtempSync(join(tmpdir(), 'profile-'));
const context = await launchProfile(profile, { viewport: { width: 800, height: 600 } });
try {
  const page = context.pages()[0];
  const got = new Map();
  page.on('response', (response) => got.set(response.url(), response.body().catch(() => null)));
  // Whether the page, the .js and the .wasm it was last given are those of folder.
  const from = async (folder) => {
    for (const file of ['', 'covering-rectangle.js', 'covering-rectangle.wasm']) {
      const body = await got.get(server.url + file);
      if (!body?.equals(readFileSync(join(folder, file || 'index.html'))))
        return false;
    }
    return true;
  };
  server.sent = 0;
  await page.goto(server.url);
  await firstFrame(page);
  const kept = await page.evaluate((bound) => {
    const start = performance.now();
    return Promise.race([navigator.serviceWorker.ready.then(() => performance.now() - start),
                         new Promise((done) => setTimeout(() => done(null), bound))]);
  }, 5000);
  check(kept !== null, `the offline copy is complete ${kept === null ? 'not within 5 s'
    : `${Math.round(kept)} ms`} after the first frame`);
  // What each of a class's tablets downloads at once over the school's one line.
  check(server.sent <= 2.2e6, `a first visit is sent ${server.sent.toLocaleString('en')} bytes, ` +
        'at most 2.2 MB');
  const neighbour = await page.goto(server.neighbour);
  check(!neighbour.fromServiceWorker() && await page.title() === 'Бележки',
        'another page of the site is not answered by the worker');
  await page.goto(server.url);
  await firstFrame(page);
  const cdp = await context.newCDPSession(page);
  const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
  check(installabilityErrors.length === 0,
        `installable (${JSON.stringify(installabilityErrors)})`);

  server.sent = 0;
  await page.reload();
  await firstFrame(page);
  check(server.sent <= worker.length, `a later visit is sent only the worker (${server.sent} bytes)`);

  await context.setOffline(true);
  for (const address of [server.url, server.url + 'index.html']) {
    // An address the worker does not answer fails to load at all.
    const started = await page.goto(address).then(() => firstFrame(page), () => null);
    const [x, y] = [layout.canvas_left[0] + 40, layout.canvas_top[0] + 30];
    if (started) {
      const box = await page.locator('#program').boundingBox();
      await page.mouse.click(box.x + x + 0.5, box.y + y + 0.5);
      await painted(page);
    }
    check(started && String((await windowShot(page)).pixel(x, y)) === '0,0,0', 'without the network '
          + `${address.slice(server.url.length - 1)} starts and a press enters a point`);
  }
  await context.setOffline(false);

  server.folder = second;
  await page.goto(server.url);
  await firstFrame(page);
  check(await from(resolve(dist)), 'after a newer build is put up, the next visit still runs the older whole');
  for (const end = Date.now() + 30000; Date.now() < end &&
       String(await page.evaluate(() => caches.keys())) !== 'covering-rectangle-second';)
    await new Promise((done) => setTimeout(done, 100));
  await page.reload();
  await firstFrame(page);
  check(await from(second), 'once the newer build is cached, the visit after runs it whole');
} finally {
  await context.close();
  rmSync(second, { recursive: true });
  rmSync(profile, { recursive: true });
  server.folder = resolve(dist);
}

const noWebGL = await launch(['--disable-webgl', '--disable-3d-apis']);
try {
  const page = await noWebGL.newPage();
  await page.goto(server.url);
  const message = await page.locator('#message').textContent();
  check(message.includes('WebGL'), `without WebGL the page says so: «${message}»`);
} finally {
  await noWebGL.close();
  await server.close();
}
console.log(failed ? `page test: ${failed} failed` : 'page test: all passed');
process.exit(failed ? 1 : 0);
