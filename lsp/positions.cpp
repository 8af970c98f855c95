#include "lsp/positions.hpp"

namespace lamelix {

namespace {

// The length in bytes of the character starting with that byte (1 for a stray byte), and its
// width in the encoding's units.
std::size_t LongueurCaractere(unsigned char premier) {
    if (premier >= 0xF0) return 4;
    if (premier >= 0xE0) return 3;
    if (premier >= 0xC0) return 2;
    return 1;
}

long Largeur(std::size_t octets, CodagePositions codage) {
    if (codage == CodagePositions::Utf8) return static_cast<long>(octets);
    return octets == 4 ? 2 : 1;
}

// Walks the characters until the next one would pass the column or the byte.
template <typename Arret>
void Parcourt(std::string_view ligne, CodagePositions codage, std::size_t &octet, long &colonne,
              Arret arret) {
    octet = 0;
    colonne = 0;
    while (octet < ligne.size()) {
        std::size_t n = LongueurCaractere(static_cast<unsigned char>(ligne[octet]));
        if (octet + n > ligne.size()) n = 1;
        const long largeur = Largeur(n, codage);
        if (arret(octet + n, colonne + largeur)) return;
        octet += n;
        colonne += largeur;
    }
}

} // namespace

std::size_t OctetDeColonne(std::string_view ligne, long colonne, CodagePositions codage) {
    std::size_t octet = 0;
    long c = 0;
    Parcourt(ligne, codage, octet, c,
             [colonne](std::size_t, long suivante) { return suivante > colonne; });
    return octet;
}

long ColonneDOctet(std::string_view ligne, std::size_t cible, CodagePositions codage) {
    std::size_t octet = 0;
    long colonne = 0;
    Parcourt(ligne, codage, octet, colonne,
             [cible](std::size_t suivant, long) { return suivant > cible; });
    return colonne;
}

} // namespace lamelix
