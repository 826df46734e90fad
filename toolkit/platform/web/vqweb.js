// The page side of the web back end (linked in front of the program with
// --pre-js). It owns the canvases, turns the browser's input into the
// platform's messages, keeps the list of data files, loads pictures and
// sounds when the program asks, and keeps the files the program writes
// under its home folder in the browser's storage.
//
// The program runs on the browser's main thread and gives control back to
// the browser whenever it waits (asyncify): vqweb.waitInput resolves when a
// message arrives or the wait's time is up, so an idle tab only wakes for
// the program's next timer.
var vqweb = (function () {
  'use strict';
  const params = new URLSearchParams(typeof location === 'object' ? location.search : '');
  const home = '/home/web_user';
  const storagePrefix = 'quorila-file:';

  // Message kinds, as in vqplatform.h.
  const MSG = { MOVE: 1, DOWN: 2, UP: 3, DOUBLE: 4, WHEEL: 5, KEYDOWN: 6, KEYUP: 7, CHAR: 8, CLOSE: 9,
                PAINT: 10, SIZE: 11, MOVED: 12, FOCUS: 13, UNFOCUS: 14, ACTIVATE: 16, DEACTIVATE: 17 };

  const state = {
    queue: [],           // [window, kind, x, y, width, height, button, wheel, key, ch, keypad]
    wake: null,
    windows: new Map(),  // handle -> {canvas, ctx, x, y, w, h, flags}
    next: 1,
    main: 0,
    focused: 0,
    files: null,         // the data files the server holds (Set of relative paths)
    audio: null,
    sounds: new Map(),   // file -> Promise of AudioBuffer (or null)
    playing: null,
    soundGeneration: 0,
    clicks: { time: 0, x: 0, y: 0, button: 0, count: 0 },
    fixedCalendar: params.has('clock') ? Number(params.get('clock')) : null,
    origin: performance.now(),
    firstFrame: 0,
    saved: new Map(),    // stored path -> text as last read from or written to storage
  };

  function stage() { return document.getElementById('vq-stage'); }

  function post(window, kind, fields) {
    const f = fields || {};
    state.queue.push([window, kind, f.x | 0, f.y | 0, f.width | 0, f.height | 0, f.button | 0, f.wheel | 0,
                      f.key | 0, f.ch | 0, f.keypad | 0]);
    if (state.wake) {
      const wake = state.wake;
      state.wake = null;
      wake();
    }
  }

  // ---- placing the canvases ---------------------------------------------------
  // The main window is centred and fills as much of the viewport as its aspect
  // allows; every other window keeps its place relative to the main one, at
  // the same scale, but stays on the page as a desktop keeps windows on its
  // screen: a window placed at the screen's corner (the toolkit's place for
  // one opened without a position) would otherwise lie beyond the page.
  function scale() {
    const main = state.windows.get(state.main);
    if (!main || main.w <= 0 || main.h <= 0) return 1;
    const room = stage().getBoundingClientRect();
    return Math.min(room.width / main.w, room.height / main.h);
  }

  function layout() {
    const main = state.windows.get(state.main);
    if (!main) return;
    const s = scale();
    const room = stage().getBoundingClientRect();
    const left = Math.max(0, (room.width - main.w * s) / 2);
    const top = Math.max(0, (room.height - main.h * s) / 2);
    // Whole device pixels per client pixel stay sharp; smaller ones are smoothed.
    const sharp = s * (window.devicePixelRatio || 1) >= 1;
    for (const win of state.windows.values()) {
      const style = win.canvas.style;
      let x = left + (win.x - main.x) * s, y = top + (win.y - main.y) * s;
      if (win !== main) {
        x = Math.max(0, Math.min(x, room.width - win.w * s));
        y = Math.max(0, Math.min(y, room.height - win.h * s));
      }
      style.left = x + 'px';
      style.top = y + 'px';
      style.width = (win.w * s) + 'px';
      style.height = (win.h * s) + 'px';
      style.imageRendering = sharp ? 'pixelated' : 'auto';
    }
  }

  function clientPoint(win, e) {
    const r = win.canvas.getBoundingClientRect();
    const x = r.width > 0 ? Math.floor((e.clientX - r.left) * win.w / r.width) : 0;
    const y = r.height > 0 ? Math.floor((e.clientY - r.top) * win.h / r.height) : 0;
    return { x: x, y: y };
  }

  // ---- input ------------------------------------------------------------------
  function unlockAudio() {
    if (!state.audio) {
      const Context = window.AudioContext || window.webkitAudioContext;
      if (Context) {
        try { state.audio = new Context(); } catch (e) { state.audio = null; }
      }
    }
    if (state.audio && state.audio.state === 'suspended') state.audio.resume().catch(() => {});
  }

  function focusWindow(handle) {
    if (state.focused === handle) return;
    if (state.focused) {
      post(state.focused, MSG.DEACTIVATE);
      post(state.focused, MSG.UNFOCUS);
    }
    state.focused = handle;
    if (handle) {
      post(handle, MSG.ACTIVATE);
      post(handle, MSG.FOCUS);
    }
  }

  function buttonOf(e) { return e.pointerType === 'touch' ? 1 : e.button === 1 ? 2 : e.button === 2 ? 3 : 1; }

  function listen(handle, canvas) {
    canvas.addEventListener('pointerdown', (e) => {
      e.preventDefault();
      unlockAudio();
      const win = state.windows.get(handle);
      if (!win) return;
      try { canvas.setPointerCapture(e.pointerId); } catch (err) { /* a synthetic pointer */ }
      focusWindow(handle);
      const p = clientPoint(win, e);
      const button = buttonOf(e);
      // A finger does not hover: the pointer is where it lands before it presses.
      if (e.pointerType !== 'mouse') post(handle, MSG.MOVE, { x: p.x, y: p.y });
      const c = state.clicks;
      const now = performance.now();
      // Every second click of a quick series is the double click, as desktops count.
      if (c.button === button && now - c.time < 500 && Math.abs(c.x - p.x) <= 4 && Math.abs(c.y - p.y) <= 4) c.count++;
      else c.count = 1;
      Object.assign(c, { time: now, x: p.x, y: p.y, button: button });
      post(handle, c.count % 2 === 0 ? MSG.DOUBLE : MSG.DOWN, { x: p.x, y: p.y, button: button });
    });
    canvas.addEventListener('pointerup', (e) => {
      e.preventDefault();
      const win = state.windows.get(handle);
      if (!win) return;
      const p = clientPoint(win, e);
      post(handle, MSG.UP, { x: p.x, y: p.y, button: buttonOf(e) });
    });
    canvas.addEventListener('pointermove', (e) => {
      const win = state.windows.get(handle);
      if (!win) return;
      const p = clientPoint(win, e);
      post(handle, MSG.MOVE, { x: p.x, y: p.y });
    });
    canvas.addEventListener('wheel', (e) => {
      e.preventDefault();
      const win = state.windows.get(handle);
      if (!win || e.deltaY === 0) return;
      const p = clientPoint(win, e);
      post(handle, MSG.WHEEL, { x: p.x, y: p.y, wheel: e.deltaY < 0 ? 1 : -1 });
    }, { passive: false });
    canvas.addEventListener('contextmenu', (e) => e.preventDefault());
  }

  // The toolkit's codes of the keys by their names here, and of the characters
  // typed with Backspace and Control+C, V, X: the program fills both as it
  // starts (web_keys.cpp).
  const keyCodes = {};
  const typedCodes = {};

  function onKey(e, down) {
    const handle = state.focused || state.main;
    if (!handle) return;
    // A digit key of the keypad that does not type its digit (NumLock off)
    // names the digit; the program gives it the navigation key it stands for.
    const pad = /^Numpad([0-9])$/.exec(e.code);
    if (pad && e.key !== pad[1]) {
      post(handle, down ? MSG.KEYDOWN : MSG.KEYUP, { keypad: pad[1].charCodeAt(0) });
      e.preventDefault();
      return;
    }
    const key = keyCodes[e.key] || 0;
    let handled = false;
    if (key) {
      post(handle, down ? MSG.KEYDOWN : MSG.KEYUP, { key: key });
      handled = e.key !== 'F5' && e.key !== 'F11';
    }
    if (down) {
      const control = e.ctrlKey && !e.altKey;
      const lower = e.key.length === 1 ? e.key.toLowerCase() : '';
      let ch = 0;
      if (e.key === 'Backspace') ch = typedCodes.Backspace;
      else if (control && lower === 'c') ch = typedCodes.ControlC;
      else if (control && lower === 'v') ch = typedCodes.ControlV;
      else if (control && lower === 'x') ch = typedCodes.ControlX;
      else if (!control && !e.metaKey && [...e.key].length === 1) {
        const code = e.key.codePointAt(0);
        // Typed text is Latin-1; Space, Enter, Tab and Escape arrive as keys only.
        if (code > 32 && code < 256 && code !== 127) ch = code;
      }
      if (ch) {
        post(handle, MSG.CHAR, { ch: ch });
        handled = true;
      }
    }
    if (handled) e.preventDefault();
  }

  // Keys typed into a field of the page (the learner's name) are the field's.
  const inField = (e) => e.target instanceof HTMLInputElement;

  function startPage() {
    document.addEventListener('keydown', (e) => { if (inField(e)) return; unlockAudio(); onKey(e, true); });
    document.addEventListener('keyup', (e) => { if (!inField(e)) onKey(e, false); });
    window.addEventListener('focus', () => focusWindow(state.main));
    window.addEventListener('blur', () => focusWindow(0));
    window.addEventListener('resize', layout);
    // Leaving the page is the desktop's close button: the program's close
    // path runs as far as it can before the page goes.
    window.addEventListener('pagehide', () => {
      if (state.main) post(state.main, MSG.CLOSE);
    });
    window.addEventListener('storage', (e) => {
      if (e.key && e.key.startsWith(storagePrefix)) loadStoredFile(e.key.slice(storagePrefix.length), e.newValue);
    });
  }

  // ---- the program's files in the browser's storage ----------------------------
  function bytesOf(text) {
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; i++) bytes[i] = text.charCodeAt(i) & 0xFF;
    return bytes;
  }
  function textOf(bytes) {
    let text = '';
    for (let i = 0; i < bytes.length; i += 8192) text += String.fromCharCode.apply(null, bytes.subarray(i, i + 8192));
    return text;
  }

  // Writes of the page's own (a file taken from storage, a merged file put
  // back) are not the program's: storing them again would send them to the
  // other tabs, which would store them back, without end.
  let ownWrites = 0;
  function writeOwn(path, text) {
    ownWrites++;
    try { FS.writeFile(path, bytesOf(text)); } finally { ownWrites--; }
  }

  function loadStoredFile(path, text) {
    try {
      if (text === null || text === undefined) {
        state.saved.delete(path);
        if (FS.analyzePath(path).exists) FS.unlink(path);
        return;
      }
      FS.mkdirTree(path.slice(0, path.lastIndexOf('/')));
      writeOwn(path, text);
      state.saved.set(path, text);
    } catch (e) {
      console.warn('vqweb: cannot restore ' + path, e);
    }
  }

  // Another tab may have added lines since this one read the file: what this
  // tab appended goes after what is stored now, never over it.
  function storeFile(path) {
    if (!path.startsWith(home + '/')) return;
    let now;
    try { now = textOf(FS.readFile(path)); } catch (e) { return; }
    const before = state.saved.get(path) || '';
    const stored = localStorage.getItem(storagePrefix + path) || '';
    let merged = now;
    if (now.startsWith(before)) {
      let added = now.slice(before.length);
      const firstLine = stored.slice(0, stored.indexOf('\n') + 1);
      if (before === '' && firstLine && added.startsWith(firstLine)) added = added.slice(firstLine.length);
      merged = stored + added;
    }
    try {
      localStorage.setItem(storagePrefix + path, merged);
    } catch (e) {
      console.warn('vqweb: cannot store ' + path, e);
      return;
    }
    state.saved.set(path, merged);
    if (merged !== now) writeOwn(path, merged);
    if (Module.onFilesChanged) Module.onFilesChanged();
  }

  function storedFiles() {
    const out = [];
    for (let i = 0; i < localStorage.length; i++) {
      const key = localStorage.key(i);
      if (key && key.startsWith(storagePrefix)) out.push(key.slice(storagePrefix.length));
    }
    return out.sort();
  }

  function restoreFiles() {
    for (const path of storedFiles()) loadStoredFile(path, localStorage.getItem(storagePrefix + path));
    // Every file the program closes is stored at once: a tab may go any time.
    const close = FS.close;
    FS.close = function (stream) {
      const path = stream && stream.path;
      const result = close.apply(this, arguments);
      if (path && ownWrites === 0) storeFile(path);
      return result;
    };
  }

  function download(path) {
    const text = localStorage.getItem(storagePrefix + path);
    const name = path.slice(path.lastIndexOf('/') + 1);
    const blob = new Blob([bytesOf(text || '')], { type: 'text/csv' });
    const a = document.createElement('a');
    a.href = URL.createObjectURL(blob);
    a.download = name;
    document.body.appendChild(a);
    a.click();
    setTimeout(() => { URL.revokeObjectURL(a.href); a.remove(); }, 1000);
  }

  function clearFiles() {
    for (const path of storedFiles()) {
      localStorage.removeItem(storagePrefix + path);
      loadStoredFile(path, null);
    }
  }

  // ---- the data files -----------------------------------------------------------
  // files.txt lists every data file; its folders are made in the program's
  // file system so that the program finds its data folder, and a file not on
  // the list is known to be missing without asking the server.
  async function loadFileList() {
    state.files = new Set();
    try {
      const response = await fetch('files.txt');
      if (response.ok) {
        for (const line of (await response.text()).split('\n')) if (line) state.files.add(line);
      }
    } catch (e) {
      console.warn('vqweb: no list of data files', e);
    }
    for (const file of state.files) {
      const slash = file.lastIndexOf('/');
      if (slash > 0) FS.mkdirTree('/' + file.slice(0, slash));
    }
  }

  function dataName(file) {
    let name = file.replace(/^\.\//, '');
    if (name.startsWith('/')) name = name.slice(1);
    return state.files && state.files.has(name) ? name : null;
  }

  async function decodePicture(file) {
    const name = dataName(file);
    if (!name) return null;
    try {
      const response = await fetch(name);
      if (!response.ok) return null;
      const bitmap = await createImageBitmap(await response.blob(),
                                             { premultiplyAlpha: 'none', colorSpaceConversion: 'none' });
      const canvas = document.createElement('canvas');
      canvas.width = bitmap.width;
      canvas.height = bitmap.height;
      const ctx = canvas.getContext('2d', { willReadFrequently: true });
      ctx.drawImage(bitmap, 0, 0);
      bitmap.close();
      return ctx.getImageData(0, 0, canvas.width, canvas.height);
    } catch (e) {
      console.warn('vqweb: picture ' + file + ' did not load', e);
      return null;
    }
  }

  function playSound(file) {
    const name = dataName(file);
    stopSound();
    if (!name) return false;
    const generation = state.soundGeneration;
    if (!state.sounds.has(name)) {
      state.sounds.set(name, fetch(name)
        .then((r) => (r.ok ? r.arrayBuffer() : Promise.reject(new Error('HTTP ' + r.status))))
        .then((data) => (state.audio ? state.audio.decodeAudioData(data) : null))
        .catch((e) => { console.warn('vqweb: sound ' + name + ' is silent', e); return null; }));
    }
    state.sounds.get(name).then((buffer) => {
      if (!buffer || !state.audio || generation !== state.soundGeneration) return;
      const source = state.audio.createBufferSource();
      source.buffer = buffer;
      source.connect(state.audio.destination);
      source.start();
      state.playing = source;
    });
    return true;
  }

  function stopSound() {
    state.soundGeneration++;
    if (state.playing) {
      try { state.playing.stop(); } catch (e) { /* already ended */ }
      state.playing = null;
    }
  }

  // ---- windows -------------------------------------------------------------------
  function createWindow(title, x, y, w, h, flags) {
    const handle = state.next++;
    const canvas = document.createElement('canvas');
    canvas.width = Math.max(w, 1);
    canvas.height = Math.max(h, 1);
    canvas.className = 'vq-window';
    canvas.tabIndex = 0;
    canvas.dataset.window = String(handle);
    const ctx = canvas.getContext('2d', { alpha: false });
    const win = { canvas: canvas, ctx: ctx, x: x, y: y, w: w, h: h, flags: flags };
    state.windows.set(handle, win);
    if (!state.main) {
      state.main = handle;
      canvas.id = 'vq-main';
      if (title) document.title = title;
    }
    if (!(flags & 16)) canvas.style.display = 'block';
    else canvas.style.display = 'none';
    stage().appendChild(canvas);
    listen(handle, canvas);
    layout();
    focusWindow(handle);
    return handle;
  }

  function destroyWindow(handle) {
    const win = state.windows.get(handle);
    if (!win) return;
    win.canvas.remove();
    state.windows.delete(handle);
    state.queue = state.queue.filter((m) => m[0] !== handle);
    if (state.focused === handle) state.focused = 0;
    if (state.main === handle) state.main = 0;
    else if (!state.focused && state.main) focusWindow(state.main);
  }

  function moveWindow(handle, x, y, w, h) {
    const win = state.windows.get(handle);
    if (!win) return;
    if (x !== win.x || y !== win.y) {
      win.x = x;
      win.y = y;
      post(handle, MSG.MOVED, { x: x, y: y });
    }
    w = Math.max(w, 0);
    h = Math.max(h, 0);
    if (w !== win.w || h !== win.h) {
      // Resizing a canvas clears it; keep what still fits, as a desktop does.
      const keep = win.ctx.getImageData(0, 0, Math.min(w, win.w) || 1, Math.min(h, win.h) || 1);
      win.w = w;
      win.h = h;
      win.canvas.width = Math.max(w, 1);
      win.canvas.height = Math.max(h, 1);
      win.ctx.putImageData(keep, 0, 0);
      post(handle, MSG.SIZE, { width: w, height: h });
    }
    layout();
  }

  // Copies one rectangle of a 0x00RRGGBB buffer in the program's memory.
  function present(handle, pointer, stride, bufferW, bufferH, x, y, w, h) {
    const win = state.windows.get(handle);
    if (!win) return;
    const x0 = Math.max(x, 0), y0 = Math.max(y, 0);
    const x1 = Math.min(x + w, win.w, bufferW), y1 = Math.min(y + h, win.h, bufferH);
    if (x1 <= x0 || y1 <= y0) return;
    const cw = x1 - x0, ch = y1 - y0;
    const image = win.ctx.createImageData(cw, ch);
    const out = new Uint32Array(image.data.buffer);
    const heap = HEAPU32;
    const base = pointer >> 2;
    let o = 0;
    for (let row = y0; row < y1; row++) {
      let i = base + row * stride + x0;
      for (let col = 0; col < cw; col++, i++) {
        const v = heap[i];
        // 0x00RRGGBB to the canvas' bytes R, G, B, A (a little-endian word 0xAABBGGRR).
        out[o++] = 0xFF000000 | ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >>> 16) & 0xFF);
      }
    }
    win.ctx.putImageData(image, x0, y0);
    if (!state.firstFrame && handle === state.main) {
      state.firstFrame = performance.now();
      document.documentElement.classList.add('vq-running');
      if (Module.onFirstFrame) Module.onFirstFrame();
    }
  }

  function readback(handle, pointer, outW, outH) {
    const win = state.windows.get(handle);
    if (!win) return false;
    const w = Math.min(outW, win.w), h = Math.min(outH, win.h);
    const data = w > 0 && h > 0 ? new Uint32Array(win.ctx.getImageData(0, 0, w, h).data.buffer) : new Uint32Array(0);
    const heap = HEAPU32;
    const base = pointer >> 2;
    for (let row = 0; row < outH; row++) {
      for (let col = 0; col < outW; col++) {
        let value = 0;
        if (row < h && col < w) {
          const v = data[row * w + col];
          value = ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >>> 16) & 0xFF);
        }
        heap[base + row * outW + col] = value;
      }
    }
    return true;
  }

  function calendarSeconds() {
    // A test holds the calendar (clock=SECONDS): the same seeds and shown times every run.
    if (state.fixedCalendar !== null && isFinite(state.fixedCalendar)) return Math.floor(state.fixedCalendar);
    return Math.floor(Date.now() / 1000);
  }

  return {
    params: params, state: state, startPage: startPage, restoreFiles: restoreFiles, loadFileList: loadFileList,
    storedFiles: storedFiles, download: download, clearFiles: clearFiles, post: post,
    createWindow: createWindow, destroyWindow: destroyWindow, moveWindow: moveWindow, present: present,
    readback: readback, layout: layout, decodePicture: decodePicture, playSound: playSound, stopSound: stopSound,
    calendarSeconds: calendarSeconds, focusWindow: focusWindow, keyCodes: keyCodes, typedCodes: typedCodes,
  };
})();

Module['vqweb'] = vqweb;
// main gave the thread back to the page at its first wait, so its return
// (or an exit) arrives later, through asyncify: then the program has ended.
Module['postRun'] = (Module['postRun'] || []).concat([function () {
  const ended = (code) => {
    try {
      exit(code);
    } catch (e) {
      if (!(e instanceof ExitStatus)) throw e;
    }
  };
  Asyncify.whenDone().then(ended, (e) => {
    // exit has told the page already (onExit); anything else is a failure.
    if (!(e instanceof ExitStatus)) abort(e);
  });
}]);
Module['preRun'] = (Module['preRun'] || []).concat([function () {
  vqweb.startPage();
  if (vqweb.params.has('test')) ENV['QUORILA_TEST_HOOK'] = '1';
  vqweb.restoreFiles();
  addRunDependency('vqweb-files');
  vqweb.loadFileList().then(() => removeRunDependency('vqweb-files'));
}]);
