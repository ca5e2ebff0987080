// SPDX-License-Identifier: GPL-3.0-or-later
// The page over the module: it hands the form's texts to the module on every
// change and shows what comes back. Every number, check, picture and file is
// the module's (the desktop's own code); this file only moves texts between
// the page and the module, and keeps the state of the controls.
'use strict';

(function () {
  const $ = (id) => document.getElementById(id);

  const SILE = ['txtP1', 'txtP2', 'txtP3', 'txtP4', 'txtP5', 'txtP6'];
  const RAZMACI = ['txtRastojanje1', 'txtRastojanje2', 'txtRastojanje3', 'txtRastojanje4',
                   'txtRastojanje5'];
  const DEJSTVA = { q: 'txtQ', c: 'txtRazmak', g: 'txtG', Fi: 'txtFi', GamaG: 'txtGamaG',
                    GamaQ: 'txtGamaQ' };
  const KORAKA = 1000;           // steps of the slider over the crossing
  const TRAJANJE_PRELAZA = 8;    // seconds of one crossing at play
  const IME_PODATAKA = 'Podaci za proracun.Lastovar';

  let modul = null;
  let strana = null;             // the module's TStranaLastovar
  let prihvaceno = false;        // a load case passed the checks and is on show
  let staje = false;             // its train stands whole on the span
  let imeDatoteke = '';          // the data file last opened or saved
  let ostatak = undefined;       // the bytes after an opened file's fifteen lines
  let presekUpozorenja = null;
  const polozaj = { x: 0, p1: null, opseg: null, pusten: false, pocetakP1: 0, pocetakSata: 0 };

  // --- The form -----------------------------------------------------------

  function brojIzSpina(id) {
    const e = $(id);
    const min = Number(e.min), max = Number(e.max);
    const v = Math.trunc(Number(e.value));
    // Like the desktop's spin edit: text that is no integer reads as the
    // minimum, and a value is held within the range.
    if (!Number.isFinite(v) || e.value.trim() === '') return min;
    return Math.min(max, Math.max(min, v));
  }

  function ulaz() {
    return {
      P: SILE.map((id) => $(id).value),
      Rastojanje: RAZMACI.map((id) => $(id).value),
      Raspon: $('txtRaspon').value,
      ProizvoljnoX: $('txtProizvoljnoX').value,
      BrojPreseka: String(brojIzSpina('SpinEditBrojPreseka')),
      brojSila: brojIzSpina('SpinEditBrojSila'),
      separator: $('DecimalniZnak').value,
      tacnaAnvelopa: $('TacnaAnvelopa').checked,
      obaSmera: $('ObaSmeraVoza').checked,
      Dejstva: dejstva(),
      proracunskaAnvelopa: $('ProracunskaAnvelopa').checked,
    };
  }

  // The panel "Proracunske vrednosti" as the module reads it.
  function dejstva() {
    const d = { RasporedQ: $('RasporedQ').value, FiNaQ: $('FiNaQ').checked };
    for (const [ime, id] of Object.entries(DEJSTVA)) d[ime] = $(id).value;
    return d;
  }

  function postaviDejstva(d) {
    for (const [ime, id] of Object.entries(DEJSTVA)) $(id).value = d[ime];
    $('RasporedQ').value = d.RasporedQ;
    $('FiNaQ').checked = d.FiNaQ;
    podesiRazmak();
  }

  // As in the desktop's dialog, the clearance matters only for q in front
  // of and behind the train.
  function podesiRazmak() { $('txtRazmak').disabled = $('RasporedQ').value !== 'uz-voz'; }

  function postaviTekstove(t, brojSila, brojPreseka) {
    SILE.forEach((id, i) => { $(id).value = t.P[i]; });
    RAZMACI.forEach((id, i) => { $(id).value = t.Rastojanje[i]; });
    $('txtRaspon').value = t.Raspon;
    $('txtProizvoljnoX').value = t.ProizvoljnoX;
    $('SpinEditBrojSila').value = String(brojSila);
    $('SpinEditBrojPreseka').value = String(brojPreseka);
    podesiPolja();
  }

  // The force and spacing fields the force count uses are enabled; the
  // others keep their texts.
  function podesiPolja() {
    const n = brojIzSpina('SpinEditBrojSila');
    SILE.forEach((id, i) => { $(id).disabled = i >= n; });
    RAZMACI.forEach((id, i) => { $(id).disabled = i >= n - 1; });
  }

  function prikaziGresku(poruka, polja) {
    document.querySelectorAll('[aria-invalid]').forEach((e) => e.removeAttribute('aria-invalid'));
    const greska = $('Greska');
    if (!poruka) {
      greska.hidden = true;
      greska.textContent = '';
      return;
    }
    polja.forEach((id) => $(id).setAttribute('aria-invalid', 'true'));
    // The message stands beside the first field at fault.
    const polje = $(polja[0]);
    polje.closest('.polje').after(greska);
    polje.setAttribute('aria-describedby', 'Greska');
    greska.textContent = poruka;
    greska.hidden = false;
  }

  // --- The results ----------------------------------------------------------

  function velicina(id) {
    const e = $(id);
    return [Math.max(0, Math.floor(e.clientWidth)), Math.max(0, Math.floor(e.clientHeight))];
  }

  function racunaj() {
    performance.mark('lastovar:unos');
    // Every size is read before the first write: a size read after one
    // would lay the page out twice in one keystroke.
    const [sirina, visina] = velicina('Dijagram');
    const slika = velicina('SlikaPolozaja');
    const merodavne = $('MerodavneVrednostiO').hidden ? null : velicina('DijagramMerodavnih');
    let r;
    try {
      r = strana.Racunaj(ulaz(), sirina, visina);
    } catch (e) {
      r = { poruka: 'Greska u proracunu: ' + e, polja: [] };
    }
    if (r.poruka) {
      // As after a refused calculation on the desktop: no results stand.
      prihvaceno = false;
      staje = false;
      zaustavi();
      prikaziGresku(r.poruka, r.polja.length ? r.polja : ['txtP1']);
      $('MemoText').textContent = '';
      $('Dijagram').replaceChildren();
      $('SlikaPolozaja').replaceChildren();
      prikaziUpozorenje('', null);
      prikaziMerodavne(null);
      omoguciRezultate(false);
    } else {
      prihvaceno = true;
      staje = r.staje;
      prikaziGresku('', []);
      $('MemoText').textContent = r.izvestaj.replace(/\n$/, '');
      $('Dijagram').innerHTML = r.svg;
      prikaziUpozorenje(r.upozorenje, r.presekUpozorenja);
      omoguciRezultate(true);
      prikaziMerodavne($('ProracunskaAnvelopa').checked, merodavne);
      polozaj.x = Math.min(Math.max(polozaj.x, 0), r.raspon);
      if (staje) osveziPolozaj(slika); else { zaustavi(); $('SlikaPolozaja').replaceChildren(); }
    }
    performance.measure('lastovar:unos-racun', 'lastovar:unos');
    // From the change to the painted results: the frame after this one's paint.
    requestAnimationFrame(() => {
      const kanal = new MessageChannel();
      kanal.port1.onmessage = () => performance.measure('lastovar:unos-do-slike', 'lastovar:unos');
      kanal.port2.postMessage(null);
    });
    return r;
  }

  function prikaziUpozorenje(tekst, presek) {
    const d = $('DugmeUpozorenja');
    d.textContent = tekst;
    d.hidden = !tekst;
    presekUpozorenja = presek;
  }

  function omoguciRezultate(da) {
    for (const id of ['SnimiRezultate', 'SnimiCsv', 'Stampaj']) $(id).disabled = !da;
    // A train longer than the span has no position to show.
    for (const id of ['Pusti', 'Klizac', 'Kriticni']) $(id).disabled = !da || !staje;
  }

  // "Merodavne vrednosti" while "Proracunska anvelopa" is on: the
  // governing values and the design envelope, the module's. `velicinaSlike`
  // is its picture's size read before the page changed, or null while the
  // panel was hidden.
  function prikaziMerodavne(da, velicinaSlike = null) {
    const o = $('MerodavneVrednostiO');
    o.hidden = !da;
    if (!da) {
      $('MemoMerodavnih').textContent = '';
      $('DijagramMerodavnih').replaceChildren();
      return;
    }
    const m = strana.Merodavne(...(velicinaSlike || velicina('DijagramMerodavnih')));
    $('MemoMerodavnih').textContent = m.tekst.replace(/\n$/, '');
    $('DijagramMerodavnih').innerHTML = m.svg;
  }

  // --- Polozaj voza ---------------------------------------------------------

  function osveziPolozaj(velicinaSlike) {
    if (!prihvaceno || !staje) return;
    polozaj.opseg = strana.Prelaz(polozaj.x);
    if (polozaj.p1 !== null)
      polozaj.p1 = Math.min(Math.max(polozaj.p1, polozaj.opseg.Od), polozaj.opseg.Do);
    nacrtajPolozaj(velicinaSlike);
  }

  function nacrtajPolozaj(velicinaSlike) {
    performance.mark('lastovar:kadar');
    const [sirina, visina] = velicinaSlike || velicina('SlikaPolozaja');
    $('SlikaPolozaja').innerHTML =
        strana.Polozaj(polozaj.x, polozaj.p1 === null ? undefined : polozaj.p1, sirina, visina);
    const o = polozaj.opseg;
    const klizac = $('Klizac');
    const udeo = polozaj.p1 !== null && o.Do > o.Od ? (polozaj.p1 - o.Od) / (o.Do - o.Od) : 0;
    klizac.value = String(Math.round(udeo * KORAKA));
    klizac.setAttribute('aria-valuetext', polozaj.p1 === null ? 'Kriticni polozaji'
        : 'P1 na ' + polozaj.p1.toFixed(3).replace('.', $('DecimalniZnak').value) + ' m');
    requestAnimationFrame(() => {
      const kanal = new MessageChannel();
      kanal.port1.onmessage = () => performance.measure('lastovar:kadar-polozaja', 'lastovar:kadar');
      kanal.port2.postMessage(null);
    });
  }

  function prikaziPresek(x) {
    zaustavi();
    polozaj.x = x;
    polozaj.p1 = null;
    osveziPolozaj();
    $('PolozajVozaO').scrollIntoView({ block: 'nearest' });
    $('Klizac').focus({ preventScroll: true });
  }

  function postaviP1(p) {
    const o = polozaj.opseg;
    polozaj.p1 = Math.min(Math.max(p, o.Od), o.Do);
    nacrtajPolozaj();
  }

  function kriticniPolozaji() {
    zaustavi();
    polozaj.p1 = null;
    nacrtajPolozaj();
  }

  function pustiIliZaustavi() {
    if (polozaj.pusten) { zaustavi(); return; }
    if (!prihvaceno || !staje) return;
    const o = polozaj.opseg;
    polozaj.pocetakP1 = polozaj.p1 === null || polozaj.p1 >= o.Do ? o.Od : polozaj.p1;
    polozaj.pocetakSata = performance.now();
    polozaj.pusten = true;
    $('Pusti').textContent = 'Zaustavi';
    requestAnimationFrame(korak);
  }

  function korak(sad) {
    if (!polozaj.pusten) return;
    const o = polozaj.opseg;
    const p = polozaj.pocetakP1 +
        (o.Do - o.Od) / TRAJANJE_PRELAZA * (Math.max(0, sad - polozaj.pocetakSata) / 1000);
    postaviP1(p);
    if (p >= o.Do) zaustavi(); else requestAnimationFrame(korak);
  }

  function zaustavi() {
    polozaj.pusten = false;
    $('Pusti').textContent = 'Pusti';
  }

  // --- Files ----------------------------------------------------------------

  function preuzmi(ime, sadrzaj, tip) {
    const a = document.createElement('a');
    a.href = URL.createObjectURL(new Blob([sadrzaj], { type: tip }));
    a.download = ime;
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(a.href), 10000);
  }

  function bezNastavka(ime) { return ime.replace(/\.[^.]*$/, ''); }

  function snimi() {
    const bajtovi = modul.ZapisiDatoteku(ulaz(), ostatak);
    // Actions the panel's checks refuse are not saved.
    if (typeof bajtovi === 'string') { javi(bajtovi); return; }
    const ime = imeDatoteke || IME_PODATAKA;
    preuzmi(ime, bajtovi, 'application/x-lastovar');
    imeDatoteke = ime;
    javi('Snimljeno: ' + ime);
  }

  async function otvori(datoteka) {
    let bajtovi;
    try {
      bajtovi = new Uint8Array(await datoteka.arrayBuffer());
    } catch (e) {
      javi('Greska pri pokusaju otvaranju fajla!');
      return;
    }
    const s = modul.ProcitajDatoteku(bajtovi, $('DecimalniZnak').value);
    if (s.greska) { javi(s.greska); return; }
    zaustavi();
    postaviTekstove(s.tekstovi, s.brojSila, s.brojPreseka);
    ostatak = s.ostatak.length ? s.ostatak : undefined;
    // A file that holds actions sets them and turns the design envelope on;
    // one without them leaves both as they were.
    if (s.dejstva) {
      postaviDejstva(s.dejstva);
      $('ProracunskaAnvelopa').checked = true;
    }
    imeDatoteke = datoteka.name;
    document.title = 'Lastovar - ' + datoteka.name;
    javi('Otvoreno: ' + datoteka.name);
    racunaj();
  }

  function javi(tekst) { $('PorukaDatoteke').textContent = tekst; }

  function izvestajCrLf() {
    return $('MemoText').textContent.split('\n').map((l) => l + '\r\n').join('');
  }

  // --- The calculation sheet --------------------------------------------------

  const PISMA = {
    naslov: 'pismo-naslov', obicno: 'pismo-obicno', podebljano: 'pismo-podebljano',
    nepromenljivo: 'pismo-nepromenljivo',
  };

  function danas() {
    const d = new Date();
    const dva = (b) => String(b).padStart(2, '0');
    return dva(d.getDate()) + '.' + dva(d.getMonth() + 1) + '.' + d.getFullYear() + '.';
  }

  const SVG = 'http://www.w3.org/2000/svg';

  function sastaviList() {
    const list = $('ListProracuna');
    list.replaceChildren();
    if (!prihvaceno) return;
    const l = strana.List(imeDatoteke, danas(), ostatak);
    for (const s of l.strane) {
      const stranica = document.createElement('div');
      stranica.className = 'strana-lista' + (s.polozena ? ' polozena' : '');
      for (const sl of s.slike) {
        const d = document.createElement('div');
        d.className = 'slika-lista';
        d.style.left = sl.x + 'pt';
        d.style.top = sl.y + 'pt';
        d.style.width = sl.sirina + 'pt';
        d.style.height = sl.visina + 'pt';
        d.innerHTML = sl.svg;
        stranica.append(d);
      }
      // The rules on one picture the size of the page, in its points.
      const linije = document.createElementNS(SVG, 'svg');
      linije.setAttribute('class', 'linije-lista');
      linije.setAttribute('width', s.sirina + 'pt');
      linije.setAttribute('height', s.visina + 'pt');
      linije.setAttribute('viewBox', `0 0 ${s.sirina} ${s.visina}`);
      for (const r of s.linije) {
        const e = document.createElementNS(SVG, 'line');
        for (const k of ['x1', 'y1', 'x2', 'y2']) e.setAttribute(k, r[k]);
        e.setAttribute('stroke', r.siva ? '#969696' : '#000');
        e.setAttribute('stroke-width', r.debljina);
        linije.append(e);
      }
      stranica.append(linije);
      for (const t of s.tekstovi) {
        const e = document.createElement('div');
        e.className = 'tekst-lista ' + PISMA[t.pismo];
        if (t.poravnanje === 'sredina') e.classList.add('sredina-lista');
        e.textContent = t.tekst;
        e.style.top = t.y + 'pt';
        e.style.fontSize = t.velicina + 'pt';
        if (t.poravnanje === 'desno') e.style.right = (s.sirina - t.x) + 'pt';
        else e.style.left = t.x + 'pt';
        if (t.sirina > 0) e.style.maxWidth = t.sirina + 'pt';
        stranica.append(e);
      }
      list.append(stranica);
    }
  }

  // --- Wiring -----------------------------------------------------------------

  function poveziKomande() {
    const obrazac = $('Obrazac');
    obrazac.addEventListener('input', (e) => {
      if (e.target.id === 'SpinEditBrojSila') podesiPolja();
      if (e.target.id === 'RasporedQ') podesiRazmak();
      racunaj();
    });
    obrazac.addEventListener('submit', (e) => e.preventDefault());
    for (const id of ['TacnaAnvelopa', 'ObaSmeraVoza', 'DecimalniZnak'])
      $(id).addEventListener('change', racunaj);

    $('Otvori').addEventListener('click', () => $('IzborDatoteke').click());
    $('IzborDatoteke').addEventListener('change', (e) => {
      const f = e.target.files[0];
      e.target.value = '';
      if (f) otvori(f);
    });
    document.addEventListener('dragover', (e) => { e.preventDefault(); });
    document.addEventListener('drop', (e) => {
      e.preventDefault();
      const f = e.dataTransfer && e.dataTransfer.files[0];
      if (f) otvori(f);
    });
    $('Snimi').addEventListener('click', snimi);
    $('SnimiRezultate').addEventListener('click', () => {
      if (prihvaceno) preuzmi('Rezultati proracuna.txt', izvestajCrLf(), 'text/plain');
    });
    $('SnimiCsv').addEventListener('click', () => {
      if (!prihvaceno) return;
      const ime = (imeDatoteke ? bezNastavka(imeDatoteke) : 'Tabele preseka') + '.csv';
      preuzmi(ime, strana.Csv(), 'text/csv');
    });
    $('Stampaj').addEventListener('click', () => window.print());
    window.addEventListener('beforeprint', sastaviList);

    $('Dijagram').addEventListener('click', (e) => {
      const svg = $('Dijagram').querySelector('svg');
      if (!prihvaceno || !svg) return;
      const okvir = svg.getBoundingClientRect();
      const kolona = Math.round((e.clientX - okvir.left) * (svg.width.baseVal.value / okvir.width));
      const x = strana.PresekKlika(kolona);
      if (x !== null) prikaziPresek(x);
    });
    $('DugmeUpozorenja').addEventListener('click', () => {
      if (prihvaceno && presekUpozorenja !== null) prikaziPresek(presekUpozorenja);
    });

    $('Pusti').addEventListener('click', pustiIliZaustavi);
    $('Kriticni').addEventListener('click', kriticniPolozaji);
    const klizac = $('Klizac');
    klizac.addEventListener('input', () => {
      if (!prihvaceno) return;
      zaustavi();
      const o = polozaj.opseg;
      postaviP1(o.Od + (o.Do - o.Od) * Number(klizac.value) / KORAKA);
    });
    // The keys of the desktop's slider: one step is 1/200 of the crossing,
    // a page 1/20, Home and End its ends; Escape goes back, Space plays.
    klizac.addEventListener('keydown', (e) => {
      if (!prihvaceno) return;
      const o = polozaj.opseg;
      const trenutni = polozaj.p1 === null ? o.Od : polozaj.p1;
      const korakP1 = (o.Do - o.Od) / 200, stranaP1 = (o.Do - o.Od) / 20;
      const pomak = { ArrowRight: korakP1, ArrowUp: korakP1, ArrowLeft: -korakP1,
                      ArrowDown: -korakP1, PageUp: stranaP1, PageDown: -stranaP1 }[e.key];
      if (pomak !== undefined) { zaustavi(); postaviP1(trenutni + pomak); }
      else if (e.key === 'Home') { zaustavi(); postaviP1(o.Od); }
      else if (e.key === 'End') { zaustavi(); postaviP1(o.Do); }
      else if (e.key === 'Escape') kriticniPolozaji();
      else if (e.key === ' ') pustiIliZaustavi();
      else return;
      e.preventDefault();
    });

    let naCekanju = 0;
    new ResizeObserver(() => {
      cancelAnimationFrame(naCekanju);
      naCekanju = requestAnimationFrame(() => { if (strana) racunaj(); });
    }).observe($('Dijagram'));
  }

  function pocni(m) {
    modul = m;
    strana = new modul.StranaLastovar();
    // The regional separator of the browser's language, as the desktop
    // takes the user's; the defaults are written with it.
    const deo = new Intl.NumberFormat().formatToParts(1.5).find((d) => d.type === 'decimal');
    $('DecimalniZnak').value = deo && deo.value === ',' ? ',' : '.';
    const p = modul.PodrazumevaniUlaz($('DecimalniZnak').value);
    postaviTekstove(p, p.brojSila, Number(p.BrojPreseka));
    postaviDejstva(p.Dejstva);
    const r = racunaj();
    polozaj.x = r.x === undefined ? 0 : r.x;
    osveziPolozaj();
    performance.mark('lastovar:spremno');
    document.documentElement.dataset.spremno = 'da';
  }

  poveziKomande();
  omoguciRezultate(false);
  NapraviLastovar().then(pocni);
})();
