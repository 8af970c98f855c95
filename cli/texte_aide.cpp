#include "cli/texte_aide.hpp"

namespace lamelix {

namespace {

const char *const ActionsParcours =
    "Actions de parcours (ACTION) :\n"
    "  k (double clic sur la proposition k, comptée de 0), clic:k, retour, raz, suiv, liste,\n"
    "  section, nom:k, lm1, lm2, compare, notes, sauts, prefixe ; recherche par mot clé :\n"
    "  motcle (ouvre le cadre), mot:TEXTE et mot2:TEXTE (les deux mots), ou, et, descript,\n"
    "  liste, sections, historiq (où chercher ; cadre ouvert, liste est l'option et non le\n"
    "  bouton), casse (Ignore M/m), accents (Ignore accents), chercher, valider, annuler,\n"
    "  reprise\n";

const char *const SortiesEtCodes =
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

// A name and its description, the descriptions lined up in one column.
void rangee(std::string &texte, const std::string &nom, const std::string &description) {
    constexpr std::size_t Colonne = 20;
    texte += "  " + nom;
    texte += nom.size() + 1 < Colonne ? std::string(Colonne - nom.size(), ' ')
                                      : "\n" + std::string(Colonne + 2, ' ');
    texte += description + '\n';
}

std::string nomEtArgument(const OptionCommande &o) {
    return *o.argument ? std::string(o.nom) + ' ' + o.argument : o.nom;
}

// The usage line's words after `lamelix-outils`: the name, each option, the operands.
std::string synopsis(const Commande &commande) {
    std::string s = commande.nom;
    if (commande.questions) s += " [--oui|--non]";
    for (const OptionCommande &o : commande.options)
        s += o.obligatoire ? ' ' + nomEtArgument(o) : " [" + nomEtArgument(o) + ']';
    if (commande.fichier != nullptr) s += std::string(" ") + commande.fichier;
    if (commande.suite != nullptr) s += std::string(" ") + commande.suite;
    return s;
}

} // namespace

std::string AideGenerale() {
    std::string texte =
        "Usage : lamelix-outils COMMANDE [OPTIONS] FICHIER [ACTION...]\n"
        "        lamelix-outils help [COMMANDE]\n"
        "        lamelix-outils completion bash\n"
        "\n"
        "Outils des auteurs de clés d'identification Lamelix. « lamelix-outils help\n"
        "COMMANDE » (ou « lamelix-outils COMMANDE --help ») donne l'usage et les\n"
        "options d'une commande.\n";
    const char *rubrique = nullptr;
    for (const Commande &c : TableCommandes()) {
        if (rubrique != c.rubrique) texte += std::string("\n") + c.rubrique + '\n';
        rubrique = c.rubrique;
        rangee(texte, c.nom, c.resume);
    }
    texte += "\nAutres commandes :\n";
    rangee(texte, "help [COMMANDE]", "affiche cette aide, ou celle de la commande");
    rangee(texte, "completion bash", "écrit la complétion de lamelix-outils pour bash");
    texte += "\n";
    texte += ActionsParcours;
    texte += "\nOptions :\n";
    rangee(texte, "-h, --help", "affiche cette aide");
    rangee(texte, "--version", "affiche la version");
    texte += "  Les commandes qui chargent une clé acceptent --oui (par défaut : répond Oui aux\n"
             "  questions) ou --non (répond Non).\n\n";
    return texte + SortiesEtCodes;
}

std::string AideCommande(const Commande &commande) {
    std::string texte = "Usage : lamelix-outils " + synopsis(commande) + "\n\n" + commande.nom +
                        " : " + commande.resume + '\n';
    if (*commande.detail) texte += std::string(commande.detail) + '\n';
    // The actions are parcours's operands: its help lists them as the general help does.
    if (commande.nom == std::string("parcours")) texte += std::string("\n") + ActionsParcours;
    texte += "\nOptions :\n";
    for (const OptionCommande &o : OptionsDe(commande))
        rangee(texte, o.nom == std::string("--help") ? "-h, --help" : nomEtArgument(o),
               o.description);
    return texte;
}

} // namespace lamelix
