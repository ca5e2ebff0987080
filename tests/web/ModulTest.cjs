// SPDX-License-Identifier: GPL-3.0-or-later
// The WebAssembly module against the desktop on the repository's own cases:
// its reports and tables against lastovar-cli's, its SVG pictures read back
// against the golden traces of the drawing's tests, its checks and its data
// files against what the desktop says and writes.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { strana, datoteka, ulazStrane, desktop, zapisIzSvg } = require('./ZajednickoWeb.cjs');

const zapisi = process.env.LASTOVAR_ZAPISI;
let modul;

test.before(async () => {
  modul = await require(path.join(strana, 'lastovar.js'))();
});

const PODRAZUMEVANI = { P: ['206.0', '208.0'], L: ['5.0'], raspon: '9.0' };
const SEST_SILA = { P: ['206.0', '208.0', '1.0', '1.0', '1.0', '1.0'], L: ['5.0', '1.0', '1.0', '1.0', '1.0'], raspon: '9.0' };

// The cases of the report: the form's defaults, the complete report of
// two equal forces, every force count at the most sections, a train as long
// as the span, residues near zero, and the regional comma.
const IZVESTAJI = [
  { ime: 'podrazumevani', ...PODRAZUMEVANI },
  { ime: 'dve_jednake', P: ['10', '10'], L: ['2'], raspon: '10', x: '3', preseka: 5 },
  { ime: 'jedna_sila', P: ['150'], raspon: '7.5', x: '7.5', preseka: 99 },
  { ime: 'tri_sile', P: ['120', '200', '90'], L: ['1.6', '2.4'], raspon: '12', x: '1.250', preseka: 37 },
  { ime: 'cetiri_sile', P: ['60', '60', '145', '145'], L: ['3.5', '1.2', '4.3'], raspon: '15', x: '0', preseka: 99 },
  { ime: 'pet_sila', P: ['80', '120', '120', '120', '60'], L: ['1.5', '1.5', '1.5', '2'], raspon: '14', preseka: 64 },
  { ime: 'sest_sila', ...SEST_SILA, preseka: 99 },
  { ime: 'sest_raznih', P: ['40', '90', '90', '130', '130', '60'], L: ['2.1', '1.4', '3.3', '1.4', '2.75'], raspon: '18.5', x: '9.25', preseka: 99 },
  { ime: 'zarez', P: ['206,5', '208'], L: ['5,25'], raspon: '9,75', x: '1,5', separator: ',', lokal: 'de_DE.UTF-8' },
];

// The module computes the desktop's extended precision bit for bit, so its
// texts are the desktop's byte for byte, rounding residues near zero too.
test('the report is the desktop\'s, byte for byte', () => {
  for (const s of IZVESTAJI) {
    const r = new modul.StranaLastovar().Racunaj(ulazStrane(s), 800, 600);
    assert.equal(r.poruka, '', s.ime);
    assert.equal(r.izvestaj, desktop(['izvestaj', datoteka(s.ime, s)], s.lokal), s.ime);
  }
});

test('the tables as CSV are the desktop\'s, with and without the exact envelope', () => {
  for (const s of IZVESTAJI) {
    for (const [dodatno, komanda] of [[{}, ['izvestaj', '--csv']],
                                      [{ tacnaAnvelopa: true }, ['tacno', '--csv']],
                                      [{ tacnaAnvelopa: true, obaSmera: true }, ['tacno', '--csv', '--oba-smera']]]) {
      const m = new modul.StranaLastovar();
      assert.equal(m.Racunaj(ulazStrane(s, dodatno), 800, 600).poruka, '');
      assert.equal(m.Csv(), desktop([...komanda, datoteka(s.ime, s)], s.lokal), s.ime + ' ' + komanda);
    }
  }
});

// The golden traces of the drawing's own tests, from the SVG the page shows.
const DIJAGRAMI = [
  ['ekran_sila1', { P: ['206.0'], raspon: '9.0' }, false, 800, 600],
  ['ekran_sila2', PODRAZUMEVANI, false, 800, 600],
  ['ekran_sila3', { P: ['206.0', '208.0', '1.0'], L: ['5.0', '1.0'], raspon: '9.0' }, false, 800, 600],
  ['ekran_sila4', { P: ['206.0', '208.0', '1.0', '1.0'], L: ['5.0', '1.0', '1.0'], raspon: '9.0' }, false, 800, 600],
  ['ekran_sila5', { P: ['206.0', '208.0', '1.0', '1.0', '1.0'], L: ['5.0', '1.0', '1.0', '1.0'], raspon: '9.0' }, false, 800, 600],
  ['ekran_sila6', SEST_SILA, false, 800, 600],
  ['stampa_sila1', { P: ['150'], raspon: '7.5' }, true, 1050, 1856],
  ['stampa_sila2', { P: ['90', '180'], L: ['2.5'], raspon: '11' }, true, 1050, 1856],
  ['stampa_sila3', { P: ['120', '200', '90'], L: ['1.6', '2.4'], raspon: '12' }, true, 1050, 1856],
  ['stampa_sila4', { P: ['60', '60', '145', '145'], L: ['3.5', '1.2', '4.3'], raspon: '15' }, true, 1050, 1856],
  ['stampa_sila5', { P: ['80', '120', '120', '120', '60'], L: ['1.5', '1.5', '1.5', '2'], raspon: '14' }, true, 1050, 1856],
  ['stampa_sila6', { P: ['40', '90', '90', '130', '130', '60'], L: ['2.1', '1.4', '3.3', '1.4', '2.75'], raspon: '18.5' }, true, 1050, 1856],
  ['ekran_sila6_tacno', { ...SEST_SILA, tacno: true }, false, 800, 600],
  ['stampa_sila4_tacno', { P: ['60', '60', '145', '145'], L: ['3.5', '1.2', '4.3'], raspon: '15', tacno: true }, true, 1050, 1856],
];

test('the diagrams\' SVG draws the golden traces', () => {
  for (const [ime, s, stampa, W, H] of DIJAGRAMI) {
    const m = new modul.StranaLastovar();
    const r = m.Racunaj(ulazStrane(s, { tacnaAnvelopa: !!s.tacno }), W, H);
    assert.equal(r.poruka, '', ime);
    const svg = stampa ? m.Dijagram(true, W, H) : r.svg;
    assert.match(svg, /role="img" aria-label="Dijagram extM i extT"/);
    assert.equal(zapisIzSvg(svg), fs.readFileSync(path.join(zapisi, ime + '.zapis'), 'latin1'), ime);
  }
});

// The traces of "Polozaj voza" name their fonts, which SVG gives only as
// sizes: compared without those lines.
const bezFontova = (zapis) => zapis.replace(/^font .*\n/gm, '');

test('"Polozaj voza" draws the golden traces and lastovar-cli polozaj', () => {
  const sest = { P: ['120', '180', '180', '150', '150', '90'], L: ['2.5', '1.5', '4.0', '1.5', '3.0'], raspon: '20' };
  const sestZarez = { ...sest, L: sest.L.map((l) => l.replace('.', ',')), x: '1,25', separator: ',' };
  const slucajevi = [
    ['polozaj_podrazumevani', PODRAZUMEVANI, {}, 4.5, undefined, 1000, 800],
    ['polozaj_sest_sila_oba', sestZarez, { obaSmera: true }, 7, undefined, 1400, 1000],
  ];
  for (const [ime, s, dodatno, x, p1, W, H] of slucajevi) {
    const m = new modul.StranaLastovar();
    const u = ulazStrane(s, dodatno);
    u.P = u.P.map((p) => p.replace('.', s.separator || '.'));
    assert.equal(m.Racunaj(u, 800, 600).poruka, '', ime);
    const svg = m.Polozaj(x, p1, W, H);
    assert.equal(zapisIzSvg(svg), bezFontova(fs.readFileSync(path.join(zapisi, ime + '.zapis'), 'latin1')), ime);
  }
  // Frames of the crossing, the train standing as extM at the section
  // wants it, against the command line.
  for (const [ime, s, dodatno, x, p1, W, H, opcije] of [
    ['podrazumevani', PODRAZUMEVANI, {}, 2.5, 1.75, 900, 700, []],
    ['sest_oba', sest, { obaSmera: true }, 7, 10.25, 1200, 900, ['--oba-smera']],
  ]) {
    const m = new modul.StranaLastovar();
    m.Racunaj(ulazStrane(s, dodatno), 800, 600);
    assert.equal(zapisIzSvg(m.Polozaj(x, p1, W, H)),
                 bezFontova(desktop(['polozaj', datoteka(ime, s), '--x', String(x), '--p1', String(p1),
                                     '--sirina', String(W), '--visina', String(H), '--zapis', ...opcije])), ime);
  }
});

test('a click maps the column to its section as the desktop\'s window does', () => {
  const m = new modul.StranaLastovar();
  m.Racunaj(ulazStrane(PODRAZUMEVANI), 800, 600);
  // x0 = 50, x1 = 700: 9 m over 650 columns.
  assert.equal(m.PresekKlika(50), 0);
  assert.equal(m.PresekKlika(44), null);
  assert.equal(m.PresekKlika(45), 0);
  assert.equal(m.PresekKlika(705), 9);
  assert.equal(m.PresekKlika(706), null);
  assert.equal(m.PresekKlika(375), 325 * (9 / 650));
  const prelaz = m.Prelaz(4.5);
  assert.deepEqual([prelaz.Od, prelaz.Do, prelaz.obrnut], [-5, 9, false]);
});

test('refused inputs: the checks\' messages and the fields at fault', () => {
  const tip = 'Greska u unosu tipa podataka za proracun!!!';
  const vrednosti = 'Vrednosti podataka nisu korektno unete!!!';
  const slucajevi = [
    [{ ...PODRAZUMEVANI, raspon: 'abc' }, tip, ['txtRaspon']],
    // An unused field must still hold a number; every text at fault is named.
    [{ P: ['206.0', '', 'x'], L: ['5.0'], raspon: '9.0', n: 2 }, tip, ['txtP2', 'txtP3']],
    [{ ...PODRAZUMEVANI, P: ['206.0', '0'] }, vrednosti, ['txtP2']],
    [{ ...PODRAZUMEVANI, L: ['-5'] }, vrednosti, ['txtRastojanje1']],
    [{ ...PODRAZUMEVANI, raspon: '4.5' }, vrednosti, ['txtRaspon']],
    [{ ...PODRAZUMEVANI, x: '9.5' }, vrednosti, ['txtProizvoljnoX']],
    [{ ...PODRAZUMEVANI, x: '-0.1' }, vrednosti, ['txtProizvoljnoX']],
    [{ ...PODRAZUMEVANI, raspon: '0' }, vrednosti, ['txtRaspon']],
    // The point is no separator where the comma is.
    [{ ...PODRAZUMEVANI, separator: ',' }, tip, ['txtP1', 'txtP2', 'txtProizvoljnoX', 'txtRastojanje1', 'txtRaspon']],
  ];
  for (const [s, poruka, polja] of slucajevi) {
    const u = ulazStrane(s);
    if (s.n) { u.P[1] = s.P[1]; u.P[2] = s.P[2]; u.brojSila = s.n; }
    const r = new modul.StranaLastovar().Racunaj(u, 800, 600);
    assert.equal(r.poruka, poruka, JSON.stringify(s));
    assert.deepEqual([...r.polja], polja, JSON.stringify(s));
    assert.equal(r.izvestaj, undefined);
  }
});

test('the data file: the desktop\'s bytes, its extra lines kept, a bad count refused', () => {
  const bajtovi = (s) => new Uint8Array(Buffer.from(s, 'latin1'));
  const tekst = (b) => Buffer.from(b).toString('latin1');
  const podrazumevani = modul.PodrazumevaniUlaz('.');
  assert.equal(tekst(modul.ZapisiDatoteku(podrazumevani, undefined)),
               '206.0\r\n208.0\r\n1.0\r\n1.0\r\n1.0\r\n1.0\r\n5.0\r\n1.0\r\n1.0\r\n1.0\r\n1.0\r\n9.0\r\n1.25\r\n2\r\n10\r\n');

  // Texts as typed, 8-bit characters and all, but a number written with the
  // other separator, which comes back with the reader's; counts held in
  // their ranges.
  const datotekaSaVisom = '1,5e1\r\n208\r\n\r\n \u00e9\r\n1\r\n1\r\n5\r\n1\r\n1\r\n1\r\n1\r\n9\r\n1.250\r\n9\r\n150\r\n' +
                          '[proracunske vrednosti]\r\nq=5\r\n';
  const s = modul.ProcitajDatoteku(bajtovi(datotekaSaVisom), '.');
  assert.equal(s.greska, undefined);
  assert.deepEqual([...s.tekstovi.P], ['1.5e1', '208', '', ' \u00e9', '1', '1']);
  assert.equal(s.tekstovi.ProizvoljnoX, '1.250');
  assert.deepEqual([s.brojSila, s.brojPreseka], [6, 99]);
  assert.equal(tekst(s.ostatak), '[proracunske vrednosti]\r\nq=5\r\n');
  const ponovo = { ...s.tekstovi, brojSila: s.brojSila, BrojPreseka: String(s.brojPreseka) };
  assert.equal(tekst(modul.ZapisiDatoteku(ponovo, s.ostatak)),
               datotekaSaVisom.replace('1,5e1', '1.5e1').replace('\r\n9\r\n150\r\n', '\r\n6\r\n99\r\n'));

  // A file the desktop cannot convert changes nothing.
  assert.equal(modul.ProcitajDatoteku(bajtovi('1\r\n2\r\n'), '.').greska,
               'Greska pri konverziji podataka iz datoteke u polja na formi!');
  // Characters beyond the desktop's 8-bit set are written as it writes them.
  const evro = { ...podrazumevani, P: ['2\u20ac', '1', '1', '1', '1', '1'] };
  assert.equal(tekst(modul.ZapisiDatoteku(evro, undefined)).split('\r\n')[0], '2?');
});

test('the calculation sheet is laid out as the desktop\'s PDF', () => {
  const m = new modul.StranaLastovar();
  m.Racunaj(ulazStrane(SEST_SILA, { tacnaAnvelopa: true, BrojPreseka: '99' }), 800, 600);
  // The title block comes from the bytes after the opened file's 15 lines.
  const ostatak = new TextEncoder().encode(
    '[Lastovar dodatak]\r\nprojekat=Most preko Save\r\nelement=POS 3\r\n');
  const list = m.List('primer.Lastovar', '11.12.2025.', ostatak);
  assert.ok(list.strane.length >= 3);
  const tekstovi = list.strane.flatMap((s) => s.tekstovi.map((t) => t.tekst));
  const n = list.strane.length;
  for (let i = 1; i <= n; ++i) assert.ok(tekstovi.includes(`strana ${i} od ${n}`));
  for (const t of ['Most preko Save', 'POS 3', 'Most preko Save - POS 3',
    'Prilog A. Izvestaj proracuna', 'REZULTATI PRORACUNA']) assert.ok(tekstovi.includes(t), t);
  assert.match(list.strane[0].slike[0].svg, /<svg/);
  const bez = m.List('primer.Lastovar', '11.12.2025.', undefined);
  assert.ok(bez.strane[0].tekstovi.some((t) => t.tekst === 'Proracun extM i extT'));
});

// The design actions as the page's panel holds them, and the same as
// lastovar-cli's options.
function dejstva(d, separator = '.') {
  const broj = (v, p) => (v === undefined ? p : v.replace('.', separator));
  return {
    q: broj(d.q, '0'), c: broj(d.c, '0'), g: broj(d.g, '0'), Fi: broj(d.fi, '1'),
    GamaG: broj(d.gamaG, '1'), GamaQ: broj(d.gamaQ, '1'),
    RasporedQ: d.uzVoz ? 'uz-voz' : 'bilo-gde', FiNaQ: !!d.fiNaQ,
  };
}
function opcijeDejstava(d, separator = '.') {
  const o = [];
  for (const [kljuc, opcija] of [['q', '--q'], ['c', '--razmak'], ['g', '--g'], ['fi', '--fi'],
                                 ['gamaG', '--gama-g'], ['gamaQ', '--gama-q']])
    if (d[kljuc] !== undefined) o.push(opcija, d[kljuc].replace('.', separator));
  if (d.uzVoz) o.push('--q-raspored', 'uz-voz');
  if (d.fiNaQ) o.push('--fi-q');
  return o;
}

// Road and rail trains with q anywhere and beside the train, every factor,
// both orientations, a train longer than the span and the regional comma.
const SLUCAJEVI_DEJSTAVA = [
  { ime: 'q_bilo_gde', s: SEST_SILA, d: { q: '9' } },
  { ime: 'sve', s: { P: ['120', '180', '180', '150', '150', '90'], L: ['2.5', '1.5', '4', '1.5', '3'], raspon: '20', x: '7', preseka: 99 },
    d: { q: '9', uzVoz: true, c: '1.5', g: '5', fi: '1.2', fiNaQ: true, gamaG: '1.35', gamaQ: '1.5' } },
  { ime: 'oba_smera', s: { P: ['60', '60', '145', '145'], L: ['3.5', '1.2', '4.3'], raspon: '15', preseka: 37 },
    d: { q: '4.5', uzVoz: true, c: '0.75', fi: '1.1' }, oba: true },
  { ime: 'dug_voz', s: { P: ['35', '145', '145'], L: ['4.3', '4.3'], raspon: '5', x: '2', preseka: 20 },
    d: { q: '10', g: '2.5', gamaQ: '1.5' } },
  { ime: 'zarez', s: { P: ['206,5', '208'], L: ['5,25'], raspon: '9,75', x: '1,5', separator: ',' },
    d: { q: '3.5', g: '1.25', gamaG: '1.35' }, lokal: 'de_DE.UTF-8' },
];

test('the governing values, the CSV and "Polozaj voza" with actions are the desktop\'s', (t) => {
  for (const { ime, s, d, oba, lokal } of SLUCAJEVI_DEJSTAVA) {
    const sep = s.separator || '.';
    const opcije = [...opcijeDejstava(d, sep), ...(oba ? ['--oba-smera'] : [])];
    const fajl = datoteka(ime, s);
    const m = new modul.StranaLastovar();
    const r = m.Racunaj(ulazStrane(s, { Dejstva: dejstva(d, sep), proracunskaAnvelopa: true, obaSmera: !!oba }), 800, 600);
    assert.equal(r.poruka, '', ime);
    const merodavne = m.Merodavne(800, 400);
    // The actions' lines, a blank one, then what `merodavno` prints.
    const [opis, vrednosti] = merodavne.tekst.split('\n\n');
    assert.match(opis, /^Proracunske vrednosti: q = /, ime);
    assert.equal(vrednosti, desktop(['merodavno', fajl, ...opcije], lokal), ime);
    assert.match(merodavne.svg, /aria-label="Proracunska anvelopa"/);
    if (r.staje) {
      assert.equal(m.Csv(), desktop(['izvestaj', '--csv', fajl], lokal), ime + ' csv');
      const tacna = new modul.StranaLastovar();
      tacna.Racunaj(ulazStrane(s, { Dejstva: dejstva(d, sep), proracunskaAnvelopa: true, tacnaAnvelopa: true, obaSmera: !!oba }), 800, 600);
      assert.equal(tacna.Csv(), desktop(['tacno', '--csv', fajl, ...opcije], lokal), ime + ' tacno');
      const x = Number(s.x ? s.x.replace(',', '.') : 1.25);
      assert.equal(zapisIzSvg(m.Polozaj(x, undefined, 1200, 900)),
                   bezFontova(desktop(['polozaj', fajl, '--sirina', '1200', '--visina', '900', '--zapis', ...opcije], lokal)), ime);
    } else {
      // The classical method needs the whole train on the span.
      assert.equal(r.izvestaj, 'Voz je duzi od raspona: klasicni proracun trazi ceo voz na rasponu.\n');
      assert.equal(m.Csv(), desktop(['merodavno', '--csv', fajl, ...opcije], lokal), ime + ' csv');
    }
  }
});

test('with the design envelope off the actions change nothing, and a long train is refused', () => {
  const d = dejstva({ q: '9', g: '5', gamaQ: '1.5' });
  const m = new modul.StranaLastovar();
  const r = m.Racunaj(ulazStrane(SEST_SILA, { Dejstva: d, tacnaAnvelopa: true }), 800, 600);
  const bez = new modul.StranaLastovar();
  const r0 = bez.Racunaj(ulazStrane(SEST_SILA, { tacnaAnvelopa: true }), 800, 600);
  assert.equal(r.izvestaj, r0.izvestaj);
  assert.equal(r.svg, r0.svg);
  assert.equal(m.Csv(), bez.Csv());
  assert.equal(m.Polozaj(1.25, undefined, 900, 700), bez.Polozaj(1.25, undefined, 900, 700));
  assert.equal(m.Merodavne(800, 400), null);
  const dug = { P: ['35', '145', '145'], L: ['4.3', '4.3'], raspon: '5' };
  assert.deepEqual([...m.Racunaj(ulazStrane(dug), 800, 600).polja], ['txtRaspon']);
});

test('refused actions: the dialog\'s message and the fields at fault', () => {
  const poruka = 'Proracunske vrednosti nisu korektno unete!!!';
  const slucajevi = [
    [{ q: 'x' }, ['txtQ']],
    [{ q: 'x', g: '', gamaQ: '1.5.0' }, ['txtQ', 'txtG', 'txtGamaQ']],
    [{ q: '-1' }, ['txtQ']],
    [{ c: '-0.5' }, ['txtRazmak']],
    [{ fi: '0' }, ['txtFi']],
    [{ gamaG: '-1.35' }, ['txtGamaG']],
    [{ gamaQ: 'inf' }, ['txtGamaQ']],
    // Only together do they overflow: the last one set is named.
    [{ fi: '1e200', gamaQ: '1e200' }, ['txtGamaQ']],
  ];
  for (const [d, polja] of slucajevi) {
    for (const proracunska of [true, false]) {
      const m = new modul.StranaLastovar();
      assert.equal(m.Racunaj(ulazStrane(PODRAZUMEVANI), 800, 600).poruka, '');
      const r = m.Racunaj(ulazStrane(PODRAZUMEVANI, { Dejstva: dejstva(d), proracunskaAnvelopa: proracunska }), 800, 600);
      assert.equal(r.poruka, poruka, JSON.stringify(d));
      assert.deepEqual([...r.polja], polja, JSON.stringify(d));
    }
  }
  // Nor are they saved.
  assert.equal(modul.ZapisiDatoteku(ulazStrane(PODRAZUMEVANI, { Dejstva: dejstva({ q: '-1' }), proracunskaAnvelopa: true }), undefined),
               poruka);
});

test('the data file\'s extension block: read and written as the desktop does', () => {
  const bajtovi = (s) => new Uint8Array(Buffer.from(s, 'latin1'));
  const tekst = (b) => Buffer.from(b).toString('latin1');
  const linije = '120\r\n180\r\n180\r\n150\r\n150\r\n90\r\n2.5\r\n1.5\r\n4\r\n1.5\r\n3\r\n20\r\n7\r\n6\r\n10\r\n';
  // As the desktop writes it: the keys it does not know, then the actions.
  const blok = '[Lastovar dodatak]\r\nbuduci.kljuc=ostaje\r\nq=9\r\nq-raspored=uz-voz\r\nrazmak=1.5\r\ng=5\r\n' +
               'fi=1.2\r\nfi-q=da\r\ngama-g=1.35\r\ngama-q=1.5\r\n';
  const otvori = (b, sep = '.') => {
    const s = modul.ProcitajDatoteku(bajtovi(b), sep);
    assert.equal(s.greska, undefined);
    return [s, { ...s.tekstovi, brojSila: s.brojSila, BrojPreseka: String(s.brojPreseka), separator: sep,
                 Dejstva: s.dejstva, proracunskaAnvelopa: !!s.dejstva }];
  };

  // Opened and saved: byte for byte, a key of a later version kept.
  const [s, ulaz] = otvori(linije + blok);
  assert.deepEqual({ ...s.dejstva }, { q: '9', c: '1.5', g: '5', Fi: '1.2', GamaG: '1.35', GamaQ: '1.5', RasporedQ: 'uz-voz', FiNaQ: true });
  assert.equal(tekst(modul.ZapisiDatoteku(ulaz, s.ostatak)), linije + blok);
  // The actions read with the page's separator; the file keeps its point.
  const linijeZarez = linije.replace(/\./g, ',');
  const [sz, ulazZarez] = otvori(linijeZarez, ',');
  assert.equal(sz.dejstva, undefined);
  const [, saZarezom] = otvori(linije + blok, ',');
  assert.equal(saZarezom.Dejstva.GamaG, '1,35');
  assert.equal(tekst(modul.ZapisiDatoteku({ ...ulazZarez, Dejstva: saZarezom.Dejstva, proracunskaAnvelopa: true }, undefined)),
               linijeZarez + blok.replace('buduci.kljuc=ostaje\r\n', ''));
  // Lines after the fifteen that are no block give way to one for actions.
  assert.equal(tekst(modul.ZapisiDatoteku(ulaz, bajtovi('stara linija\r\n'))),
               linije + blok.replace('buduci.kljuc=ostaje\r\n', ''));
  // With the design envelope off the actions go, the other keys stay; a
  // file without actions is the fifteen lines.
  assert.equal(tekst(modul.ZapisiDatoteku({ ...ulaz, proracunskaAnvelopa: false }, s.ostatak)),
               linije + '[Lastovar dodatak]\r\nbuduci.kljuc=ostaje\r\n');
  assert.equal(tekst(modul.ZapisiDatoteku({ ...ulaz, proracunskaAnvelopa: false }, undefined)), linije);
  // Actions at their start values are no actions.
  assert.equal(tekst(modul.ZapisiDatoteku({ ...ulaz, Dejstva: dejstva({}) }, undefined)), linije);
  // What the desktop writes, the desktop reads: the actions it takes from
  // the page's file give its governing values.
  const putanja = path.join(path.dirname(datoteka('blok', SEST_SILA)), 'blok_strane.Lastovar');
  fs.writeFileSync(putanja, modul.ZapisiDatoteku(ulaz, s.ostatak));
  const m = new modul.StranaLastovar();
  m.Racunaj(ulaz, 800, 600);
  assert.equal(m.Merodavne(800, 400).tekst.split('\n\n')[1], desktop(['merodavno', putanja]));

  // A block that cannot be read opens nothing, with the desktop's message.
  const los = modul.ProcitajDatoteku(bajtovi(linije + '[Lastovar dodatak]\r\nq=minus\r\n'), '.');
  assert.match(los.greska, /^Greska u dodatku datoteke/);
  assert.equal(los.tekstovi, undefined);
});
