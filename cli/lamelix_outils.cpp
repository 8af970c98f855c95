// lamelix-outils: the key authors' command line, on the same core as the window.

#include "cli/commande_imprime.hpp"
#include "cli/commande_outils.hpp"
#include "cli/commande_parcours.hpp"
#include "cli/commande_tableau.hpp"
#include "cli/commande_tables.hpp"
#include "cli/commande_verifie.hpp"
#include "version.hpp"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

const char *const Aide =
    "Usage : lamelix-outils COMMANDE [OPTIONS] FICHIER\n"
    "\n"
    "Outils des auteurs de clés d'identification Lamelix.\n"
    "\n"
    "Commandes :\n"
    "  tables [--oui|--non] FICHIER   compile la clé et affiche ses tables compilées\n"
    "                                 (--oui, par défaut : répond Oui aux questions ;\n"
    "                                  --non : répond Non)\n"
    "  parcours [--oui|--non] FICHIER ACTION...\n"
    "                                 consulte la clé sans fenêtre et affiche l'état de la\n"
    "                                 fenêtre après le chargement et après chaque action :\n"
    "                                 k (double clic sur la proposition k, comptée de 0),\n"
    "                                 clic:k, retour, raz, suiv, liste, section, nom:k,\n"
    "                                 lm1, lm2, compare, notes, sauts, prefixe ;\n"
    "                                 recherche par mot clé : motcle (ouvre le cadre),\n"
    "                                 mot:TEXTE et mot2:TEXTE (les deux mots), ou, et,\n"
    "                                 descript, liste, sections, historiq (où chercher ;\n"
    "                                 cadre ouvert, liste est l'option et non le bouton),\n"
    "                                 casse (Ignore M/m), accents (Ignore accents),\n"
    "                                 chercher, valider, annuler, reprise\n"
    "  verifie [--oui|--non] FICHIER  diagnostics de la clé comme les compilateurs les écrivent :\n"
    "                                 FICHIER:LIGNE: erreur: message : explication (ou\n"
    "                                 avertissement:), suivi de la ligne de la clé ; code de\n"
    "                                 retour 0 sans erreur, 1 sinon\n"
    "\n"
    "Outils de mise au point (la clé chargée comme par « Charger » de la fenêtre Mise au point) :\n"
    "  analyse FICHIER                compte rendu d'analyse (« Analyse/Tests »)\n"
    "  renum [--depart N] [--increment K] [--ecrire] FICHIER\n"
    "                                 « Test numérotation » (N et K valent 1 par défaut) : le\n"
    "                                 compte rendu, une ligne « == correspondances », puis les\n"
    "                                 correspondances ; --ecrire : « Sauver renum » (copie de\n"
    "                                 sauvegarde NOM.BAK)\n"
    "  coherence FICHIER              « test cohérence »\n"
    "  notes FICHIER                  « liste notes »\n"
    "  complements FICHIER            « liste Complt »\n"
    "  liens FICHIER                  « Liste liens »\n"
    "  verif-liens FICHIER            « Verif Liens » : fichiers liés absents\n"
    "  compil FICHIER                 « voir compil », toutes les pages à la suite\n"
    "  export-txt FICHIER             « Format Txt » : écrit FICHIER.txt\n"
    "  utf8 [--remplacer] FICHIER     conversion en UTF-8 : écrit FICHIERUTF8-B.txt, ou\n"
    "                                 remplace la clé avec --remplacer\n"
    "  Chacun accepte --oui|--non ; le texte du compte rendu (fins de ligne CR LF) sort tel\n"
    "  quel sur la sortie standard, sauf les caractères de commande d'une clé (\\xNN).\n"
    "\n"
    "Clé imprimable (sur la sortie standard, en UTF-8) :\n"
    "  imprime [--style crochets|indente] [--format html|md] FICHIER\n"
    "                                 crochets (par défaut) : chaque couplet numéroté avec les\n"
    "                                 couplets qui y mènent, ses propositions 1a, 1b... ;\n"
    "                                 indente : la clé en arbre depuis son premier couplet ;\n"
    "                                 html (par défaut, page complète prête à imprimer en A4)\n"
    "                                 ou md (Markdown)\n"
    "\n"
    "Échange sous forme de tableau (CSV en UTF-8, trois colonnes : couplet, proposition,\n"
    "couplet suivant ou nom du taxon ; les clés secondaires mises à plat, leurs couplets\n"
    "numérotés à la suite ; les notes suivent la proposition après un saut de ligne) :\n"
    "  exporte-tableau FICHIER        écrit le tableau de la clé sur la sortie standard\n"
    "  importe-tableau TABLE.csv -o CLE.cle\n"
    "                                 écrit la clé du tableau (Windows-1252, ou UTF-8 avec\n"
    "                                 sa ligne rem$UTF8$) ; chaque rangée fautive est signalée\n"
    "                                 TABLE.csv:LIGNE: erreur: ... et rien n'est écrit (code 1)\n"
    "\n"
    "Options :\n"
    "  --help      affiche cette aide\n"
    "  --version   affiche la version\n"
    "\n"
    "Sorties : les tables ou l'état de la fenêtre sur la sortie standard ; les messages,\n"
    "questions et textes du presse-papier sur la sortie d'erreur, une ligne chacun. Dans les\n"
    "textes, tabulation, \\, retour chariot et saut de ligne s'écrivent \\t, \\\\, \\r et \\n, "
    "les\n"
    "autres caractères de commande (U+0000 à U+001F, U+007F, U+0080 à U+009F) \\xNN.\n"
    "\n"
    "Code de retour :\n"
    "  0  la clé a été compilée jusqu'au bout (parcours : et elle offre des propositions ;\n"
    "     verifie : et sans erreur ; export-txt, utf8, renum --ecrire : et le fichier écrit)\n"
    "  1  fichier refusé ou vide, ou compilation arrêtée (parcours : aussi une clé sans\n"
    "     proposition au départ ou un chargement interrompu) ; la sortie est écrite quand même\n"
    "  2  erreur d'usage, fichier illisible, ou écriture impossible sur la sortie standard\n";

int execute(std::vector<std::string> arguments) {
    try {
        if (arguments.empty()) {
            std::cerr << "lamelix-outils: commande manquante (essayez --help)\n";
            return 2;
        }
        const std::string commande = arguments.front();
        arguments.erase(arguments.begin());
        if (commande == "--help" || commande == "-h") {
            std::cout << Aide;
            return 0;
        }
        if (commande == "--version") {
            std::cout << "lamelix-outils " << lamelix::VersionTexte << '\n';
            return 0;
        }
        if (commande == "tables") return lamelix::CommandeTables(arguments, std::cout, std::cerr);
        if (commande == "parcours")
            return lamelix::CommandeParcours(arguments, std::cout, std::cerr);
        if (commande == "verifie") return lamelix::CommandeVerifie(arguments, std::cout, std::cerr);
        if (commande == "imprime") return lamelix::CommandeImprime(arguments, std::cout, std::cerr);
        if (commande == "exporte-tableau")
            return lamelix::CommandeExporteTableau(arguments, std::cout, std::cerr);
        if (commande == "importe-tableau")
            return lamelix::CommandeImporteTableau(arguments, std::cerr);
        if (lamelix::EstCommandeOutils(commande))
            return lamelix::CommandeOutils(commande, arguments, std::cout, std::cerr);
        std::cerr << "lamelix-outils: commande inconnue : " << commande << " (essayez --help)\n";
        return 2;
    } catch (const std::exception &e) {
        std::cerr << "lamelix-outils: " << e.what() << '\n';
        return 2;
    }
}

} // namespace

int main(int argc, char **argv) {
    std::ios::sync_with_stdio(false);
    const int statut = execute(std::vector<std::string>(argv + 1, argv + argc));
    // A standard output that did not take everything (a full disk, a closed descriptor) leaves the
    // author with truncated tables: that is a failure whatever the command decided.
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "lamelix-outils: écriture impossible sur la sortie standard\n";
        return 2;
    }
    return statut;
}
