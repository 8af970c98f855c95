#include "cli/completion_bash.hpp"

#include "cli/table_commandes.hpp"

#include <algorithm>
#include <utility>
#include <vector>

namespace lamelix {

namespace {

const char *const Debut =
    R"(# bash completion of lamelix-outils, written by "lamelix-outils completion bash".
_lamelix_outils() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local commandes="%COMMANDES%"
    local options
    if ((COMP_CWORD == 1)); then
        mapfile -t COMPREPLY < <(compgen -W "$commandes help completion --help --version" -- "$cur")
        return
    fi
    case ${COMP_WORDS[1]} in
    help)
        ((COMP_CWORD == 2)) && mapfile -t COMPREPLY < <(compgen -W "$commandes" -- "$cur")
        return
        ;;
    completion)
        ((COMP_CWORD == 2)) && mapfile -t COMPREPLY < <(compgen -W "bash" -- "$cur")
        return
        ;;
)";

const char *const Fin = R"(    *)
        return
        ;;
    esac
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
    else
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
    fi
}
complete -F _lamelix_outils lamelix-outils
)";

// What follows an option that takes an argument: its words, file names, or nothing to offer.
std::string apres(const OptionCommande &o) {
    std::string mots = o.argument;
    switch (o.genre) {
    case GenreArgument::Choix:
        for (char &c : mots)
            if (c == '|') c = ' ';
        return "            mapfile -t COMPREPLY < <(compgen -W \"" + mots + "\" -- \"$cur\")\n";
    case GenreArgument::Fichier:
        return "            compopt -o filenames 2>/dev/null\n"
               "            mapfile -t COMPREPLY < <(compgen -f -- \"$cur\")\n";
    default:
        return "";
    }
}

// A command's branch: the arguments of its options, then its options.
std::string corps(const Commande &c) {
    std::string noms;
    std::string suivants;
    for (const OptionCommande &o : OptionsDe(c)) {
        noms += (noms.empty() ? "" : " ") + std::string(o.nom);
        if (o.genre != GenreArgument::Aucun)
            suivants += std::string("        ") + o.nom + ")\n" + apres(o) +
                        "            return\n            ;;\n";
    }
    std::string texte;
    if (!suivants.empty()) texte = "        case $prev in\n" + suivants + "        esac\n";
    texte += "        options=\"" + noms + "\"\n";
    // A command that reads no file offers its options alone.
    if (c.fichier == nullptr) texte += "        [[ $cur == -* ]] || return\n";
    return texte + "        ;;\n";
}

} // namespace

std::string CompletionBash() {
    std::string noms;
    // The commands whose branches are the same share one: most take only --oui and --non.
    std::vector<std::pair<std::string, std::string>> branches; // names, branch
    for (const Commande &c : TableCommandes()) {
        noms += (noms.empty() ? "" : " ") + std::string(c.nom);
        const std::string branche = corps(c);
        auto meme = std::find_if(branches.begin(), branches.end(),
                                 [&](const auto &b) { return b.second == branche; });
        if (meme == branches.end())
            branches.emplace_back(c.nom, branche);
        else
            meme->first += std::string(" | ") + c.nom;
    }
    std::string texte = Debut;
    texte.replace(texte.find("%COMMANDES%"), 11, noms);
    for (const auto &[lesNoms, branche] : branches)
        texte += "    " + lesNoms + ")\n" + branche;
    return texte + Fin;
}

} // namespace lamelix
