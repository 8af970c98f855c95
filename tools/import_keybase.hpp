#pragma once

// A key table of a key-hosting site (KeyBase's forms, see rangees_keybase.hpp) made into a key
// file. Couplet labels, numbers or short texts, are renumbered from 1 in the order they first
// appear, each part on its own; a label that changes is kept on a comment line above its couplet.
// Subkeys become secondary keys (a CSn header bearing the subkey's name), and a lead whose "to"
// names a subkey calls it under that name. A chain of taxa ("Genus:Genus species", or a shortcut
// column) ends the lead at its last taxon, the chain shown in the name as "Genus › Genus species".
// HTML becomes plain text.
//
// A fault of the key does not refuse the table: what can be represented is written and each
// fault is reported at its table line with the word key-hosting sites use for it. Only what
// cannot be written at all (no lead, more than a key holds) refuses it, every reason given, and
// then no bytes are produced.

#include "tools/lecture_tableau.hpp"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lamelix {

struct ConstatImport {
    long Ligne = 0;           // of the table
    std::string Terme;        // "dead end", "loop", "orphan", "singleton"...; empty for none
    std::string Message;      // in the program's words
    bool Information = false; // not a fault: a polytomy, a reticulation
};

struct TableauImporte {
    std::string Octets; // the key file; empty when refused
    bool Utf8 = false;
    std::vector<ConstatImport> Constats; // in table line order
    std::vector<ErreurTableau> Refus;    // why nothing was written
};

struct OptionsImport {
    std::string Titre; // written as the key's TITRE line when not empty
    // The complement of a lead ending at this taxon (F"..." chaining to another key, or a page),
    // empty for none. Not asked for a lead that has complements of its own.
    std::function<std::string(const std::string &taxon)> Complement;
};

TableauImporte LitTableauKeyBase(std::string_view texte, const OptionsImport &options = {});

// What importe-tableau reads: the program's own three columns give the key they always gave;
// any other table, or one they refuse, is read as above.
TableauImporte ImporteTableau(std::string_view texte);

} // namespace lamelix
