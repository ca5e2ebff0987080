// SPDX-License-Identifier: GPL-3.0-or-later
// The page's speed in Debian's headless chromium, by its own performance
// marks: a keystroke to the painted results (six forces, 99 sections, the
// exact envelope on; then with the design envelope too), a frame of "Polozaj voza" as the arrow keys move the
// train, the first paint of the page opened from disk, and its files' size.
//
//   NODE_PATH=build-web/npm/node_modules node bench/web/BrzinaStrane.cjs build-web/web
'use strict';

const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { Builder, By, Key, until } = require('selenium-webdriver');
const chrome = require('selenium-webdriver/chrome');

const strana = path.resolve(process.argv[2] || 'build-web/web');
const medijana = (a) => [...a].sort((x, y) => x - y)[Math.floor(a.length / 2)];

async function main() {
  const profil = fs.mkdtempSync(path.join(os.tmpdir(), 'lastovar-brzina-'));
  const opcije = new chrome.Options()
      .setChromeBinaryPath('/usr/bin/chromium')
      .addArguments('--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                    '--disable-background-networking', '--disable-component-update', '--disable-sync',
                    '--user-data-dir=' + profil, '--window-size=1600,1000', '--lang=en-US');
  const p = await new Builder().forBrowser('chrome').setChromeOptions(opcije)
      .setChromeService(new chrome.ServiceBuilder('/usr/bin/chromedriver')).build();
  try {
    const prvi = [];
    for (let i = 0; i < 5; ++i) {
      await p.get('file://' + path.join(strana, 'index.html') + '?' + i);
      await p.wait(until.elementLocated(By.css('html[data-spremno="da"]')), 20000);
      prvi.push(await p.executeScript(`return [
        performance.getEntriesByName('first-contentful-paint')[0].startTime,
        performance.getEntriesByName('lastovar:spremno')[0].startTime]`));
    }
    const sile = ['206.0', '208.0', '150', '120', '95', '60'];
    const broj = async (id, v) => (await p.findElement(By.id(id))).sendKeys(Key.chord(Key.CONTROL, 'a'), v);
    await broj('SpinEditBrojSila', '6');
    await broj('SpinEditBrojPreseka', '99');
    for (let i = 0; i < 6; ++i) await broj('txtP' + (i + 1), sile[i]);
    await broj('txtRaspon', '12');
    await p.findElement(By.id('TacnaAnvelopa')).click();
    const p1 = await p.findElement(By.id('txtP1'));
    const otkucaj = async () => {
      await p.executeScript('performance.clearMeasures()');
      for (let i = 0; i < 40; ++i) {
        await p1.sendKeys(Key.END, Key.BACK_SPACE, String(i % 10));
        await p.sleep(40);
      }
      return p.executeScript(`return [
        performance.getEntriesByName('lastovar:unos-do-slike').map((e) => e.duration),
        performance.getEntriesByName('lastovar:unos-racun').map((e) => e.duration)]`);
    };
    const unos = await otkucaj();
    // The same with the design envelope and its governing values, where the
    // page has them.
    let proracunska = null;
    if ((await p.findElements(By.id('ProracunskaAnvelopa'))).length) {
      await p.findElement(By.id('ProracunskaAnvelopa')).click();
      await broj('txtQ', '9');
      await broj('txtG', '5');
      proracunska = await otkucaj();
      await p.findElement(By.id('ProracunskaAnvelopa')).click();
    }
    await p.executeScript('performance.clearMeasures()');
    const klizac = await p.findElement(By.id('Klizac'));
    for (let i = 0; i < 60; ++i) { await klizac.sendKeys(Key.ARROW_RIGHT); await p.sleep(20); }
    const kadar = await p.executeScript(
        `return performance.getEntriesByName('lastovar:kadar-polozaja').map((e) => e.duration)`);
    const bajtova = fs.readdirSync(strana).filter((d) => fs.statSync(path.join(strana, d)).isFile())
        .filter((d) => /\.(html|css|js)$/.test(d))
        .reduce((s, d) => s + fs.statSync(path.join(strana, d)).size, 0);
    console.log(`unos do naslikanih rezultata: medijana ${medijana(unos[0]).toFixed(1)} ms ` +
                `(racun i DOM ${medijana(unos[1]).toFixed(1)} ms), ${unos[0].length} unosa`);
    if (proracunska)
      console.log(`  sa proracunskom anvelopom: medijana ${medijana(proracunska[0]).toFixed(1)} ms ` +
                  `(racun i DOM ${medijana(proracunska[1]).toFixed(1)} ms), ${proracunska[0].length} unosa`);
    console.log(`kadar "Polozaj voza": medijana ${medijana(kadar).toFixed(1)} ms, ${kadar.length} kadrova`);
    console.log(`prvo bojenje sa diska: medijana ${medijana(prvi.map((x) => x[0])).toFixed(0)} ms, ` +
                `prvi rezultati ${medijana(prvi.map((x) => x[1])).toFixed(0)} ms`);
    console.log(`datoteke strane: ${bajtova} bajtova`);
  } finally {
    await p.quit();
  }
}

main().catch((e) => { console.error(e); process.exit(1); });
