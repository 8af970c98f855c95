#pragma once

// The commands of lamelix-outils, each described once: the help, the option parser and the bash
// completion are all drawn from this table.

#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace lamelix {

// What an option's argument is: it decides how the parser checks it and what completion offers.
enum class GenreArgument {
    Aucun,   // a switch
    Entier,  // a whole number (the tools window's number boxes: at most 32767)
    Choix,   // one of the words of `argument`, separated by '|'
    Fichier, // a file name
};

struct OptionCommande {
    const char *nom;      // "--depart"
    GenreArgument genre;  //
    const char *argument; // as the help writes it: "N", "crochets|indente"; "" for a switch
    const char *description;
    bool obligatoire = false;
};

struct Commande;

// A command line that the parser accepted: the switches set, the options' values, the file to
// read (checked readable) and the operands that follow it.
struct Appel {
    const Commande *commande = nullptr;
    bool oui = true; // the answer to the program's questions: --oui (the default) or --non
    std::set<std::string> drapeaux;
    std::map<std::string, std::string> valeurs;
    std::string fichier;
    std::vector<std::string> suite;

    bool A(const std::string &option) const { return drapeaux.count(option) > 0; }
    std::string Valeur(const std::string &option, const std::string &defaut) const;
};

using Gestionnaire = int (*)(const Appel &appel, std::ostream &sortie, std::ostream &erreurs);

struct Commande {
    const char *nom;
    const char *rubrique; // the heading of the general help it is listed under
    const char *resume;   // one line, in the general help's list
    const char *detail;   // what `help COMMANDE` adds, "" when the summary says it all
    bool questions;       // takes --oui|--non: the key is loaded, and may ask
    std::vector<OptionCommande> options;
    const char *fichier; // the file read, as the usage line names it: FICHIER, TABLE.csv
    const char *suite;   // the operands after it ("ACTION..."), nullptr when there are none
    Gestionnaire gestionnaire;
    bool dossier = false; // the file read may also be a folder
};

// Every command, in the order the general help lists them.
const std::vector<Commande> &TableCommandes();

// The command of that name, nullptr when there is none.
const Commande *CommandeNommee(const std::string &nom);

// Every option the command accepts, --oui and --non included when it takes them, --help last.
std::vector<OptionCommande> OptionsDe(const Commande &commande);

} // namespace lamelix
