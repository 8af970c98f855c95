// The published page's figures in headless chromium (a measure, not a test):
//   node tests/web/banc_web.mjs LAMELIX-OUTILS
// the page's size for cles/defaut.cle, the time from navigation to the first propositions on the
// largest key (4000 key lines, paths some 40 steps deep: bench/cle_profonde.hpp's key), and one
// choice at step 40 of that key (engine and page update, then the next frame).
import {execFileSync} from 'node:child_process';
import {mkdtempSync, statSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {fileURLToPath} from 'node:url';

import {attendPret, lanceNavigateur} from './navigateur.mjs';

const racine = fileURLToPath(new URL('../../', import.meta.url));
const outils = process.argv[2] || join(racine, 'build-test/bin/lamelix-outils');
const dossier = mkdtempSync(join(tmpdir(), 'lamelix-banc-web-'));

// bench/cle_profonde.hpp's key: 50 chains of 40 entities hung from one another as a binary tree.
function cleProfonde(chaines = 50, longueur = 40) {
    const entite = (c, p) => c * longueur + p;
    let s = 'TITRE$Cl\xe9 profonde\r\n';
    for (let c = 0; c < chaines; ++c)
        for (let p = 1; p <= longueur; ++p) {
            const e = entite(c, p);
            const suite = p < longueur ? entite(c, p + 1) : 0;
            s += `${e}, ${suite} $ Chapeau lisse, niveau ${p}` +
                 (suite ? ' $\r\n' : ` $ Esp\xe8ce ${e} fin\r\n`);
            const enfant = 2 * c + p;
            s += p <= 2 && enfant < chaines
                     ? `${e}, ${entite(enfant, 1)} $ Chapeau \xe9cailleux $\r\n`
                     : `${e}, 0 $ Chapeau \xe9cailleux $ Esp\xe8ce ${e}\r\n`;
        }
    return Buffer.from(s, 'latin1');
}

const publie = (cle, page) =>
    execFileSync(outils, [ 'publie', cle, '-o', page ], {stdio : 'inherit'});
const mediane = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];
const ms = (v) => `${v.toFixed(1)} ms`;

const pageDefaut = join(dossier, 'defaut.html');
publie(join(racine, 'cles/defaut.cle'), pageDefaut);
writeFileSync(join(dossier, 'profonde.cle'), cleProfonde());
const pageProfonde = join(dossier, 'profonde.html');
publie(join(dossier, 'profonde.cle'), pageProfonde);

const navigateur = await lanceNavigateur();
const chargements = [];
const etapesChargement = []; // engine ready, key opened, page shown
for (let i = 0; i < 7; ++i) {
    const page = await navigateur.newPage();
    await page.goto('file://' + pageProfonde);
    await attendPret(page);
    const [moteur, ouverte, pret] =
        await page.evaluate(() => ['lamelix-moteur', 'lamelix-ouverte', 'lamelix-pret'].map(
                                (nom) => performance.getEntriesByName(nom)[0].startTime));
    chargements.push(pret);
    etapesChargement.push([ moteur, ouverte - moteur, pret - ouverte ]);
    await page.close();
}

const page = await navigateur.newPage();
await page.goto('file://' + pageProfonde);
await attendPret(page);
const choisit = (k) => page.click(`[data-controle="List1"] > [role="option"]:nth-child(${k + 1})`);
for (let pas = 0; pas < 5; ++pas)
    await choisit(1); // down the child chains
for (let pas = 0; pas < 34; ++pas)
    await choisit(0);
const etapes = await page.$eval('main', (m) => m.dataset.etapes);
const gestes = [];
const images = [];
for (let i = 0; i < 21; ++i) {
    // One choice at step 39 -> 40 and its step back, each timed as the page handles it and up to
    // the frame that shows it.
    for (const geste of [() => choisit(0), () => page.click('[data-controle="bouton[0]"]')]) {
        await page.evaluate(() => performance.clearMeasures('lamelix-geste'));
        await geste();
        const fin = await page.evaluate(
            () => new Promise((r) => requestAnimationFrame(() => r(performance.now()))));
        const mesure = await page.evaluate(() => {
            const e = performance.getEntriesByName('lamelix-geste')[0];
            return {duration : e.duration, startTime : e.startTime};
        });
        gestes.push(mesure.duration);
        images.push(fin - mesure.startTime);
    }
}
await navigateur.close();

console.log(`page for cles/defaut.cle: ${(statSync(pageDefaut).size / 1048576).toFixed(2)} MiB (${
    statSync(pageDefaut).size} bytes)`);
console.log(
    `page for the 4000-line key: ${(statSync(pageProfonde).size / 1048576).toFixed(2)} MiB`);
console.log(
    `navigation to the first propositions, 4000-line key: median ${ms(mediane(chargements))} of ${
        chargements.length} (${chargements.map((v) => v.toFixed(0)).join(', ')})`);
console.log(`  of which: engine compiled and started ${
    ms(mediane(etapesChargement.map((e) => e[0])))}, key opened ${
    ms(mediane(etapesChargement.map(
        (e) => e[1])))}, page filled ${ms(mediane(etapesChargement.map((e) => e[2])))}`);
console.log(`one choice at step ${etapes} (and its step back), engine and page: median ${
    ms(mediane(gestes))}, max ${ms(Math.max(...gestes))}`);
console.log(
    `the same up to the next frame: median ${ms(mediane(images))}, max ${ms(Math.max(...images))}`);
