// The page walks a key exactly as the window does: for every sample key and a few generated
// walks, what scripts/parcours-web.sh reads off the page is byte for byte what
// `lamelix-outils parcours` prints, with the same error stream and exit status.
import assert from 'node:assert/strict';
import {spawnSync} from 'node:child_process';
import {copyFileSync, mkdtempSync, readdirSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {after, before, test} from 'node:test';
import {fileURLToPath} from 'node:url';

import {lanceNavigateur} from './navigateur.mjs';
import {marche} from './parcours_web.mjs';

const racine = fileURLToPath(new URL('../../', import.meta.url));
const outils = process.env.LAMELIX_OUTILS || join(racine, 'build-test/bin/lamelix-outils');

// The walks the command line's own output checks make, on every sample key.
const MARCHES = [
    '',
    '0 0 retour raz',
    '0 1 0 lm1 raz 1 lm2 compare',
    'liste nom:0 nom:3 suiv section',
    '1 notes sauts prefixe 0 retour retour',
    'motcle mot:lames chercher valider',
    'motcle mot:LAMES casse accents mot2:blanc ou chercher',
    'motcle mot:Russula liste chercher annuler',
    '0 0 motcle mot:a historiq chercher clic:0 reprise',
    'section nom:1 clic:0 0 retour raz',
];

// A chain of entities with notes, a break of line and a secondary key, for walks drawn at
// random (a fixed seed, so that a failure can be replayed).
function cleProfonde() {
    let texte = 'TITRE$Cha\xeene g\xe9n\xe9r\xe9e\r\n';
    for (let e = 1; e <= 60; ++e) {
        texte += `${e}, ${e < 60 ? e + 1 : 0} $ Caract\xe8re ${e} pr\xe9sent///suite\r\n`;
        if (e % 7 === 0) texte += `${e}, 0, N $ note de l'entit\xe9 ${e}\r\n`;
        texte += `${e}, ${e === 30 ? 'CS1' : '0'} $ Caract\xe8re ${e} absent $ Taxon ${e}\r\n`;
    }
    return texte + 'CS1, 0 $ Secondaire\r\n1, 0 $ A $ Taxon A\r\n1, 0 $ B $ Taxon B\r\n';
}

function marchesAuHasard(nombre, longueur) {
    let graine = 29;
    const hasard = (n) => ((graine = (graine * 1103515245 + 12345) % 2147483648) % n);
    const vocabulaire = [
        '0',     '0',       '1',      'clic:1',     'retour',   'raz',     'suiv',
        'liste', 'section', 'nom:2',  'lm1',        'lm2',      'compare', 'notes',
        'sauts', 'prefixe', 'motcle', 'mot:absent', 'chercher', 'valider', 'annuler'
    ];
    return Array.from(
        {length : nombre},
        () => Array.from({length : longueur}, () => vocabulaire[hasard(vocabulaire.length)])
                  .join(' '));
}

let navigateur;
let dossier;
before(async () => {
    navigateur = await lanceNavigateur();
    dossier = mkdtempSync(join(tmpdir(), 'lamelix-parcours-web-'));
    for (const nom of readdirSync(join(racine, 'cles')))
        copyFileSync(join(racine, 'cles', nom), join(dossier, nom));
    writeFileSync(join(dossier, 'profonde.cle'), Buffer.from(cleProfonde(), 'latin1'));
});
after(() => navigateur?.close());

function parcours(args) {
    const r = spawnSync(outils, [ 'parcours', ...args ], {cwd : dossier, encoding : 'utf8'});
    return {out : r.stdout, err : r.stderr, rc : r.status};
}

async function compare(args) {
    const attendu = parcours(args);
    const vu = await marche(navigateur, outils, args);
    assert.deepEqual(vu, attendu, `parcours ${args.join(' ')}`);
}

test('every sample key, every walk', async () => {
    const cles = readdirSync(join(racine, 'cles')).filter((n) => /\.(cle|txt)$/.test(n));
    assert.ok(cles.length >= 5);
    process.chdir(dossier);
    for (const cle of cles)
        for (const m of MARCHES)
            await compare([ cle, ...m.split(' ').filter(Boolean) ]);
});

test('generated walks, answers yes and no, refused actions', async () => {
    process.chdir(dossier);
    for (const m of marchesAuHasard(6, 12))
        await compare([ 'profonde.cle', ...m.split(' ') ]);
    for (const args of [[ '--non', 'erreur-96.cle', '0' ], [ 'defaut.cle', '0', 'saute' ],
                        [ 'defaut.cle', 'clic:x' ]])
        await compare(args);
});
