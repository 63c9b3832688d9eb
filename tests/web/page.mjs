// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page test and the page benchmark share: a static server on 127.0.0.1 that serves a
// page folder as the README tells schools to (brotli or gzip copies, the wasm type) and as static
// servers do (validators, so that a browser may ask whether its copy is current, and the caching
// the site sets), Debian's Chromium, and the window's pixels read from screenshots.
import { readFileSync, existsSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { createRequire } from 'node:module';
import { extname, join, normalize } from 'node:path';
import { inflateSync } from 'node:zlib';

// tests/web/run installs playwright-core out of the source tree, in build/web/npm.
const { chromium } = createRequire(new URL('../../build/web/npm/', import.meta.url))(
  'playwright-core');

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.wasm': 'application/wasm',
  '.txt': 'text/plain; charset=utf-8',
  '.png': 'image/png',
  '.webmanifest': 'application/manifest+json',
};

// Serves folder, or state.folder once set, from a subfolder of the site, at state.url, as a
// school's site does; beside it, at state.neighbour, is another page of the same site, whose
// address begins with the same letters. Every response carries `cache` as its Cache-Control. A
// file is sent in pieces of `piece` bytes `delay` ms apart, so that a test sees the page while it
// loads. `sent` counts the bytes sent since the last reset.
const under = '/school/maths/', neighbour = '/school/maths-notes/';
export async function serve(folder, { delay = 0, piece = 1 << 18, cache = 'no-cache' } = {}) {
  const state = { sent: 0, folder };
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    if (path === neighbour) {
      response.writeHead(200, { 'Content-Type': types['.html'], 'Cache-Control': cache })
        .end('<!doctype html><title>Бележки</title>');
      return;
    }
    let file = join(state.folder, path.slice(under.length - 1),
                    path.endsWith('/') ? 'index.html' : '');
    if (!path.startsWith(under) || !file.startsWith(state.folder) || !existsSync(file) ||
        !statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    const headers = { 'Content-Type': types[extname(file)] ?? 'application/octet-stream',
                      'Cache-Control': cache, Vary: 'Accept-Encoding' };
    const accepted = request.headers['accept-encoding'] ?? '';
    for (const [encoding, suffix] of [['br', '.br'], ['gzip', '.gz']]) {
      if (accepted.includes(encoding) && existsSync(file + suffix)) {
        file += suffix;
        headers['Content-Encoding'] = encoding;
        break;
      }
    }
    const { size, mtimeMs } = statSync(file);
    headers.ETag = `"${size}-${mtimeMs}-${headers['Content-Encoding'] ?? ''}"`;
    if (request.headers['if-none-match'] === headers.ETag) {
      response.writeHead(304, headers).end();
      return;
    }
    const body = readFileSync(file);
    headers['Content-Length'] = body.length;
    response.writeHead(200, headers);
    for (let at = 0; at < body.length; at += piece) {
      response.write(body.subarray(at, at + piece));
      state.sent += Math.min(piece, body.length - at);
      if (delay)
        await new Promise((resolve) => setTimeout(resolve, delay));
    }
    response.end();
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  state.url = `http://127.0.0.1:${server.address().port}${under}`;
  state.neighbour = `http://127.0.0.1:${server.address().port}${neighbour}`;
  state.close = () => new Promise((resolve) => server.close(resolve));
  return state;
}

// Root runs Chromium without its sandbox; nothing reaches beyond this machine.
const options = (args) => ({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-background-networking', '--disable-component-update',
         '--disable-sync', '--no-first-run', '--disable-quic', ...args],
});
export function launch(args = []) {
  return chromium.launch(options(args));
}
// A browser with a profile of its own in folder, as a pupil's is: not incognito, so that the
// page may be installed.
export function launchProfile(folder, contextOptions) {
  return chromium.launchPersistentContext(folder, { ...options([]), ...contextOptions });
}

// An 8-bit RGB or RGBA PNG, not interlaced (what Chromium and ImageMagick's PNG24 write), as
// { width, height, pixel(x, y) -> [r, g, b] }.
export function decodePng(png) {
  let width = 0, height = 0, channels = 0;
  const data = [];
  for (let at = 8; at < png.length;) {
    const length = png.readUInt32BE(at), type = png.toString('latin1', at + 4, at + 8);
    const chunk = png.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') {
      width = chunk.readUInt32BE(0);
      height = chunk.readUInt32BE(4);
      channels = { 2: 3, 6: 4 }[chunk[9]];
      if (chunk[8] !== 8 || !channels || chunk[12] !== 0)
        throw new Error('unexpected PNG format');
    } else if (type === 'IDAT') {
      data.push(chunk);
    }
    at += 12 + length;
  }
  const raw = inflateSync(Buffer.concat(data));
  const stride = width * channels;
  const pixels = Buffer.alloc(height * stride);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let i = 0; i < stride; ++i) {
      const left = i >= channels ? pixels[y * stride + i - channels] : 0;
      const up = y > 0 ? pixels[(y - 1) * stride + i] : 0;
      const upLeft = y > 0 && i >= channels ? pixels[(y - 1) * stride + i - channels] : 0;
      const p = left + up - upLeft;
      const paeth = Math.abs(p - left) <= Math.abs(p - up) && Math.abs(p - left) <= Math.abs(p - upLeft)
        ? left : Math.abs(p - up) <= Math.abs(p - upLeft) ? up : upLeft;
      const predictor = [0, left, up, (left + up) >> 1, paeth][filter];
      pixels[y * stride + i] = (line[i] + predictor) & 0xff;
    }
  }
  return {
    width, height,
    pixel: (x, y) => [...pixels.subarray(y * stride + x * channels, y * stride + x * channels + 3)],
  };
}

// The window's own picture: the program's canvas element, where the window fills the screen.
export async function windowShot(page) {
  return decodePng(await page.locator('#program').screenshot());
}

// Waits for the window's first frame: the loading notice gone, and the window's colour at
// `where` (the program's background, by default, in its top left corner).
export async function firstFrame(page, { colour = [128, 128, 255], where = [2, 2] } = {},
                                 timeout = 30000) {
  const start = Date.now();
  for (;;) {
    if (await page.evaluate(() => document.getElementById('status').hidden)) {
      const shot = await windowShot(page);
      if (String(shot.pixel(...where)) === String(colour))
        return shot;
    }
    if (Date.now() - start > timeout)
      throw new Error('no frame from the program within ' + timeout + ' ms');
    await new Promise((resolve) => setTimeout(resolve, 10));
  }
}
