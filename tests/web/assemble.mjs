// Puts a page together from the template as publie does, with any engine script and data: the
// page's tests use it with the stand-in engine.
import {readFileSync} from 'node:fs';
import {fileURLToPath} from 'node:url';

const racine = fileURLToPath(new URL('../../', import.meta.url));
const lit = (chemin) => readFileSync(racine + chemin, 'utf8');

export function assemble(moteur, donnees) {
    const json = JSON.stringify(donnees).replaceAll('</', '<\\/');
    const morceaux = {
        '<!--LAMELIX-STYLE-->' : lit('web/page/lamelix.css'),
        '<!--LAMELIX-SCRIPT-->' : lit('web/page/lamelix.js'),
        '<!--LAMELIX-MOTEUR-->' : moteur,
        '<!--LAMELIX-DONNEES-->' :
            `<script type="application/json" id="lamelix-donnees">${json}</script>`,
    };
    let page = lit('web/page/lamelix.html');
    for (const [repere, contenu] of Object.entries(morceaux))
        page = page.replace(repere, () => contenu);
    return page;
}

export const moteurFactice = () => lit('tests/web/moteur_factice.js');
