#pragma once

// A consultation driven gesture by gesture, what the window shows written after each gesture and
// the whole record compared with a file kept in tests/data/releves (LAMELIX_REGENERE=1 rewrites
// it, for the change to be read with git diff).

#include "platform/texte.hpp"
#include "tests/core/fenetre_essai.hpp"
#include "tests/core/lance_outils.hpp"

#include <filesystem>
#include <functional>
#include <regex>
#include <string>

namespace lamelix::test {

class Releve {
  public:
    explicit Releve(FenetreEssai &w) : w_(&w) {}
    // Goes on with another window (another run of the program, say).
    void Suit(FenetreEssai &w) {
        w_ = &w;
        journal_ = appels_ = 0;
    }

    // Runs the gesture as the window runs a handler, then records the state under its name.
    void operator()(const std::string &geste, const std::function<void()> &fait = {}) {
        if (fait) FenetreEssai::Gere(fait);
        texte_ += "== " + geste + "\n" + Etat() + "\n";
    }
    // The record against tests/data/releves/<nom>.txt.
    std::string Texte() const { return texte_; }
    std::string Attendu(const std::string &nom) const {
        return test::Attendu("releves/" + nom + ".txt", texte_);
    }

  private:
    // Every part of the window a consultation test looks at, empty ones left out, and the
    // dialogs and calls made since the last record; the tests' folders written <dossier>.
    std::string Etat() {
        const Lamelix &f = *w_->F;
        const Consultation &p = f.Parcours;
        std::string e = "entite " + std::to_string(p.EntiteCourante) + " etapes";
        for (int i = 1; i <= p.NbEtapes + 1 && i <= MaxEtapes; ++i)
            e += " " + std::to_string(p.Hist(i));
        e += " | marque " + std::to_string(p.MarqueRetour) + " espece " +
             std::to_string(p.EspeceAtteinte) + " suiv " +
             std::to_string(f.Command4[Cmd4Suiv].Enabled) + " recherche " +
             std::to_string(p.RechercheAffichee) + " motcle " + std::to_string(f.Frame6.Visible) +
             "\ncle " + w_->Prog->Cle.FichierCle + "\n";
        const auto ligne = [&e](const char *nom, const std::string &valeur) {
            if (!valeur.empty()) e += std::string(nom) + " " + valeur + "\n";
        };
        const auto liste = [&ligne](const char *nom, const ListBox &l) {
            std::string t;
            for (const auto &item : l.Items)
                t += "| " + item.Texte + " ";
            ligne(nom, t);
        };
        ligne("Text1", f.Text1.Text + (f.Text1.ForeColor ? " (rouge)" : ""));
        ligne("Text2", f.Text2.Text);
        ligne("Text5", f.Text5.Text);
        liste("List1", f.List1);
        liste("List2", f.List2);
        liste("List3", f.List3);
        ligne("Label1", f.Label1.Caption);
        ligne("Label6", f.Label6.Caption);
        ligne("Label3", f.Label3.Caption);
        ligne("Label7", f.Label7.Caption);
        ligne("Label18", f.Label18.Caption);
        ligne("Caption", f.Caption.Caption);
        ligne("StatusBar1", f.StatusBar1.Caption);
        ligne("Flash",
              f.LblflashX.Caption.empty()
                  ? std::string()
                  : f.LblflashX.Caption + " (" + std::to_string(f.LblflashX.ForeColor) + ")");
        ligne("zoomDesc", f.zoomDesc.Visible ? f.zoomDesc.Text : std::string());
        ligne("zoomlist", f.zoomlist.Visible ? f.zoomlist.Text : std::string());
        for (; journal_ < w_->Dialogues.Journal.size(); ++journal_)
            ligne("dit", w_->Dialogues.Journal[journal_]);
        for (; appels_ < w_->Dialogues.Appels.size(); ++appels_)
            ligne("appel", w_->Dialogues.Appels[appels_]);
        // Any scratch folder of the tests, whichever window's.
        static const std::regex dossier(std::filesystem::temp_directory_path().string() +
                                        "/lamelix-test-[0-9]+");
        e = std::regex_replace(e, dossier, "<dossier>");
        return Remplace(e, "\r\n", "\\r\\n");
    }

    FenetreEssai *w_;
    std::string texte_;
    std::size_t journal_ = 0, appels_ = 0;
};

} // namespace lamelix::test
