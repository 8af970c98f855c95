#pragma once

// The main window model on a key written by the test, driven as the user drives the window.

#include "app/application.hpp"
#include "platform/fichiers.hpp"
#include "platform/piege.hpp"
#include "tests/core/banc_cle.hpp"

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lamelix::test {

using Textes = std::vector<std::string>;

// A small key several tests share: entity 1 to a species or to entity 2, 2 to a species or to
// entity 3, which ends at two species.
constexpr std::string_view CleChampignons = "1, 2 $Lames$\r\n"
                                            "1, 0 $Tubes$Boletus\r\n"
                                            "2, 3 $Anneau$\r\n"
                                            "2, 0 $Sans anneau$Russula\r\n"
                                            "3, 0 $Volve$Amanita phalloides\r\n"
                                            "3, 0 $Sans volve$Amanita rubescens\r\n";

struct FenetreEssai {
    DossierTemporaire Dossier;
    ServicesFactices Dialogues;
    std::unique_ptr<Application> App = std::make_unique<Application>(Dialogues);
    Programme *Prog = &App->Prog();
    Lamelix *F = &App->Principale();

    FenetreEssai() = default;
    // The window on that key, loaded as the window loads it.
    explicit FenetreEssai(std::string_view octets) { Charge(octets); }

    // Loads the key as the window does: ChargeCle, then the names list of a fresh load.
    void Charge(std::string_view octets, const std::string &nom = "essai.cle") {
        std::string chemin = Dossier.Ecrit(nom, octets);
        ChargeCle(*F, chemin);
        float mode = 0;
        ChargeListe(*F, mode);
    }
    // The user's gestures, each one a handler run as the window runs it.
    static void Gere(const std::function<void()> &gestionnaire) {
        ExecuteGestionnaire(gestionnaire);
    }
    // Double clicks on List1 at each position in turn.
    void Choisit(std::initializer_list<int> positions) {
        for (int position : positions) {
            Gere([&] {
                F->List1.Selectionne(position);
                List1_DblClick(*F);
            });
        }
    }
    void Choisit(int position) { Choisit({position}); }
    void Retour() {
        Gere([&] { bouton_Click(*F, 0); });
    }
    void Prend(int position) {
        Gere([&] {
            F->List2.Selectionne(position);
            List2_Click(*F);
        });
    }
    static Textes Lignes(const ListBox &liste) {
        Textes t;
        for (const auto &e : liste.Items)
            t.push_back(e.Texte);
        return t;
    }
    Textes Propositions() const { return Lignes(F->List1); }
    Textes Noms() const { return Lignes(F->List2); }
};

// A window whose program folder, and so its settings folder, is the test's own folder (or the
// one given), started as the program starts it.
struct PosteEssai : FenetreEssai {
    std::string Racine = std::filesystem::path(Dossier.Chemin("x")).parent_path().string();
    explicit PosteEssai(const std::string &dossier = {}) {
        F->RepProgramme = dossier.empty() ? Racine : dossier;
        Form_Load(*F);
    }
    std::string Ini() const { return LireOctets(F->RepProgramme + "/Lamelix.ini").value_or(""); }
};

} // namespace lamelix::test
