// Pictures of the published page for a person to look at: a phone and a desktop screen, light
// and dark, two steps into cles/defaut.cle.
//   node tests/web/captures.mjs LAMELIX-OUTILS DOSSIER
import {execFileSync} from 'node:child_process';
import {mkdirSync} from 'node:fs';
import {join} from 'node:path';
import {fileURLToPath} from 'node:url';

import {attendPret, lanceNavigateur} from './navigateur.mjs';

const racine = fileURLToPath(new URL('../../', import.meta.url));
const [outils, sortie] = process.argv.slice(2);
mkdirSync(sortie, {recursive : true});
const page = join(sortie, 'defaut.html');
execFileSync(outils, [ 'publie', join(racine, 'cles/defaut.cle'), '-o', page ],
             {stdio : 'inherit'});

const navigateur = await lanceNavigateur();
for (const [largeur, hauteur] of [[ 360, 640 ], [ 1280, 800 ]])
    for (const theme of ['light', 'dark']) {
        const p = await navigateur.newPage();
        await p.setViewport({width : largeur, height : hauteur});
        await p.emulateMediaFeatures([ {name : 'prefers-color-scheme', value : theme} ]);
        await p.goto('file://' + page);
        await attendPret(p);
        for (const k of [0, 1])
            await p.click(`[data-controle="List1"] > [role="option"]:nth-child(${k + 1})`);
        await p.screenshot({path : join(sortie, `page-${largeur}x${hauteur}-${theme}.png`)});
        await p.close();
    }
await navigateur.close();
