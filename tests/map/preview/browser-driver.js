// Drives headless chromium through its DevTools protocol on a pipe (no network, no packages): opens
// each page of a plan, performs its steps and, after each, waits until the map's tiles have settled,
// then prints the page's state and saves a screenshot.
//
//   node browser-driver.js CHROMIUM PLAN.json
//   PLAN = { "width": W, "height": H, "pages": [ { "url": "file:///...", "steps": ["load", "key:+",
//            "key:right", "wheel:DY", "drag:DX,DY"], "shots": "PREFIX" } ] }
//
// Output, one line per step: "state STEP zoom=Z tiles=A,B,... title=HEX heading=HEX strays=N
// pwned=TYPE shot=FILE"; "error TEXT" and exit status 1 when anything fails or takes too long.
'use strict';
const { spawn } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

const [chromium, planFile] = process.argv.slice(2);
const plan = JSON.parse(fs.readFileSync(planFile, 'utf8'));
const userData = fs.mkdtempSync(path.join(os.tmpdir(), 'quadrimo-browser-'));
// Everything that could reach for the network or a desktop service is off; root needs no sandbox.
const browser = spawn(chromium, [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--disable-default-apps', '--mute-audio', '--hide-scrollbars', '--remote-debugging-pipe',
  '--user-data-dir=' + userData, 'about:blank',
], { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'] });
let browserLog = '';
browser.stderr.on('data', (d) => { browserLog = (browserLog + d).slice(-4000); });

function finish(status, message) {
  if (message) console.log('error ' + message.replace(/\n/g, ' '));
  try { browser.kill('SIGKILL'); } catch (e) { /* already gone */ }
  try { fs.rmSync(userData, { recursive: true, force: true }); } catch (e) { /* best effort */ }
  process.exit(status);
}
const deadline = setTimeout(() => finish(1, 'the browser took longer than 50 s; its log: ' + browserLog), 50000);
browser.on('exit', (code) => finish(1, 'the browser ended (' + code + '); its log: ' + browserLog));

// The protocol: JSON messages, each ended by a NUL byte, to fd 3 and from fd 4.
let nextId = 1;
const pending = new Map();
const listeners = [];
let input = Buffer.alloc(0);
browser.stdio[4].on('data', (chunk) => {
  input = Buffer.concat([input, chunk]);
  let end;
  while ((end = input.indexOf(0)) >= 0) {
    const message = JSON.parse(input.subarray(0, end).toString('utf8'));
    input = input.subarray(end + 1);
    if (message.id && pending.has(message.id)) {
      const { resolve, reject, method } = pending.get(message.id);
      pending.delete(message.id);
      if (message.error) reject(new Error(method + ': ' + message.error.message)); else resolve(message.result);
    } else if (message.method) {
      listeners.slice().forEach((l) => l(message));
    }
  }
});
function send(method, params = {}, sessionId) {
  const id = nextId++;
  const message = { id, method, params };
  if (sessionId) message.sessionId = sessionId;
  browser.stdio[3].write(JSON.stringify(message) + '\0');
  return new Promise((resolve, reject) => pending.set(id, { resolve, reject, method }));
}
function nextEvent(name, sessionId, ms) {
  return new Promise((resolve, reject) => {
    const timer = setTimeout(() => reject(new Error('no ' + name + ' within ' + ms + ' ms')), ms);
    const listener = (m) => {
      if (m.method !== name || m.sessionId !== sessionId) return;
      clearTimeout(timer);
      listeners.splice(listeners.indexOf(listener), 1);
      resolve(m.params);
    };
    listeners.push(listener);
  });
}
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// The page's state as the tests see it; "settled" when every tile of one zoom is loaded and shown.
const stateExpression = `(() => {
  const imgs = Array.from(document.querySelectorAll('img.leaflet-tile'));
  const names = imgs.map((i) => i.getAttribute('src')).sort();
  const zooms = new Set(names.map((n) => n.split('_')[0]));
  const shown = imgs.every((i) => i.classList.contains('leaflet-tile-loaded') && i.complete &&
                                  getComputedStyle(i).opacity === '1');
  const heading = document.getElementById('heading');
  const hex = (s) => Array.from(new TextEncoder().encode(s)).map((b) => b.toString(16).padStart(2, '0')).join('');
  return JSON.stringify({
    settled: imgs.length > 0 && shown && zooms.size === 1 && !document.querySelector('.leaflet-zoom-anim'),
    zoom: zooms.size === 1 ? Array.from(zooms)[0] : '?', tiles: names.join(','),
    title: hex(document.title), heading: hex(heading ? heading.textContent : ''),
    strays: document.querySelectorAll('body img:not(.leaflet-tile), script[src]:not([src="info.js"])').length +
            (heading ? heading.childElementCount : 0),
    pwned: typeof window.pwned,
  });
})()`;

async function settledState(sessionId) {
  let last = '', same = 0;
  for (let tries = 0; tries < 300; ++tries) {
    const r = await send('Runtime.evaluate', { expression: stateExpression, returnByValue: true }, sessionId);
    const state = JSON.parse(r.result.value);
    const key = r.result.value;
    same = state.settled && key === last ? same + 1 : 0;
    last = key;
    if (same >= 3) return state;
    await sleep(50);
  }
  throw new Error('the map did not settle: ' + last);
}

async function step(sessionId, action) {
  const cx = plan.width / 2, cy = plan.height / 2 + 20;  // the middle of the map under the heading
  const [kind, argument] = action.split(/:(.*)/s);
  if (kind === 'key') {
    const keys = { '+': [187, '+', 'Equal'], '-': [189, '-', 'Minus'], right: [39, 'ArrowRight', 'ArrowRight'],
                   left: [37, 'ArrowLeft', 'ArrowLeft'], down: [40, 'ArrowDown', 'ArrowDown'] };
    const [keyCode, key, code] = keys[argument];
    for (const type of ['keyDown', 'keyUp']) {
      await send('Input.dispatchKeyEvent', { type, key, code, windowsVirtualKeyCode: keyCode, nativeVirtualKeyCode: keyCode }, sessionId);
    }
  } else if (kind === 'wheel') {
    await send('Input.dispatchMouseEvent', { type: 'mouseWheel', x: cx, y: cy, deltaX: 0, deltaY: Number(argument) }, sessionId);
  } else if (kind === 'drag') {
    const [dx, dy] = argument.split(',').map(Number);
    await send('Input.dispatchMouseEvent', { type: 'mouseMoved', x: cx, y: cy }, sessionId);
    await send('Input.dispatchMouseEvent', { type: 'mousePressed', x: cx, y: cy, button: 'left', buttons: 1, clickCount: 1 }, sessionId);
    for (let i = 1; i <= 10; ++i) {
      await send('Input.dispatchMouseEvent', { type: 'mouseMoved', x: cx + dx * i / 10, y: cy + dy * i / 10, button: 'left', buttons: 1 }, sessionId);
      await sleep(20);
    }
    await send('Input.dispatchMouseEvent', { type: 'mouseReleased', x: cx + dx, y: cy + dy, button: 'left', buttons: 0, clickCount: 1 }, sessionId);
  } else if (kind !== 'load') {
    throw new Error('unknown step ' + action);
  }
}

async function main() {
  await new Promise((r) => setTimeout(r, 0));
  for (const page of plan.pages) {
    const { targetId } = await send('Target.createTarget', { url: 'about:blank' });
    const { sessionId } = await send('Target.attachToTarget', { targetId, flatten: true });
    await send('Page.enable', {}, sessionId);
    await send('Emulation.setDeviceMetricsOverride', { width: plan.width, height: plan.height, deviceScaleFactor: 1, mobile: false }, sessionId);
    await send('Emulation.setFocusEmulationEnabled', { enabled: true }, sessionId);
    const loaded = nextEvent('Page.loadEventFired', sessionId, 15000);
    await send('Page.navigate', { url: page.url }, sessionId);
    await loaded;
    for (let i = 0; i < page.steps.length; ++i) {
      await step(sessionId, page.steps[i]);
      const state = await settledState(sessionId);
      const shot = await send('Page.captureScreenshot', { format: 'png' }, sessionId);
      const file = page.shots + '-' + i + '.png';
      fs.writeFileSync(file, Buffer.from(shot.data, 'base64'));
      console.log(['state ' + i, 'zoom=' + state.zoom, 'tiles=' + state.tiles, 'title=' + state.title,
                   'heading=' + state.heading, 'strays=' + state.strays, 'pwned=' + state.pwned, 'shot=' + file].join(' '));
    }
    await send('Target.closeTarget', { targetId });
  }
}

main().then(() => { clearTimeout(deadline); browser.removeAllListeners('exit'); finish(0); },
            (e) => finish(1, e.message));
