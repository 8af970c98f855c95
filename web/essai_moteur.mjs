// The page's engine walks every sample key as `lamelix-outils parcours` does: for a few action
// sequences, the state blocks the engine prints after the load and after each action must be
// byte for byte what parcours prints.
// node web/essai_moteur.mjs MOTEUR.js LAMELIX-OUTILS DOSSIER-DES-CLES
import { execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

const [moteurJs, outilsDonne, dossierCles] = process.argv.slice(2);
const outils = path.resolve(outilsDonne);
const LamelixMoteur = createRequire(import.meta.url)(path.resolve(moteurJs));

const suites = [
  ['1', '1'],
  ['2', 'retour', 'raz', '0', '0'],
  ['liste', 'nom:1', 'nom:5'],
  ['1', 'lm1', 'raz', '0', 'lm2', 'compare'],
  ['motcle', 'mot:a', 'chercher', 'valider', 'reprise'],
  ['notes', 'sauts', 'prefixe', 'section', 'suiv', '0'],
  ['clic:0', '0', '0', '0', '0', '0', '0', 'retour'],
];

// parcours runs on copies in a folder named as the engine's, so that the paths it shows agree.
const copie = fs.mkdtempSync(path.join(os.tmpdir(), 'lamelix-moteur-'));
const cles = fs.readdirSync(dossierCles).filter((n) => fs.statSync(path.join(dossierCles, n)).isFile());
for (const nom of cles) fs.copyFileSync(path.join(dossierCles, nom), path.join(copie, nom));

function parcours(oui, nom, actions) {
  try {
    return execFileSync(outils, ['parcours', oui ? '--oui' : '--non', nom, ...actions],
                        { cwd: copie, encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] });
  } catch (e) {
    return e.stdout; // a key that does not load exits 1 and still prints its state
  }
}

const m = await LamelixMoteur();
m.FS.mkdir('/cles');
for (const nom of cles) m.FS.writeFile('/cles/' + nom, fs.readFileSync(path.join(copie, nom)));

let fautes = 0, essais = 0;
for (const nom of cles.filter((n) => /\.(cle|txt)$/i.test(n))) {
  for (const [i, actions] of suites.entries()) {
    const oui = i % 2 === 0;
    const etat = JSON.parse(m.ccall('lamelix_ouvre', 'string', ['string', 'number', 'string'],
                                    ['/cles/' + nom, oui ? 1 : 0, '']));
    if (typeof etat.controles !== 'object') throw new Error(`${nom}: pas d'état à l'ouverture`);
    let texte = m.ccall('lamelix_etat_texte', 'string', ['string'], ['chargement']);
    for (const a of actions) {
      JSON.parse(m.ccall('lamelix_agit', 'string', ['string'], [a]));
      texte += m.ccall('lamelix_etat_texte', 'string', ['string'], [a]);
    }
    const attendu = parcours(oui, nom, actions).replaceAll(copie + '/', '/cles/');
    ++essais;
    if (texte !== attendu) {
      ++fautes;
      const a = attendu.split('\n'), b = texte.split('\n');
      const k = a.findIndex((l, j) => l !== b[j]);
      console.log(`DIFFÈRE ${nom} [${actions.join(' ')}] ligne ${k + 1}:\n  parcours: ${a[k]}\n  moteur:   ${b[k]}`);
    }
  }
}
const inconnue = JSON.parse(m.ccall('lamelix_agit', 'string', ['string'], ['envol']));
if (!inconnue.erreur) { console.log('une action inconnue doit rendre "erreur"'); ++fautes; }
const plan = JSON.parse(m.ccall('lamelix_agit', 'string', ['string'], ['plan']));
if (!Array.isArray(plan.plan)) { console.log('"plan" doit rendre le plan de la clé'); ++fautes; }
fs.rmSync(copie, { recursive: true, force: true });
console.log(`${essais - fautes}/${essais} parcours identiques`);
process.exit(fautes === 0 ? 0 : 1);
