// Walks a key on its published page as a user would, with real clicks and key presses, and
// prints what the page shows after the load and after each action exactly as
// `lamelix-outils parcours` prints the window's state: same blocks, same escaping, the service
// messages on the error stream, the same exit status.
//
//   node parcours_web.mjs OUTILS [--oui|--non] FICHIER ACTION...
// The tests call marche() for many walks in one browser.
import {execFileSync} from 'node:child_process';
import {mkdtempSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';

import {attendPret, lanceNavigateur} from './navigateur.mjs';

// The control characters of a text as the command line writes them.
export function echappe(texte) {
    const echappes = {'\t' : '\\t', '\\' : '\\\\', '\r' : '\\r', '\n' : '\\n'};
    let sortie = '';
    for (const c of texte) {
        const code = c.codePointAt(0);
        if (c in echappes)
            sortie += echappes[c];
        else if (code < 0x20 || code === 0x7f || (code >= 0x80 && code <= 0x9f))
            sortie += '\\x' + code.toString(16).padStart(2, '0');
        else
            sortie += c;
    }
    return sortie;
}

// The buttons, boxes and options that one action presses on the page.
const CONTROLES = {
    retour : 'bouton[0]',
    raz : 'bouton[1]',
    suiv : 'Command4[0]',
    section : 'Command4[5]',
    lm1 : 'Command4[8]',
    lm2 : 'Command4[9]',
    compare : 'Command4[7]',
    reprise : 'Command4[10]',
    notes : 'chk_Fnote',
    sauts : 'Check_saut_ligne',
    prefixe : 'Mnuprefx[0]',
    motcle : 'MotCle',
    ou : 'Option1',
    et : 'Option2',
    descript : 'Option3[0]',
    sections : 'Option3[2]',
    historiq : 'Option3[3]',
    casse : 'Check1',
    accents : 'Check2',
    chercher : 'MoCle[0]',
    valider : 'MoCle[1]',
    annuler : 'MoCle[2]',
};

// The action as the command line reads it, or null for an action it refuses.
export function litAction(a) {
    if (a in CONTROLES || a === 'liste') return {genre : 'controle', a};
    let m = /^(mot2?):(.*)$/s.exec(a);
    if (m)
        return {genre : 'mot', boite : m[1] === 'mot' ? 'Textcle[0]' : 'Textcle[1]', texte : m[2]};
    m = /^(clic:|nom:)?(\d+)$/.exec(a);
    if (m && Number.isSafeInteger(Number(m[2])) && Number(m[2]) <= 0x7fffffff)
        return {genre : m[1] ? m[1].slice(0, -1) : 'choix', k : Number(m[2])};
    return null;
}

const selecteur = (nom) => `[data-controle="${nom}"]`;

// Clicks a control when the page lets it be used: shown and enabled.
async function presse(page, nom) {
    const el = await page.$(selecteur(nom));
    if (!el) return;
    const utilisable = await el.evaluate((e) => e.checkVisibility() && !e.disabled);
    if (utilisable) await el.click();
}

async function option(page, liste, k) {
    return page.$(
        `${selecteur(liste)}:not([aria-disabled="true"]) > [role="option"]:nth-child(${k + 1})`);
}

async function execute(page, action) {
    switch (action.genre) {
    case 'controle': {
        let nom = CONTROLES[action.a];
        if (action.a === 'liste') {
            const recherche = await page.$eval(selecteur('Frame6'), (e) => e.checkVisibility());
            nom = recherche ? 'Option3[1]' : 'Command4[6]';
        }
        return presse(page, nom);
    }
    case 'choix':
    case 'nom': {
        const o = await option(page, action.genre === 'choix' ? 'List1' : 'List2', action.k);
        if (o && (await o.evaluate((e) => e.checkVisibility()))) await o.click();
        return;
    }
    case 'clic': {
        // Arrows stand on a proposition without choosing it; Space selects it.
        if (!(await option(page, 'List1', action.k))) return;
        await page.focus(selecteur('List1'));
        await page.keyboard.press('Home');
        for (let i = 0; i < action.k; ++i)
            await page.keyboard.press('ArrowDown');
        await page.keyboard.press('Space');
        return;
    }
    case 'mot': {
        const boite = await page.$(selecteur(action.boite));
        if (!boite || !(await boite.evaluate((e) => e.checkVisibility() && !e.disabled))) return;
        await boite.click();
        await page.keyboard.down('Control');
        await page.keyboard.press('KeyA');
        await page.keyboard.up('Control');
        if (action.texte === '')
            await page.keyboard.press('Backspace');
        else
            await page.keyboard.type(action.texte);
    }
    }
}

// What the page shows, read from its elements; the messages of the dialog are read and the
// dialog closed, as a user reads and dismisses them.
async function lit(page) {
    return page.evaluate(() => {
        const el = (nom) => document.querySelector(`[data-controle="${nom}"]`);
        const items = (nom) => [...el(nom).querySelectorAll(':scope > [role="option"]')].map(
            (o) => o.textContent);
        const main = document.querySelector('main');
        const dialogue = el('dialogue');
        const messages = [...dialogue.querySelectorAll('.messages > p') ].map(
            (p) => ({
                genre : p.dataset.genre,
                texte : p.querySelector('.texte-message').textContent,
                reponse : p.dataset.reponse,
            }));
        return {
            List1 : items('List1'),
            Text1 : el('Text1').textContent,
            couleur : el('Text1').dataset.couleur ?? '0',
            Text2 : el('Text2').textContent,
            Text5 : el('Text5').textContent,
            List2 : items('List2'),
            Label1 : el('Label1').textContent,
            Label3 : el('Label3').textContent,
            entite : main.dataset.entite,
            etapes : main.dataset.etapes,
            Form1 : el('Form1.Text1').textContent,
            messages,
            ouvert : dialogue.open,
        };
    });
}

function bloc(titre, etat, avecForm1) {
    const lignes = [ `== ${titre}` ];
    const ligne = (nom, valeur) => lignes.push(`${nom}\t${echappe(valeur)}`);
    etat.List1.forEach((t) => ligne('List1', t));
    ligne('Text1', etat.Text1);
    ligne('couleur', etat.couleur);
    ligne('Text2', etat.Text2);
    ligne('Text5', etat.Text5);
    etat.List2.forEach((t) => ligne('List2', t));
    ligne('Label1', etat.Label1);
    ligne('Label3', etat.Label3);
    ligne('entite', etat.entite);
    ligne('etapes', etat.etapes);
    if (avecForm1) ligne('Form1', etat.Form1);
    return lignes.join('\n') + '\n';
}

function messages(etat) {
    return etat.messages
        .map((m) => {
            const reponse = m.genre === 'question' ? ` -> ${m.reponse}` : '';
            return `${m.genre}: ${echappe(m.texte)}${reponse}\n`;
        })
        .join('');
}

async function fermeDialogue(page, etat) {
    if (etat.ouvert) await page.click('[data-controle="dialogue"] .fermer');
}

// Each key is published once a run, for every walk on it.
const publiees = new Map();
let scratch = null;
function publie(outils, fichier, oui) {
    const cle = `${oui}\t${fichier}`;
    if (!publiees.has(cle)) {
        scratch ??= mkdtempSync(join(tmpdir(), 'lamelix-web-'));
        const chemin = join(scratch, `page-${publiees.size}.html`);
        try {
            execFileSync(outils, [ 'publie', oui ? '--oui' : '--non', fichier, '-o', chemin ],
                         {stdio : [ 'ignore', 'ignore', 'pipe' ]});
            publiees.set(cle, {chemin});
        } catch (e) {
            publiees.set(
                cle,
                {erreur : {out : '', err : String(e.stderr ?? e.message), rc : e.status ?? 2}});
        }
    }
    return publiees.get(cle);
}
process.on('exit', () => scratch && rmSync(scratch, {recursive : true, force : true}));

// One walk: the published page, the actions; what parcours would print and its status.
export async function marche(navigateur, outils, args) {
    const oui = !args.includes('--non');
    const reste = args.filter((a) => a !== '--oui' && a !== '--non');
    const [fichier, ...textes] = reste;
    const usage = (message) => ({
        out : '',
        err : `lamelix-outils: parcours: ${message} (essayez lamelix-outils help parcours)\n`,
        rc : 2
    });
    if (fichier === undefined) return usage('FICHIER manquant');
    const actions = [];
    for (const a of textes) {
        const action = litAction(a);
        if (!action) return usage(`action inconnue : ${a}`);
        actions.push({...action, titre : a});
    }
    const publiee = publie(outils, fichier, oui);
    if (publiee.erreur) return publiee.erreur;
    const page = await navigateur.newPage();
    try {
        await page.goto('file://' + publiee.chemin);
        await attendPret(page);
        let etat = await lit(page);
        let out = bloc('chargement', etat, false);
        let err = messages(etat);
        const rc =
            etat.List1.length > 0 && !etat.messages.some((m) => m.genre === 'interruption') ? 0 : 1;
        for (const action of actions) {
            await fermeDialogue(page, etat);
            await execute(page, action);
            etat = await lit(page);
            out += bloc(action.titre, etat, action.titre === 'compare');
            err += messages(etat);
        }
        return {out, err, rc};
    } finally {
        await page.close();
    }
}

async function principal() {
    const [outils, ...args] = process.argv.slice(2);
    const navigateur = await lanceNavigateur();
    try {
        const r = await marche(navigateur, outils, args);
        process.stdout.write(r.out);
        process.stderr.write(r.err);
        return r.rc;
    } finally {
        await navigateur.close();
    }
}

if (import.meta.url === `file://${process.argv[1]}`) {
    principal().then((rc) => { process.exitCode = rc; },
                     (e) => {
                         console.error(e);
                         process.exitCode = 3;
                     });
}
