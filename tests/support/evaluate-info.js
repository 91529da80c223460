// Runs an info.js file as the map viewer does (with "sizes" declared first) and prints what it
// defined: "title HEX" (UTF-8 bytes), "zoom [..]", "sizes Z:X,Y ..." (zoom 18 first) and
// "globals NAME,..." (every global the file left behind).
//   node evaluate-info.js FILE ENCODING      (ENCODING: windows-1251, utf-8, ...)
'use strict';
const fs = require('fs');
const vm = require('vm');

const [file, encoding] = process.argv.slice(2);
const text = new TextDecoder(encoding, { fatal: true }).decode(fs.readFileSync(file));
const context = vm.createContext({ sizes: [] });
vm.runInContext(text, context, { filename: file });
const sizes = Object.keys(context.sizes).sort((a, b) => b - a).map((z) => z + ':' + context.sizes[z].join(','));
console.log('title ' + Buffer.from(String(context.map_title), 'utf8').toString('hex'));
console.log('zoom ' + JSON.stringify(context.zoom));
console.log('sizes ' + sizes.join(' '));
console.log('globals ' + Object.keys(context).sort().join(','));
