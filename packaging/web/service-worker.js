// SPDX-FileCopyrightText: 2026 Covering Rectangle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps one build of the page in a cache named by that build, so that the page starts without
// the network, and serves its files from there. packaging/web/build fills in the build's name,
// a digest of its files. A newer build is cached whole beside the old one and takes over only
// when no page runs the old one, or when a page that has all its files asks it to; only then is
// the old cache deleted, so that a page never gets files of two builds.
'use strict';
const build = 'covering-rectangle-@BUILD@';
const files = ['./', '@PROGRAM@.js', '@PROGRAM@.wasm', 'manifest.webmanifest',
               'icon-192.png', 'icon-512.png', 'icon-maskable.png'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(build).then((cache) =>
    cache.addAll(files.map((file) => new Request(file, { cache: 'no-cache' })))));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(
    names.filter((name) => name.startsWith('covering-rectangle-') && name !== build)
      .map((name) => caches.delete(name)))));
});

self.addEventListener('message', (event) => {
  if (event.data === 'take over')
    self.skipWaiting();
});

// Only this folder's own GET requests. The page is asked for as the folder or as index.html,
// with or without a query.
self.addEventListener('fetch', (event) => {
  const scope = self.registration.scope;
  if (event.request.method !== 'GET' || !event.request.url.startsWith(scope))
    return;
  const url = new URL(event.request.url);
  const path = url.origin + url.pathname;
  const file = path === scope + 'index.html' ? scope : path;
  event.respondWith(caches.open(build)
    .then((cache) => cache.match(file))
    .then((cached) => cached ?? fetch(event.request)));
});
