// The page's own promises, checked in headless chromium on the stand-in engine: a hostile key
// stays text, nothing is fetched, a phone gets no sideways scroll and big targets, the keyboard
// alone walks the key, the dark scheme follows the device.
import assert from 'node:assert/strict';
import {mkdtempSync, readFileSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {after, before, test} from 'node:test';

import {assemble, moteurFactice} from './assemble.mjs';
import {attendPret, lanceNavigateur} from './navigateur.mjs';

const CSP =
    "default-src 'none'; script-src 'unsafe-inline' 'wasm-unsafe-eval'; style-src 'unsafe-inline'; img-src data:; base-uri 'none'; form-action 'none'";
const PIXEL =
    'data:image/png;base64,iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8z8BQDwAEhQGAhKmMIQAAAABJRU5ErkJggg==';

let navigateur;
let adresse;
let adresseAnglaise;

before(async () => {
    const dossier = mkdtempSync(join(tmpdir(), 'lamelix-page-'));
    const donnees = {
        premiere : 'f.cle',
        oui : true,
        langue : '',
        cles : {'f.cle' : 'QQ=='},
        images : {'photo.png' : PIXEL},
        // pages of chained keys: only plain relative .html paths become links
        pages : {
            'f.cle' : 'f.html',
            'autre.cle' : 'cles/autre.html',
            'mal.cle' : 'javascript:x//.html'
        },
    };
    writeFileSync(join(dossier, 'page.html'), assemble(moteurFactice(), donnees));
    adresse = 'file://' + join(dossier, 'page.html');
    const langue = readFileSync(new URL('../../lang/Lamelix_en.lng', import.meta.url), 'utf8');
    writeFileSync(join(dossier, 'page-en.html'), assemble(moteurFactice(), {...donnees, langue}));
    adresseAnglaise = 'file://' + join(dossier, 'page-en.html');
    navigateur = await lanceNavigateur();
});
after(() => navigateur?.close());

// A fresh page on the stand-in key; every request other than the page itself is counted.
async function ouvre({largeur = 1280, hauteur = 800, sombre = false} = {}) {
    const page = await navigateur.newPage();
    const requetes = [];
    const erreurs = [];
    await page.setRequestInterception(true);
    page.on('request', (r) => {
        if (r.url() !== adresse && !r.url().startsWith('data:')) requetes.push(r.url());
        r.url() === adresse || r.url().startsWith('data:') ? r.continue() : r.abort();
    });
    page.on('pageerror', (e) => erreurs.push(e.message));
    await page.setViewport({width : largeur, height : hauteur});
    await page.emulateMediaFeatures(
        [ {name : 'prefers-color-scheme', value : sombre ? 'dark' : 'light'} ]);
    await page.goto(adresse);
    await attendPret(page);
    return {page, requetes, erreurs};
}

const etapes = (page) => page.$eval('main', (m) => m.dataset.etapes);
const option = (liste, k) => `[data-controle="${liste}"] > [role="option"]:nth-child(${k + 1})`;
const ferme = (page) => page.click('[data-controle="dialogue"] .fermer');

test('a hostile key stays text, only web addresses become links, nothing is fetched', async () => {
    const {page, requetes, erreurs} = await ouvre();
    const csp = await page.$eval('meta[http-equiv="Content-Security-Policy"]', (m) => m.content);
    assert.equal(csp, CSP);
    const pages =
        await page.$$eval('#pages a', (liens) => liens.map((a) => a.getAttribute('href')));
    assert.deepEqual(pages, [ 'cles/autre.html' ]);
    await page.click(option('List1', 0)); // a species reached: its documents are offered
    const cas = [
        // [document chosen, links expected, pictures expected]
        [ 0, [ 'https://exemple.org/amanite' ], 0 ],
        [ 1, [], 0 ],
        [ 2, [], 1 ],
    ];
    for (const [k, liens, images] of cas) {
        await page.click(option('List1', k));
        const vu = await page.$eval(
            '[data-controle="dialogue"]',
            (d) => ({
                liens : [...d.querySelectorAll('a') ].map((a) => [a.href, a.target, a.rel]),
                images : [...d.querySelectorAll('img') ]
                             .filter((i) => i.src.startsWith('data:image/'))
                             .length,
            }));
        assert.deepEqual(vu.liens.map(([ href ]) => href), liens, `document ${k}`);
        for (const [, target, rel] of vu.liens)
            assert.ok(target === '_blank' && rel.includes('noopener'));
        assert.equal(vu.images, images, `document ${k}`);
        await ferme(page);
    }
    await page.click(option('List2', 0)); // a message holding markup
    const marques = await page.evaluate(
        () => ({
            titre : document.title,
            scripts : document.querySelectorAll('main script, dialog script').length,
            images : document.querySelectorAll('main img, dialog img').length,
            texte : document.querySelector('[data-controle="Text2"]').textContent,
            message :
                document.querySelector('[data-controle="dialogue"] .texte-message').textContent,
        }));
    assert.deepEqual(marques, {
        titre : 'Clé factice',
        scripts : 0,
        images : 0,
        texte : 'Amanita <img src=x onerror="document.title=\'pris\'">',
        message : 'Amanita <img src=x onerror="document.title=\'pris\'">',
    });
    assert.deepEqual(requetes, []);
    assert.deepEqual(erreurs, []);
    await page.close();
});

test('a phone gets no sideways scroll and targets of at least 44 px', async () => {
    for (const sombre of [false, true]) {
        const {page} = await ouvre({largeur : 360, hauteur : 640, sombre});
        const mesures = await page.evaluate(() => {
            // Check boxes and option buttons are reached through their whole label.
            const cibles = [
                ...document.querySelectorAll(
                    'button, [role="option"], label, input[type="text"], .chemin [role="button"]')
            ].filter((e) => e.checkVisibility());
            return {
                largeur : document.documentElement.scrollWidth,
                petites : cibles
                              .map((e) => [e.dataset.controle ?? e.textContent.slice(0, 20),
                                           e.getBoundingClientRect().height])
                              .filter(([, h ]) => h < 44),
                fond : getComputedStyle(document.body).backgroundColor,
            };
        });
        assert.ok(mesures.largeur <= 360, `scrollWidth ${mesures.largeur}`);
        assert.deepEqual(mesures.petites, []);
        const [r, g, b] = mesures.fond.match(/\d+/g).map(Number);
        assert.equal((r + g + b) / 3 < 128, sombre, `background ${mesures.fond}`);
        await page.close();
    }
});

test('the keyboard alone chooses, steps back and toggles the options', async () => {
    const {page} = await ouvre();
    const touches = async (...noms) => {
        for (const n of noms)
            await page.keyboard.press(n);
    };
    const pas = [
        // [keys pressed from the page's start, or from the last state, then steps expected]
        [
            async () => {
                await page.focus('[data-controle="List1"]');
                await touches('ArrowDown', 'ArrowUp', 'Enter');
            },
            '1'
        ],
        [
            async () => {
                await ferme(page).catch(() => {});
                await page.focus('[data-controle="bouton[0]"]');
                await touches('Enter');
            },
            '0'
        ],
        [
            async () => {
                await page.focus('[data-controle="List1"]');
                await touches('End', 'Enter');
            },
            '1'
        ],
    ];
    for (const [geste, attendu] of pas) {
        await geste();
        assert.equal(await etapes(page), attendu);
    }
    // Tab reaches every enabled button and list, in the order they show.
    const atteints = new Set();
    await page.focus('body');
    for (let i = 0; i < 40; ++i) {
        await page.keyboard.press('Tab');
        atteints.add(await page.evaluate(() => document.activeElement?.dataset?.controle ??
                                               document.activeElement?.tagName));
    }
    for (const nom of ['List1', 'List2', 'bouton[0]', 'chk_Fnote', 'MotCle'])
        assert.ok(atteints.has(nom), nom);
    await page.focus('[data-controle="chk_Fnote"]');
    await touches('Space');
    assert.equal(await page.$eval('[data-controle="chk_Fnote"]', (c) => c.checked), true);
    await page.close();
});

test("the page's own texts follow the language file", async () => {
    const page = await navigateur.newPage();
    await page.goto(adresseAnglaise);
    await attendPret(page);
    const textes = await page.evaluate(
        () => [document.documentElement.lang,
               document.querySelector('[data-action="plan"]').textContent,
               document.querySelector('[data-controle="dialogue"] .fermer').textContent,
               document.querySelector('[data-controle="bouton[0]"]').getAttribute('aria-label'),
               document.querySelector('#pages h2').textContent,
    ]);
    assert.deepEqual(textes, [ 'en', 'Key map', 'Close', 'Back one step', 'Linked keys' ]);
    await page.close();
});
