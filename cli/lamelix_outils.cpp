// lamelix-outils: the key authors' command line, on the same core as the window.

#include "cli/completion_bash.hpp"
#include "cli/lecture_arguments.hpp"
#include "cli/table_commandes.hpp"
#include "cli/texte_aide.hpp"
#include "version.hpp"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

// A usage error outside the table's commands: the general help is where to look.
int erreurGenerale(const std::string &message) {
    std::cerr << "lamelix-outils: " << message << " (essayez lamelix-outils --help)\n";
    return 2;
}

// `help [COMMANDE]`.
int aide(const std::vector<std::string> &arguments) {
    if (arguments.empty()) {
        std::cout << lamelix::AideGenerale();
        return 0;
    }
    if (arguments.size() > 1) return erreurGenerale("help: une seule COMMANDE attendue");
    const lamelix::Commande *commande = lamelix::CommandeNommee(arguments.front());
    if (commande == nullptr)
        return erreurGenerale("help: commande inconnue : " + arguments.front());
    std::cout << lamelix::AideCommande(*commande);
    return 0;
}

int execute(std::vector<std::string> arguments) {
    try {
        if (arguments.empty()) return erreurGenerale("commande manquante");
        const std::string nom = arguments.front();
        arguments.erase(arguments.begin());
        if (nom == "--help" || nom == "-h") return aide({});
        if (nom == "help") return aide(arguments);
        if (nom == "--version") {
            std::cout << "lamelix-outils " << lamelix::VersionTexte << '\n';
            return 0;
        }
        if (nom == "completion") {
            if (arguments.size() != 1 || arguments.front() != "bash")
                return erreurGenerale("completion: seul « completion bash » existe");
            std::cout << lamelix::CompletionBash();
            return 0;
        }
        const lamelix::Commande *commande = lamelix::CommandeNommee(nom);
        if (commande == nullptr) return erreurGenerale("commande inconnue : " + nom);
        const lamelix::Lecture lecture = lamelix::LitArguments(*commande, arguments, std::cerr);
        if (lecture.aide) {
            std::cout << lamelix::AideCommande(*commande);
            return 0;
        }
        if (!lecture.appel) return 2;
        return commande->gestionnaire(*lecture.appel, std::cout, std::cerr);
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
    // Diagnostics that were lost (standard error on a full disk) leave the author believing the
    // key sound: a run that said nothing it had to say does not succeed.
    std::cerr.flush();
    if (!std::cerr && statut == 0) return 2;
    return statut;
}
