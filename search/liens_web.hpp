#pragma once

#include "consult/lamelix.hpp"

#include <array>
#include <string>

namespace lamelix {

struct Form1;
struct RechercheDocumentation;

// Percent-encoding of a text for a query: every byte but the unreserved letters, digits and
// "-._~", so that an address built with it is always valid.
std::string EncodeRequete(std::string_view texte);

// The address of a look-up of the button bar (items 0, 1, 5, 6, 7, 8) for the term T of
// Label17, on the sites of the settings; "" for the items that open no address.
std::string AdresseCommande6(const Reglages &r, int item, const std::string &terme,
                             const std::string &titreCle);
// The bibliography page of a word, on the species database.
std::string AdresseBibliographie(const Reglages &r, const std::string &mot);

// Opens the file or page a complement links to ("F" + a path or an address).
void Xshell(Lamelix &f, const std::string &lien);

// The button bar Frame9 of the main window: the look-ups of the species reached.
struct BarreWeb {
    BarreWeb(Lamelix &principale, Form1 &biblio, RechercheDocumentation &documentation);

    Lamelix &Principale;
    Form1 &Biblio;
    RechercheDocumentation &Documentation;
    std::array<CommandButton, 9> Command6;
};

void Command6_Click(BarreWeb &b, int index);
// The look-ups of a species are there only while a species name shows.
void Text2_Change(BarreWeb &b);

} // namespace lamelix
