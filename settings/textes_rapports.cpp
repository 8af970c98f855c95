#include "settings/textes_rapports.hpp"

namespace lamelix {

std::vector<std::string> TextesRapports() {
    // Only ever appended to: a language file names each text by its place here.
    return {
        // 0: the analysis report.
        "lignes en désordre : ",
        "Branche appelée au delà de la dernière entité : ",
        "Appel de branche inexistante : ",
        "Noeud étiqueté : ",
        "Description terminale absente : ",
        "Nom d'espèce  absent : ",
        "Lignes ignorées: ",
        "   Liste notes",
        " erreur remarquée",
        " erreurs possibles",
        // 10
        "nb de séparateurs excessif",
        "----fin d'analyse------",
        "    entités maillées",
        "Vérifications supplémentaires de la structure",
        "----fin des vérifications supplémentaires------",
        " nb de lignes vues :",
        " nb de lignes utiles :",
        " dernière entité     : ",
        " Listes des lignes comportant une erreur possible",
        "erreur fatale d'indexation à l'index  ",
        // 20
        "---- analyse interrompue ------",
        "@ligne ",
        // 22: the findings on the key's structure.
        "entité qu'aucune proposition n'atteint depuis la première entité",
        "cycle : la consultation reviendrait à une entité déjà vue",
        "entité à une seule proposition",
        "espèce atteinte par plusieurs chemins (pour information)",
        "proposition menant à une entité qui n'existe pas",
        "clé secondaire jamais appelée",
        " : déjà à la ligne ",
        "entité ",
        // 30: the numbering test.
        "numérotation refusée : le numéro de départ et l'incrément valent au moins 1",
        " CS non traitée, ligne ",
        " la ligne ",
        " est mal rangée",
        "Sortie ligne ",
        ") non trouvée",
        "nb entités : ",
        "Les clés secondaires ne sont pas traitées  : ne pas sauver !",
        "numérotation refusée : elle irait jusqu'à ",
        ", une clé compte au plus ",
        // 40
        " entités",
        " ---- fin du compte rendu ---------",
        // 42: the link test and the consistency test.
        "ligne ",
        " sans suite",
        "avertissement 12/? cf clé ",
        "avertissement 11 /-dépassement index- cf ligne",
        " erreur 101/cf ligne ",
        // 47: the listing of the compiled key.
        " clé compilée",
        "ligne utile | ligne texte | E , S | prec |description | nom espèce | compléments",
        " E , S $description $ nom espèce $ compléments",
        // 50: the tools window's dialogs and the files it proposes.
        "votre code ? ",
        "Export texte",
        "cette clé est déjà codée en UTF8",
        "-rapport.txt",
        "-renum.txt",
        "Texte (*.txt)|*.txt|(*.*)|*.*",
        "compte rendu",
        "Enregistrement impossible (",
        "clé",
        "sauvegarde",
        // 60
        "le fichier ",
        " va être modifié ",
        "clé renumérotée",
        "conversion refusée : avec sa ligne rem$UTF8$, la clé dépasserait ",
        " lignes ; rien n'est écrit",
        "conversion refusée : la clé convertie ne se compile pas comme l'originale ; ",
        " n'est pas remplacé",
        "erreur inconnue export UTF8",
        "Page HTML (*.html)|*.html|Markdown (*.md)|*.md",
        "clé imprimable",
        // 70: the files the program writes: the text export, the result, the printable key.
        "export",
        "Résultat de la recherche",
        "fichier clé : ",
        "résultat",
        "Clé principale",
        "Clé secondaire ",
        "voir ",
        "fr",
        ") : ",
        // 79
        "options",
        "session",
        // 81: the structure findings that are only information.
        "entité à plus de deux propositions (pour information)",
        "entité atteinte par plusieurs propositions (pour information)",
    };
}

} // namespace lamelix
