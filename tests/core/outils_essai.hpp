#pragma once

// The tools window on a key written by the test, its buttons pressed as the author presses them.

#include "tests/core/fenetre_essai.hpp"
#include "tools/outils.hpp"

#include <initializer_list>
#include <string>
#include <string_view>

namespace lamelix::test {

struct OutilsEssai : FenetreEssai {
    Outils &O = App->Outil();
    std::string Fichier;

    OutilsEssai() {
        Gere([&] { MnOutil_Click(*F, 10); });
    }
    // "Charger" with this key chosen in the open dialog.
    void Ouvre(std::string_view octets, const std::string &nom = "essai.cle") {
        Fichier = Dossier.Ecrit(nom, octets);
        Dialogues.Fichiers.push_back(Fichier);
        Bouton(OutCharger);
    }
    void Bouton(int index) {
        Gere([&] { Command1_Click(O, index); });
    }
    const std::string &Rapport() const { return O.Text10[0].Text; }
    const std::string &Correspondances() const { return O.Text10[1].Text; }
};

// Lines joined with CR LF, as the reports write them.
inline std::string Crlf(std::initializer_list<std::string_view> lignes) {
    std::string texte;
    bool premiere = true;
    for (std::string_view l : lignes) {
        if (!premiere) texte += "\r\n";
        texte += l;
        premiere = false;
    }
    return texte;
}

} // namespace lamelix::test
