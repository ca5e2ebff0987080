// SPDX-License-Identifier: GPL-3.0-or-later
// The page opened from disk in Debian's chromium, driven through
// chromium-driver as a user drives it: a load case typed in and its report
// against lastovar-cli's, a wrong input and its message, a click in the
// diagram and "Polozaj voza" at that section with its slider, keys and play,
// a data file opened and saved. A failed step leaves a screenshot in
// LASTOVAR_NEUSPEH.
'use strict';

const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { Builder, By, Key, until } = require('selenium-webdriver');
const chrome = require('selenium-webdriver/chrome');
const { strana, privremeni, datoteka, desktop } = require('./ZajednickoWeb.cjs');

const neuspeh = process.env.LASTOVAR_NEUSPEH || privremeni;
const preuzimanja = path.join(privremeni, 'preuzimanja');
let pregledac;

async function korak(t, ime, telo) {
  try {
    await telo();
  } catch (e) {
    fs.mkdirSync(neuspeh, { recursive: true });
    const slika = path.join(neuspeh, ime + '.png');
    fs.writeFileSync(slika, await pregledac.takeScreenshot(), 'base64');
    t.diagnostic('snimak ekrana: ' + slika);
    throw e;
  }
}

test.before(async () => {
  fs.mkdirSync(preuzimanja, { recursive: true });
  const opcije = new chrome.Options()
      .setChromeBinaryPath('/usr/bin/chromium')
      .addArguments('--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                    '--disable-background-networking', '--disable-component-update', '--disable-sync',
                    '--user-data-dir=' + path.join(privremeni, 'profil'), '--window-size=1400,1000',
                    '--lang=en-US')
      .setUserPreferences({ 'download.default_directory': preuzimanja,
                            'download.prompt_for_download': false });
  pregledac = await new Builder()
      .forBrowser('chrome')
      .setChromeOptions(opcije)
      .setChromeService(new chrome.ServiceBuilder('/usr/bin/chromedriver'))
      .build();
  await pregledac.get('file://' + path.join(strana, 'index.html'));
  await pregledac.wait(until.elementLocated(By.css('html[data-spremno="da"]')), 20000);
});

test.after(async () => { if (pregledac) await pregledac.quit(); });

const polje = (ime) => pregledac.findElement(By.css(`[aria-label="${ime}"]`));
const izvestaj = () => pregledac.executeScript(
    'return document.querySelector(\'[role="region"][aria-label="Rezultati proracuna"]\').textContent');
const alarm = () => pregledac.executeScript('return document.querySelector(\'[role="alert"]\').textContent');

async function upisi(ime, tekst) {
  const e = await polje(ime);
  await e.sendKeys(Key.chord(Key.CONTROL, 'a'), tekst === '' ? Key.BACK_SPACE : tekst);
}

async function spin(id, vrednost) {
  const e = await pregledac.findElement(By.id(id));
  await e.sendKeys(Key.chord(Key.CONTROL, 'a'), String(vrednost));
}

const SLUCAJ = { P: ['120', '180', '180', '150', '150', '90'], L: ['2.5', '1.5', '4', '1.5', '3'],
                 raspon: '20', x: '7', preseka: 25 };

test('a load case typed in gives lastovar-cli\'s report', async (t) => {
  await korak(t, 'izvestaj', async () => {
    await spin('SpinEditBrojSila', 6);
    await spin('SpinEditBrojPreseka', SLUCAJ.preseka);
    for (let i = 0; i < 6; ++i) await upisi(`P${i + 1} [kN] = `, SLUCAJ.P[i]);
    for (let i = 0; i < 5; ++i) await upisi(`L${i + 1} [m] = `, SLUCAJ.L[i]);
    await upisi('L   [m] = ', SLUCAJ.raspon);
    await upisi('x [m] = ', SLUCAJ.x);
    assert.equal(await izvestaj(), desktop(['izvestaj', datoteka('otkucan', SLUCAJ)]).replace(/\n$/, ''));
    assert.equal(await alarm(), '');
  });
});

test('a wrong input shows the checks\' message beside its field and clears the results', async (t) => {
  await korak(t, 'greska', async () => {
    await upisi('L   [m] = ', 'abc');
    assert.equal(await alarm(), 'Greska u unosu tipa podataka za proracun!!!');
    assert.equal(await (await polje('L   [m] = ')).getAttribute('aria-invalid'), 'true');
    assert.equal(await izvestaj(), '');
    // A span shorter than the train.
    await upisi('L   [m] = ', '12');
    assert.equal(await alarm(), 'Vrednosti podataka nisu korektno unete!!!');
    const uz = await pregledac.executeScript(
        'return document.getElementById("Greska").previousElementSibling.querySelector("input").id');
    assert.equal(uz, 'txtRaspon');
    await upisi('L   [m] = ', SLUCAJ.raspon);
    assert.equal(await alarm(), '');
    assert.match(await izvestaj(), /^REZULTATI PRORACUNA/);
  });
});

test('a click in the diagram shows "Polozaj voza" at that section; slider, keys and play move the train', async (t) => {
  await korak(t, 'polozaj', async () => {
    const svg = await pregledac.findElement(By.css('svg[aria-label="Dijagram extM i extT"]'));
    const { width } = await svg.getRect();
    const sirina = Math.floor(width);
    // x0 = 50 and x1 = W - 100: a click halfway along the span.
    const kolona = 50 + Math.round((sirina - 150) / 2);
    await pregledac.actions().move({ origin: svg, x: kolona - Math.floor(width / 2), y: 0 }).click().perform();
    const x = (kolona - 50) * (20 / (sirina - 150));
    const naslov = () => pregledac.executeScript(
        'return document.querySelector(\'svg[aria-label="Polozaj voza"] text\').textContent');
    assert.equal(await naslov(), `Polozaj voza za presek x = ${x.toFixed(3)} m, voz P1..P6`);

    // The slider has the focus: End and Home take P1 to the crossing's ends.
    const klizac = await pregledac.findElement(By.css('[aria-label="Polozaj prve sile"]'));
    await klizac.sendKeys(Key.END);
    assert.equal(await klizac.getAttribute('aria-valuetext'), 'P1 na 20.000 m');
    assert.match(await naslov(), /^Prelaz voza P1\.\.P6: P1 na 20\.000 m/);
    await klizac.sendKeys(Key.HOME, Key.ARROW_RIGHT);
    const korakP1 = -12.5 + (20 + 12.5) / 200;
    assert.equal(await klizac.getAttribute('aria-valuetext'), `P1 na ${korakP1.toFixed(3)} m`);
    await klizac.sendKeys(Key.ESCAPE);
    assert.match(await naslov(), /^Polozaj voza za presek/);

    await pregledac.findElement(By.id('Pusti')).click();
    await pregledac.sleep(500);
    const okviri = await pregledac.executeScript(
        'return performance.getEntriesByName("lastovar:kadar-polozaja").length');
    assert.equal(await pregledac.findElement(By.id('Pusti')).getText(), 'Zaustavi');
    await pregledac.findElement(By.id('Pusti')).click();
    assert.equal(await pregledac.findElement(By.id('Pusti')).getText(), 'Pusti');
    assert.ok(okviri >= 10, `${okviri} okvira za pola sekunde`);
    assert.match(await naslov(), /^Prelaz voza P1\.\.P6/);
  });
});

test('a data file opened and saved: the desktop\'s bytes both ways', async (t) => {
  await korak(t, 'datoteka', async () => {
    const s = { P: ['206,5', '208', '1'], L: ['5.0', '2.25'], raspon: '9.0', x: '1.250', preseka: 40 };
    const ulazna = datoteka('otvoren', s);
    const izbor = await pregledac.findElement(By.id('IzborDatoteke'));
    await izbor.sendKeys(ulazna);
    // A file written where the separator is a comma opens with the page's
    // separator, as the desktop reads it.
    await pregledac.wait(async () => (await (await polje('P1 [kN] = ')).getAttribute('value')) === '206.5', 5000);
    assert.equal(await alarm(), '');
    const s2 = { ...s, P: ['206.5', '208', '1'] };
    assert.equal(await izvestaj(), desktop(['izvestaj', datoteka('ispravljen', s2)]).replace(/\n$/, ''));

    await pregledac.findElement(By.id('Snimi')).click();
    const snimljena = path.join(preuzimanja, 'otvoren.Lastovar');
    await pregledac.wait(() => fs.existsSync(snimljena), 10000);
    assert.deepEqual(fs.readFileSync(snimljena), fs.readFileSync(datoteka('ispravljen', s2)));
  });
});

test('the design actions typed in the panel give lastovar-cli merodavno\'s governing values; a file keeps them', async (t) => {
  await korak(t, 'dejstva', async () => {
    const merodavne = () => pregledac.executeScript(
        'return document.querySelector(\'[role="region"][aria-label="Merodavne vrednosti"] pre\').textContent');
    const s = { ...SLUCAJ, preseka: 40 };
    const blok = '[Lastovar dodatak]\r\nq=9\r\nq-raspored=uz-voz\r\nrazmak=1.5\r\ng=5\r\nfi=1.2\r\nfi-q=da\r\n' +
                 'gama-g=1.35\r\ngama-q=1.5\r\n';
    const ulazna = datoteka('sa_dejstvima', s);
    fs.appendFileSync(ulazna, blok);
    await (await pregledac.findElement(By.id('IzborDatoteke'))).sendKeys(ulazna);
    await pregledac.wait(async () => (await (await polje('q [kN/m] = ')).getAttribute('value')) === '9', 5000);
    // A file with actions turns the design envelope on.
    assert.equal(await pregledac.findElement(By.id('ProracunskaAnvelopa')).isSelected(), true);
    assert.equal(await pregledac.findElement(By.id('MerodavneVrednostiO')).isDisplayed(), true);

    await upisi('q [kN/m] = ', '12.5');
    await upisi('gamaQ = ', '1.35');
    const opcije = ['--q', '12.5', '--q-raspored', 'uz-voz', '--razmak', '1.5', '--g', '5', '--fi', '1.2', '--fi-q',
                    '--gama-g', '1.35', '--gama-q', '1.35'];
    const tekst = await merodavne();
    assert.match(tekst, /^Proracunske vrednosti: q = 12\.5 \[kN\/m\] ispred i iza voza, c = 1\.5 \[m\]/);
    assert.equal(tekst.split('\n\n')[1], desktop(['merodavno', ulazna, ...opcije]).replace(/\n$/, ''));

    // A refused action: the dialog's message beside its field, no values.
    await upisi('fi = ', '0');
    assert.equal(await alarm(), 'Proracunske vrednosti nisu korektno unete!!!');
    assert.equal(await (await polje('fi = ')).getAttribute('aria-invalid'), 'true');
    assert.equal(await pregledac.findElement(By.id('MerodavneVrednostiO')).isDisplayed(), false);
    await upisi('fi = ', '1.2');
    assert.equal(await alarm(), '');

    await pregledac.findElement(By.id('Snimi')).click();
    const snimljena = path.join(preuzimanja, 'sa_dejstvima.Lastovar');
    await pregledac.wait(() => fs.existsSync(snimljena), 10000);
    assert.equal(fs.readFileSync(snimljena, 'latin1'),
                 fs.readFileSync(ulazna, 'latin1').replace('q=9', 'q=12.5').replace('gama-q=1.5', 'gama-q=1.35'));

    // Off, the governing values go.
    await pregledac.findElement(By.id('ProracunskaAnvelopa')).click();
    assert.equal(await pregledac.findElement(By.id('MerodavneVrednostiO')).isDisplayed(), false);
  });
});

test('the page\'s performance marks', async (t) => {
  const mere = await pregledac.executeScript(`
    const m = (ime) => performance.getEntriesByName(ime).map((e) => e.duration);
    const p = performance.getEntriesByType('paint').map((e) => e.name + ' ' + e.startTime.toFixed(1));
    return { unos: m('lastovar:unos-do-slike'), kadar: m('lastovar:kadar-polozaja'), boja: p };`);
  const medijana = (a) => [...a].sort((x, y) => x - y)[Math.floor(a.length / 2)];
  t.diagnostic(`unos do slike: medijana ${medijana(mere.unos).toFixed(1)} ms od ${mere.unos.length}`);
  t.diagnostic(`kadar polozaja: medijana ${medijana(mere.kadar).toFixed(1)} ms od ${mere.kadar.length}`);
  t.diagnostic('prvo bojenje: ' + mere.boja.join(', '));
  assert.ok(mere.unos.length > 0 && mere.kadar.length > 0);
});
