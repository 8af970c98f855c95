#pragma once

// A whole project of a key-hosting site imported at once: its keys.tsv (each key's id, title
// and the taxon it keys out), its items.tsv (taxa and their web pages) and one key-ID.tsv table
// per key, from a folder or the .zip the site exports. Each key becomes a key file titled from
// keys.tsv; a lead ending at a taxon that has a key of its own chains to that key's file with an
// F"..." complement, and with Pages a lead ending at a taxon that has no key but a page carries
// the page. Every key file goes through the safe write; a key whose table is refused is left out
// and said so, the others are written.

#include <string>
#include <vector>

namespace lamelix {

struct OptionsProjet {
    bool Pages = false;
};

struct RapportProjet {
    std::vector<std::string> Ecrits; // the key files written (names in the output folder)
    std::string Premiere;            // the key a walk starts from: no other key leads to it
    std::vector<std::string> Lignes; // every finding, "key-ID.tsv:LINE: avertissement: ..."
    std::vector<std::string> Refus;  // why nothing was written at all
};

RapportProjet ImporteProjet(const std::string &projet, const std::string &dossier,
                            const OptionsProjet &options = {});

} // namespace lamelix
