// SPDX-License-Identifier: GPL-3.0-or-later
// What the module's and the browser's tests share: the desktop's command
// line run on a data file, and an SVG picture of the page read back as the
// trace the desktop's recording canvas writes.
'use strict';

const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');

const strana = process.env.LASTOVAR_STRANA;
const cli = process.env.LASTOVAR_CLI;
if (!strana || !cli) throw new Error('LASTOVAR_STRANA i LASTOVAR_CLI moraju biti zadati');

const privremeni = fs.mkdtempSync(path.join(os.tmpdir(), 'lastovar-web-'));

/// A data file of the desktop's 15 lines for the texts and counts.
function datoteka(ime, s) {
  const P = [...s.P, '1', '1', '1', '1', '1', '1'].slice(0, 6);
  const L = [...(s.L || []), '1', '1', '1', '1', '1'].slice(0, 5);
  const linije = [...P, ...L, s.raspon, s.x || '1.25', String(s.P.length), String(s.preseka || 10)];
  const putanja = path.join(privremeni, ime + '.Lastovar');
  fs.writeFileSync(putanja, linije.map((l) => l + '\r\n').join(''));
  return putanja;
}

/// The page's input object for the same load case.
function ulazStrane(s, dodatno = {}) {
  return {
    P: [...s.P, '1', '1', '1', '1', '1', '1'].slice(0, 6),
    Rastojanje: [...(s.L || []), '1', '1', '1', '1', '1'].slice(0, 5),
    Raspon: s.raspon,
    ProizvoljnoX: s.x || '1.25',
    BrojPreseka: String(s.preseka || 10),
    brojSila: s.P.length,
    separator: s.separator || '.',
    ...dodatno,
  };
}

/// lastovar-cli with the arguments, its standard output (LC_ALL for the
/// decimal separator).
function desktop(argumenti, lokal = 'C.UTF-8') {
  return execFileSync(cli, argumenti, { env: { ...process.env, LC_ALL: lokal } }).toString('latin1');
}

const ENTITETI = { '&amp;': '&', '&lt;': '<', '&gt;': '>', '&quot;': '"' };

/// The SVG of the page as the lines of `lastovar-cli dijagram --zapis`.
function zapisIzSvg(svg) {
  const izlaz = [];
  let olovka = null;
  const element = /<(path|text|polygon)\b([^>]*)>(?:([^<]*)<\/text>)?/g;
  const atribut = (a, ime) => {
    const m = new RegExp('\\b' + ime + '="([^"]*)"').exec(a);
    return m ? m[1] : null;
  };
  const tacke = (a) => atribut(a, 'points').split(' ').map((t) => t.split(',').map(Number));
  for (const m of svg.matchAll(element)) {
    const [, vrsta, a, sadrzaj] = m;
    if (vrsta === 'path') {
      const o = atribut(a, 'stroke') + ' ' + atribut(a, 'stroke-width');
      // Each subpath, after its M, is a run of lines through its points.
      for (const podputanja of atribut(a, 'd').split('M').slice(1)) {
        const t = podputanja.split(' ').map((p) => p.split(',').map(Number));
        for (let i = 1; i < t.length; ++i) {
          if (o !== olovka) { izlaz.push('olovka ' + o); olovka = o; }
          izlaz.push(`linija ${t[i - 1][0]} ${t[i - 1][1]} ${t[i][0]} ${t[i][1]}`);
        }
      }
    } else if (vrsta === 'text') {
      const tekst = sadrzaj.replace(/&(amp|lt|gt|quot);/g, (e) => ENTITETI[e]);
      izlaz.push(`tekst ${atribut(a, 'x')} ${atribut(a, 'y')} ${atribut(a, 'fill')} "${tekst}"`);
    } else {
      izlaz.push('poligon ' + atribut(a, 'fill') + ' ' + tacke(a).flat().join(' '));
    }
  }
  return izlaz.map((l) => l + '\n').join('');
}

module.exports = { strana, cli, privremeni, datoteka, ulazStrane, desktop, zapisIzSvg };
