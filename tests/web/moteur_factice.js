// A stand-in for the consultation engine: the same calls, answered with canned states of a tiny
// key whose texts try every trick a hostile key could (markup, script addresses). It lets the
// page's own tests run without the WebAssembly build.
globalThis.LamelixMoteur = async function() {
    const fichiers = new Map();
    const piege = '<script>document.title="pris"<' +
                  '/script>';
    const image = '<img src=x onerror="document.title=\'pris\'">';
    let etapes = 0;
    let docs = false;
    let notes = 0;
    const bouton = (t, e = true) => ({v : true, e, t});
    const etat =
        (messages = []) => {
            const propositions = docs
      ? ['https://exemple.org/amanite', 'javascript:document.title="pris"', 'photo.png']
      : ['Chapeau ' + piege + ' rouge', 'Chapeau ' + image + ' brun'];
            return {
                entite : docs ? 0 : 1 + etapes,
                etapes,
                titre : 'Clé factice',
                controles : {
                    List1 : {v : true, e : true, items : propositions, sel : -1},
                    List2 : {
                        v : true,
                        e : true,
                        items : [ 'Amanita ' + piege, 'Boletus edulis', 'Russula' ],
                        sel : -1
                    },
                    Text1 : {
                        v : true,
                        e : true,
                        t : etapes ? 'Chapeau ' + piege + ' rouge\r\n' : '',
                        couleur : 0
                    },
                    Text2 : {v : true, e : true, t : docs ? 'Amanita ' + image : ''},
                    Text5 : {v : true, e : true, t : ''},
                    Label1 : {v : true, e : true, t : '3'},
                    Label3 : {v : true, e : true, t : ' Listez et choisissez'},
                    Label5 : {v : true, e : true, t : 'Propositions validées'},
                    'bouton[0]' : bouton('<==', etapes > 0),
                    'bouton[1]' : bouton('RAZ', etapes > 0),
                    'Command4[0]' : bouton('Suiv.', false),
                    'Command4[6]' : bouton('&Liste'),
                    MotCle : bouton('MotClé'),
                    Frame8 : {v : true, e : true},
                    chk_Fnote : {v : true, e : true, t : '&Notes', val : notes},
                    Check_saut_ligne : {v : true, e : true, t : 'Sauts de ligne', val : 0},
                    Frame6 : {v : false, e : true},
                },
                messages,
            };
        };
    const actions = {
        0 : () => (docs ? etat([ {genre : 'ouvre', texte : 'https://exemple.org/amanite'} ])
                        : ((docs = true), (etapes = 1), etat())),
        1 : () => (docs ? etat([ {genre : 'ouvre', texte : 'javascript:document.title="pris"'} ])
                        : ((etapes = 1), etat())),
        2 : () => etat(docs ? [ {genre : 'ouvre', texte : 'photo.png'} ] : []),
        retour : () => ((docs = false), (etapes = Math.max(0, etapes - 1)), etat()),
        raz : () => ((docs = false), (etapes = 0), etat()),
        notes : () => ((notes = 1 - notes), etat()),
        'nom:0' : () => etat([ {genre : 'message', texte : 'Amanita ' + image} ]),
    };
    return {
        FS : {
            mkdir : (d) => fichiers.set(d, null),
            writeFile : (chemin, contenu) => fichiers.set(chemin, contenu),
        },
        ccall(nom, _retour, _types, args) {
            if (nom === 'lamelix_ouvre') {
                if (!fichiers.has(args[0])) throw new Error('clé absente : ' + args[0]);
                return JSON.stringify(etat());
            }
            const action = actions[args[0]];
            const resultat =
                action ? action() : {...etat(), erreur : 'action inconnue : ' + args[0]};
            return JSON.stringify(resultat);
        },
    };
};
