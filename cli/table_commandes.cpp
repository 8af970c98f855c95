#include "cli/table_commandes.hpp"

#include "cli/commande_imprime.hpp"
#include "cli/commande_lsp.hpp"
#include "cli/commande_outils.hpp"
#include "cli/commande_parcours.hpp"
#include "cli/commande_projet.hpp"
#include "cli/commande_publie.hpp"
#include "cli/commande_tableau.hpp"
#include "cli/commande_tables.hpp"
#include "cli/commande_verifie.hpp"

namespace lamelix {

namespace {

const char *const Consultation = "Consultation et vérification :";
const char *const MiseAuPoint =
    "Outils de mise au point (la clé chargée comme par « Charger » de la fenêtre Mise au point ;\n"
    "le texte du compte rendu, fins de ligne CR LF, sort tel quel sur la sortie standard, sauf\n"
    "les caractères de commande d'une clé, écrits \\xNN) :";
const char *const Imprimable = "Clé imprimable (sur la sortie standard, en UTF-8) :";
const char *const Echange =
    "Échange avec d'autres logiciels de clés (par défaut CSV en UTF-8, trois colonnes :\n"
    "couplet, proposition, couplet suivant ou nom du taxon ; les clés secondaires mises à plat,\n"
    "leurs couplets numérotés à la suite ; les notes suivent la proposition après un saut de\n"
    "ligne ; aussi les tableaux et projets de KeyBase et les documents LPXK) :";

// A tool of the tools window: its button's report, nothing to add but the command's own options.
Commande outil(const char *nom, const char *resume, std::vector<OptionCommande> options = {},
               const char *detail = "") {
    return {nom,       MiseAuPoint, resume,        detail, true, std::move(options),
            "FICHIER", nullptr,     CommandeOutils};
}

std::vector<Commande> construitTable() {
    using G = GenreArgument;
    return {
        {"tables",
         Consultation,
         "compile la clé et affiche ses tables compilées",
         "Les scalaires, une rangée par ligne de la clé, puis la première ligne de chaque entité "
         ";\n"
         "les messages du compilateur sur la sortie d'erreur.",
         true,
         {},
         "FICHIER",
         nullptr,
         CommandeTables},
        {"parcours",
         Consultation,
         "consulte la clé sans fenêtre, action par action",
         "Affiche l'état de la fenêtre après le chargement, puis après chaque ACTION.",
         true,
         {},
         "FICHIER",
         "ACTION...",
         CommandeParcours},
        {"publie",
         Consultation,
         "la clé en une page web qui la parcourt sans réseau",
         "La page porte le moteur de consultation (construit par scripts/construit-web.sh), la\n"
         "clé, les clés qu'elle enchaîne et les images que ses compléments nomment ; avec\n"
         "--dossier, chaque clé enchaînée devient une page de ce dossier. Code de retour 2\n"
         "quand le moteur manque.",
         true,
         {{"-o", G::Fichier, "PAGE.html", "la page écrite", true},
          {"--langue", G::Choix, "fr|it|es|de|en|bs|ru|uk",
           "langue de l'interface de la page (fr par défaut ; lit Lamelix_CODE.lng)"},
          {"--dossier", G::Fichier, "DOSSIER",
           "publie aussi chaque clé enchaînée, une page chacune"}},
         "FICHIER",
         nullptr,
         CommandePublie},
        {"verifie",
         Consultation,
         "diagnostics de la clé comme les compilateurs les écrivent",
         "FICHIER:LIGNE: erreur: message : explication (ou avertissement:), suivi de la ligne de\n"
         "la clé ; code de retour 0 sans erreur, 1 sinon. --format json écrit le même verdict en\n"
         "un document JSON (schéma : docs/verdict.schema.json).",
         true,
         {{"--format", G::Choix, "texte|json", "texte (par défaut) ou json"}},
         "FICHIER",
         nullptr,
         CommandeVerifie},
        {"lsp",
         Consultation,
         "serveur de langage (LSP) des éditeurs, sur les entrée et sortie standard",
         "Les diagnostics de verifie pendant la frappe, aller à l'entité appelée, les lignes qui\n"
         "appellent une entité, ce qu'une proposition atteint encore, le plan de la clé. Code de\n"
         "retour 0 après shutdown puis exit, 1 sinon.",
         false,
         {},
         nullptr,
         nullptr,
         CommandeLsp},
        outil("analyse", "compte rendu d'analyse (« Analyse/Tests »)"),
        outil("renum", "« Test numérotation », et « Sauver renum » avec --ecrire",
              {{"--depart", G::Entier, "N", "premier numéro (1 par défaut)"},
               {"--increment", G::Entier, "K", "écart entre deux numéros (1 par défaut)"},
               {"--ecrire", G::Aucun, "",
                "« Sauver renum » : réécrit la clé (copie de sauvegarde FICHIER.BAK)"}},
              "Le compte rendu, une ligne « == correspondances », puis les correspondances."),
        outil("coherence", "« test cohérence »"),
        outil("notes", "« liste notes »"),
        outil("complements", "« liste Complt »"),
        outil("liens", "« Liste liens »"),
        outil("verif-liens", "« Verif Liens » : fichiers liés absents"),
        outil("compil", "« voir compil », toutes les pages à la suite"),
        outil("export-txt", "« Format Txt » : écrit FICHIER.txt"),
        outil("utf8", "conversion en UTF-8 : écrit FICHIERUTF8-B.txt",
              {{"--remplacer", G::Aucun, "", "remplace la clé au lieu d'écrire une copie"}}),
        {"imprime",
         Imprimable,
         "la clé mise en page pour l'impression",
         "crochets : chaque couplet numéroté avec les couplets qui y mènent, ses propositions\n"
         "1a, 1b... ; indente : la clé en arbre depuis son premier couplet.",
         true,
         {{"--style", G::Choix, "crochets|indente", "mise en page (crochets par défaut)"},
          {"--format", G::Choix, "html|md",
           "html (par défaut, page à imprimer en A4) ou md (Markdown)"}},
         "FICHIER",
         nullptr,
         CommandeImprime},
        {"exporte-tableau",
         Echange,
         "écrit le tableau de la clé sur la sortie standard",
         "keybase : le tableau de KeyBase (tabulations ; colonnes from, statement, to, subkey,\n"
         "et complements quand la clé en a), chaque clé secondaire en sous-clé nommée par la\n"
         "proposition qui l'appelle ; ce que le tableau ne peut pas porter (titre, commentaire)\n"
         "est signalé sur la sortie d'erreur.\n"
         "lpxk : la clé en XML de clé à étapes (LPXK), que d'autres logiciels de clés lisent ;\n"
         "importe-tableau la relit telle quelle.",
         true,
         {{"--format", G::Choix, "csv|keybase|lpxk",
           "csv (par défaut, trois colonnes), keybase ou lpxk"}},
         "FICHIER",
         nullptr,
         CommandeExporteTableau},
        {"importe-tableau",
         Echange,
         "écrit la clé du tableau",
         "Le tableau à trois colonnes, un tableau de KeyBase (CSV ou tabulations, en-tête\n"
         "facultatif, sous-clés, raccourcis, HTML) ou un document LPXK (XML de clé à étapes),\n"
         "reconnus à leur contenu. La clé est écrite en Windows-1252, ou en UTF-8 avec sa ligne\n"
         "rem$UTF8$ ; les fautes de la clé (dead end, loop, orphan, singleton) sont\n"
         "signalées TABLE:LIGNE: avertissement: ... sans empêcher l'écriture ; un tableau dont\n"
         "aucune clé ne peut sortir est refusé TABLE:LIGNE: erreur: ... et rien n'est écrit\n"
         "(code 1).",
         false,
         {{"-o", G::Fichier, "CLE.cle", "la clé à écrire", true}},
         "TABLE.csv",
         nullptr,
         CommandeImporteTableau},
        {"importe-projet",
         Echange,
         "écrit les clés d'un projet KeyBase (dossier ou .zip)",
         "Une clé par ligne de keys.tsv, titrée de même, écrite dans DOSSIER ; une proposition\n"
         "qui aboutit au taxon d'une autre clé renvoie à son fichier (F\"...cle\"). Les fichiers\n"
         "écrits, puis la première clé, sur la sortie standard ; les fautes sur la sortie\n"
         "d'erreur.",
         false,
         {{"-o", G::Fichier, "DOSSIER", "le dossier où écrire les clés", true},
          {"--pages", G::Aucun, "",
           "un taxon sans clé mais avec sa page (items.tsv) reçoit la page en complément"}},
         "PROJET",
         nullptr,
         CommandeImporteProjet,
         true},
    };
}

} // namespace

std::string Appel::Valeur(const std::string &option, const std::string &defaut) const {
    const auto v = valeurs.find(option);
    return v == valeurs.end() ? defaut : v->second;
}

const std::vector<Commande> &TableCommandes() {
    static const std::vector<Commande> table = construitTable();
    return table;
}

const Commande *CommandeNommee(const std::string &nom) {
    for (const Commande &c : TableCommandes())
        if (nom == c.nom) return &c;
    return nullptr;
}

std::vector<OptionCommande> OptionsDe(const Commande &commande) {
    std::vector<OptionCommande> toutes;
    if (commande.questions) {
        toutes.push_back(
            {"--oui", GenreArgument::Aucun, "", "répond Oui aux questions (par défaut)"});
        toutes.push_back({"--non", GenreArgument::Aucun, "", "répond Non aux questions"});
    }
    toutes.insert(toutes.end(), commande.options.begin(), commande.options.end());
    toutes.push_back({"--help", GenreArgument::Aucun, "", "affiche cette aide"});
    return toutes;
}

} // namespace lamelix
