// Binds the consultation engine to the page: every element marked data-controle="NAME" shows
// the control NAME of the engine's state, and every gesture on the page becomes one action of
// the engine. The key's texts only ever reach the page as text (textContent, value), never as
// markup; only http: and https: addresses become links.
'use strict';

(function() {
// The page's own texts, French by default; the PAGE section of an interface language file
// replaces them by number ("#n;text" lines), in the order of this list.
const CLES_TEXTES = [
    'langue',   'chargement',  'echec',       'plan',        'espece',  'recherche', 'mot1',
    'mot2',     'operateur',   'noms',        'comparaison', 'options', 'messages',  'fermer',
    'parcours', 'reponse-oui', 'reponse-non', 'copie',       'ouvrir',  'pages',     'retour',
    'propositions'
];
const TEXTES = {
    langue : 'fr',
    chargement : 'Chargement de la clé…',
    echec : 'La clé ne peut pas être consultée dans ce navigateur : ',
    plan : 'Plan de la clé',
    espece : 'Résultat',
    recherche : 'Recherche par mots-clés',
    mot1 : 'Mot 1',
    mot2 : 'Mot 2',
    operateur : 'Combinaison',
    noms : 'Noms restants',
    comparaison : 'Comparaison des deux chemins',
    options : 'Affichage',
    messages : 'Lamelix',
    fermer : 'Fermer',
    parcours : 'Parcours',
    'reponse-oui' : 'oui',
    'reponse-non' : 'non',
    copie : 'Copié dans le presse-papier : ',
    ouvrir : 'Ouvrir : ',
    pages : 'Clés liées',
    retour : 'Revenir d’une étape',
    propositions : 'Propositions',
};

const principal = document.getElementById('principal');
const dialogue = document.querySelector('[data-controle="dialogue"]');
let moteur = null;
let donnees = {cles : {}, images : {}};

function litTextes(langue) {
    if (!langue) return;
    const lignes = langue.split(/\r\n|\r|\n/);
    const debut = lignes.indexOf('PAGE;');
    if (debut < 0) return;
    for (const ligne of lignes.slice(debut + 1)) {
        const m = /^#(\d+);(.*)$/.exec(ligne);
        if (!m) break;
        const cle = CLES_TEXTES[Number(m[1])];
        if (cle) TEXTES[cle] = m[2];
    }
}

function appliqueTextes() {
    document.documentElement.lang = TEXTES.langue;
    for (const el of document.querySelectorAll('[data-texte]'))
        el.textContent = TEXTES[el.dataset.texte];
    for (const el of document.querySelectorAll('[data-texte-aria]'))
        el.setAttribute('aria-label', TEXTES[el.dataset.texteAria]);
}

// A caption without its keyboard accelerator: "&Ou" shows "Ou", "&&" one "&".
function legende(texte) { return String(texte ?? '').replace(/&(&?)/g, '$1'); }

function estLien(adresse) {
    try {
        const url = new URL(adresse);
        return url.protocol === 'http:' || url.protocol === 'https:';
    } catch {
        return false;
    }
}

// --- Lists -------------------------------------------------------------------------------

function optionsDe(liste) { return liste.querySelectorAll(':scope > [role="option"]'); }

function metListe(liste, items, sel) {
    const options = optionsDe(liste);
    const memes = options.length === items.length &&
                  items.every((texte, i) => options[i].textContent === texte);
    if (!memes) {
        const nouvelles = items.map((texte, i) => {
            const o = document.createElement('div');
            o.setAttribute('role', 'option');
            o.id = liste.id + '-' + i;
            o.dataset.index = String(i);
            o.textContent = texte;
            return o;
        });
        liste.replaceChildren(...nouvelles);
        liste.actif = sel >= 0 ? sel : 0;
    } else if (sel >= 0) {
        liste.actif = sel;
    }
    optionsDe(liste).forEach((o, i) => o.setAttribute('aria-selected', String(i === sel)));
    marqueActif(liste, liste.actif ?? 0, false);
}

// The option the arrow keys stand on: shown and announced, not yet chosen.
function marqueActif(liste, index, defile) {
    const options = optionsDe(liste);
    if (options.length === 0) {
        liste.removeAttribute('aria-activedescendant');
        return;
    }
    index = Math.max(0, Math.min(index, options.length - 1));
    liste.actif = index;
    options.forEach((o, i) => o.classList.toggle('actif', i === index));
    liste.setAttribute('aria-activedescendant', options[index].id);
    if (defile) options[index].scrollIntoView({block : 'nearest'});
}

// A click or a tap chooses; Enter chooses the option the arrows stand on, Space only selects
// it in the propositions (the window's single click).
function brancheListe(liste, choix, selection) {
    liste.addEventListener('click', (ev) => {
        const o = ev.target.closest('[role="option"]');
        if (!o || ev.detail > 1 || liste.getAttribute('aria-disabled') === 'true') return;
        marqueActif(liste, Number(o.dataset.index), false);
        agit(choix(Number(o.dataset.index)));
    });
    liste.addEventListener('keydown', (ev) => {
        if (liste.getAttribute('aria-disabled') === 'true') return;
        const n = optionsDe(liste).length;
        const page = Math.max(1, Math.floor(liste.clientHeight / 44));
        const deplacements =
            {ArrowDown : 1, ArrowUp : -1, PageDown : page, PageUp : -page, Home : -n, End : n};
        if (ev.key in deplacements) {
            marqueActif(liste, (liste.actif ?? 0) + deplacements[ev.key], true);
        } else if (ev.key === 'Enter' && n > 0) {
            agit(choix(liste.actif ?? 0));
        } else if (ev.key === ' ' && n > 0 && selection) {
            agit(selection(liste.actif ?? 0));
        } else {
            return;
        }
        ev.preventDefault();
    });
}

// --- Path: each line of the history can be clicked to go back to its step ----------------

function metChemin(el, texte) {
    const lignes = texte.match(/[^\r\n]*(\r\n|\r|\n)|[^\r\n]+$/g) || [];
    el.replaceChildren(...lignes.map((ligne, i) => {
        const s = document.createElement('span');
        s.textContent = ligne;
        s.dataset.ligne = String(i);
        s.tabIndex = 0;
        s.setAttribute('role', 'button');
        return s;
    }));
}

function brancheChemin(el) {
    const va = (cible) => {
        const s = cible.closest('[data-ligne]');
        if (s) agit('ligne:' + s.dataset.ligne);
    };
    el.addEventListener('click', (ev) => va(ev.target));
    el.addEventListener('keydown', (ev) => {
        if (ev.key !== 'Enter' && ev.key !== ' ') return;
        ev.preventDefault();
        va(ev.target);
    });
}

// --- Key map -------------------------------------------------------------------------------

function metPlan(noeuds) {
    const bloc = document.getElementById('plan');
    const branche = (liste) => liste.map((n) => {
        const li = document.createElement('li');
        li.textContent = n.texte;
        if (n.enfants?.length) {
            const ul = document.createElement('ul');
            ul.append(...branche(n.enfants));
            li.append(ul);
        }
        return li;
    });
    bloc.querySelector('ul').replaceChildren(...branche(noeuds));
    bloc.hidden = false;
    bloc.scrollIntoView({block : 'start'});
}

// --- Messages of the engine's services ----------------------------------------------------

function nomFichier(chemin) { return chemin.split(/[\\/]/).pop(); }

// The page published beside this one for a chained key (publie --dossier), by the key's name:
// only a relative path of letters, digits, dots, dashes and slashes ending in .html, so that no
// scheme (javascript:, data:) can ever make it an address.
function pageDeCle(nom) {
    const page = donnees.pages?.[nomFichier(nom)];
    return typeof page === 'string' && /^[\w.\/-]+\.html$/.test(page) ? page : null;
}

function lienPage(page, texte) {
    const a = document.createElement('a');
    a.href = page;
    a.textContent = texte;
    return a;
}

function metPages() {
    const pages = Object.keys(donnees.pages || {})
                      .filter((nom) => nom !== donnees.premiere && pageDeCle(nom));
    const bloc = document.getElementById('pages');
    bloc.querySelector('ul').replaceChildren(...pages.map((nom) => {
        const li = document.createElement('li');
        li.append(lienPage(pageDeCle(nom), nom));
        return li;
    }));
    bloc.hidden = pages.length === 0;
}

function entree(m) {
    const p = document.createElement('p');
    p.dataset.genre = m.genre;
    const texte = document.createElement('span');
    texte.className = 'texte-message';
    texte.textContent = m.texte;
    if (m.genre === 'question') p.dataset.reponse = donnees.oui ? 'oui' : 'non';
    if (m.genre === 'presse-papier') {
        p.append(TEXTES.copie);
        navigator.clipboard?.writeText(m.texte).catch(() => {});
    }
    if (m.genre === 'ouvre' && pageDeCle(m.texte)) {
        p.append(TEXTES.ouvrir, lienPage(pageDeCle(m.texte), m.texte));
        return p;
    }
    if (m.genre === 'ouvre') {
        const image = donnees.images?.[m.texte] ?? donnees.images?.[nomFichier(m.texte)];
        if (estLien(m.texte)) {
            const a = document.createElement('a');
            a.href = m.texte;
            a.target = '_blank';
            a.rel = 'noopener noreferrer';
            a.append(texte);
            p.append(TEXTES.ouvrir, a);
            return p;
        }
        if (typeof image === 'string' && image.startsWith('data:image/')) {
            const img = document.createElement('img');
            img.src = image;
            img.alt = m.texte;
            p.append(texte, img);
            return p;
        }
    }
    p.append(texte);
    if (m.genre === 'question') p.append(' → ' + TEXTES['reponse-' + p.dataset.reponse]);
    return p;
}

// The messages of every call since the dialog opened, until the user closes it.
function montreMessages(messages) {
    if (!messages?.length) return;
    dialogue.querySelector('.messages').append(...messages.map(entree));
    if (!dialogue.open) {
        if (typeof dialogue.showModal === 'function')
            dialogue.showModal();
        else
            dialogue.setAttribute('open', '');
    }
}

// --- The state on the page -----------------------------------------------------------------

function metControle(el, nom, c) {
    const porteur = el.closest('label') || el;
    porteur.hidden = !c.v;
    if (el.getAttribute('role') === 'listbox') {
        el.setAttribute('aria-disabled', String(!c.e));
        metListe(el, c.items || [], c.sel ?? -1);
        return;
    }
    if ('disabled' in el) el.disabled = !c.e;
    if (el.tagName === 'INPUT') {
        if (el.type === 'text') {
            if (el.value !== (c.t ?? '') && document.activeElement !== el) el.value = c.t ?? '';
        } else {
            el.checked = Number(c.val) === 1 || c.val === true;
            const texte = document.querySelector(`[data-legende="${CSS.escape(nom)}"]`);
            if (texte) texte.textContent = legende(c.t);
        }
    } else if (el.tagName === 'BUTTON') {
        el.textContent = legende(c.t);
        if (el.hasAttribute('aria-pressed'))
            el.setAttribute('aria-pressed', String(Number(c.val) === 1));
    } else if (el.tagName === 'SECTION' || el.hasAttribute('data-cadre')) {
        // a frame: only its visibility
    } else if (nom === 'Text1') {
        if (el.textContent !== c.t) metChemin(el, c.t ?? '');
        el.dataset.couleur = String(c.couleur ?? 0);
    } else {
        el.textContent = c.t ?? '';
    }
}

function affiche(etat) {
    const controles = etat.controles || {};
    if (etat.titre) document.title = etat.titre;
    document.getElementById('titre').textContent = etat.titre || 'Lamelix';
    principal.dataset.entite = String(etat.entite ?? 0);
    principal.dataset.etapes = String(etat.etapes ?? 0);
    for (const el of document.querySelectorAll('[data-controle]')) {
        const nom = el.dataset.controle;
        if (nom === 'dialogue' || nom === 'Caption') continue;
        const c = controles[nom];
        if (c)
            metControle(el, nom, c);
        else if (el.getAttribute('role') !== 'listbox' && !/^Text[125]$|^Label[13]$/.test(nom))
            (el.closest('label') || el).hidden = true;
    }
    // Labels keep their text even when hidden: they are read by the walk's printer.
    document.querySelector('[data-controle="Label1"]').hidden = false;
    const comparaison = controles['Form1.Text1'];
    document.getElementById('comparaison').hidden = !(comparaison && comparaison.t);
    if (etat.plan) metPlan(etat.plan);
    montreMessages(etat.messages);
}

function interruption(erreur) {
    montreMessages([ {genre : 'interruption', texte : String(erreur?.message ?? erreur)} ]);
}

function agit(action) {
    if (!moteur) return;
    const debut = performance.now();
    try {
        const etat = JSON.parse(moteur.ccall('lamelix_agit', 'string', [ 'string' ], [ action ]));
        affiche(etat);
    } catch (e) {
        interruption(e);
    }
    // Engine and page update together, for the benchmarks.
    performance.measure('lamelix-geste', {start : debut});
    principal.dataset.gestes = String(Number(principal.dataset.gestes || 0) + 1);
}

// --- Gestures ------------------------------------------------------------------------------

function branche() {
    brancheListe(document.querySelector('[data-controle="List1"]'), (k) => String(k),
                 (k) => 'clic:' + k);
    brancheListe(document.querySelector('[data-controle="List2"]'), (k) => 'nom:' + k, null);
    brancheChemin(document.querySelector('[data-controle="Text1"]'));
    for (const el of document.querySelectorAll('[data-action]')) {
        const action = el.dataset.action;
        if (el.tagName === 'INPUT' && el.type === 'text') {
            el.addEventListener('input', () => agit(action + el.value));
        } else if (el.tagName === 'INPUT') {
            el.addEventListener('change', () => agit(action));
        } else {
            el.addEventListener('click', () => agit(action));
        }
    }
    // Closed by its button or by Escape, the dialog forgets what it showed.
    const vide = () => dialogue.querySelector('.messages').replaceChildren();
    dialogue.querySelector('.fermer').addEventListener('click', () => {
        vide();
        dialogue.close();
    });
    dialogue.addEventListener('close', vide);
}

function octets(base64) {
    const binaire = atob(base64);
    const resultat = new Uint8Array(binaire.length);
    for (let i = 0; i < binaire.length; ++i)
        resultat[i] = binaire.charCodeAt(i);
    return resultat;
}

function ecrit(chemin, contenu) {
    let dossier = '';
    for (const partie of chemin.split('/').slice(1, -1)) {
        dossier += '/' + partie;
        try {
            moteur.FS.mkdir(dossier);
        } catch { /* already there */
        }
    }
    moteur.FS.writeFile(chemin, contenu);
}

async function demarre() {
    const source = document.getElementById('lamelix-donnees');
    if (source) donnees = JSON.parse(source.textContent);
    litTextes(donnees.langue);
    appliqueTextes();
    branche();
    try {
        moteur = await globalThis.LamelixMoteur();
        performance.mark('lamelix-moteur');
        // The keys and the pictures their complements name, where the engine reads its folder.
        for (const [nom, base64] of Object.entries(donnees.cles || {}))
            ecrit('/cles/' + nom, octets(base64));
        for (const [nom, uri] of Object.entries(donnees.images || {}))
            ecrit('/cles/' + nom, octets(uri.slice(uri.indexOf(',') + 1)));
        const etat = JSON.parse(moteur.ccall(
            'lamelix_ouvre', 'string', [ 'string', 'number', 'string' ],
            [ '/cles/' + donnees.premiere, donnees.oui ? 1 : 0, donnees.langue || '' ]));
        performance.mark('lamelix-ouverte');
        affiche(etat);
        metPages();
        document.getElementById('chargement').hidden = true;
    } catch (e) {
        document.getElementById('chargement').textContent = TEXTES.echec + String(e?.message ?? e);
        interruption(e);
    }
    principal.removeAttribute('aria-busy');
    principal.dataset.pret = '1';
    performance.mark('lamelix-pret');
}

demarre();
})();
