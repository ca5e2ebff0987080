// SPDX-License-Identifier: GPL-3.0-or-later
// The module's own speed in Node, without the page: a calculation as a
// keystroke asks for it (six forces, 99 sections, the exact envelope on)
// and a frame of "Polozaj voza" as the train moves across the span.
//
//   node bench/web/BrzinaModula.cjs build-web/web
'use strict';

const path = require('node:path');
const { performance } = require('node:perf_hooks');

const strana = path.resolve(process.argv[2] || 'build-web/web');
const medijana = (a) => [...a].sort((x, y) => x - y)[Math.floor(a.length / 2)];

function meri(ponavljanja, korak) {
  const vremena = [];
  for (let i = 0; i < ponavljanja; ++i) {
    const pocetak = performance.now();
    korak(i);
    vremena.push(performance.now() - pocetak);
  }
  return medijana(vremena);
}

async function main() {
  const modul = await require(path.join(strana, 'lastovar.js'))();
  const ulaz = {
    P: ['206.0', '208.0', '150', '120', '95', '60'],
    Rastojanje: ['5.0', '1.0', '1.0', '1.0', '1.0'],
    Raspon: '12',
    ProizvoljnoX: '1.25',
    BrojPreseka: '99',
    brojSila: 6,
    separator: '.',
    tacnaAnvelopa: true,
  };
  const s = new modul.StranaLastovar();
  const racun = meri(60, (i) => {
    ulaz.P[0] = String(200 + (i % 10));
    if (s.Racunaj(ulaz, 1000, 500).poruka !== '') throw new Error('odbijen unos');
  });
  const prelaz = s.Prelaz(6);
  const kadar = meri(240, (i) => s.Polozaj(6, prelaz.Od + ((prelaz.Do - prelaz.Od) * (i % 120)) / 120, 1000, 400));
  console.log(`racun (unos): medijana ${racun.toFixed(2)} ms`);
  console.log(`kadar "Polozaj voza": medijana ${kadar.toFixed(2)} ms`);
}

main().catch((e) => { console.error(e); process.exit(1); });
