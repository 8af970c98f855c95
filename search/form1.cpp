#include "search/form1.hpp"

#include "platform/texte.hpp"
#include "search/liens_web.hpp"

namespace lamelix {

Form1::Form1(Lamelix &principale) : Principale(principale) {
    Moi.Visible = false;
    Command1[0].Caption = "Chercher";
    Command1[1].Caption = "Fermer";
    for (OptionButton &mot : Option1)
        mot.Visible = false;
}

void Form1_Montre(Form1 &w) {
    w.Moi.SetVisible(true);
}

void Form1_Ferme(Form1 &w) {
    w.Moi.SetVisible(false);
    w.Principale.Moi.SetVisible(true);
}

void Tdecompose(Form1 &w, const std::string &terme) {
    std::string texte = SansBlancs(terme);
    for (std::size_t double_ = texte.find("  "); double_ != std::string::npos;
         double_ = texte.find("  "))
        texte.erase(double_, 1);
    for (OptionButton &mot : w.Option1)
        mot.SetVisible(false);
    std::size_t n = 0, debut = 0;
    while (debut <= texte.size() && n < w.Option1.size()) {
        const std::size_t fin = std::min(texte.find(' ', debut), texte.size());
        const std::string mot = texte.substr(debut, fin - debut);
        if (!mot.empty()) {
            w.Option1[n].SetCaption(mot);
            w.Option1[n].SetValue(false);
            w.Option1[n].SetVisible(true);
            ++n;
        }
        debut = fin + 1;
    }
    w.Option1[0].SetValue(true);
}

void Command1_Click(Form1 &w, int index) {
    if (index == 0) {
        for (const OptionButton &mot : w.Option1) {
            if (!mot.Value || !mot.Visible) continue;
            OuvreAdresseWeb(w.Principale,
                            AdresseBibliographie(w.Principale.Options(), mot.Caption));
            break;
        }
    }
    if (index == 0 || index == 1) Form1_Ferme(w);
}

void Form1_MontreTexte(Form1 &w) {
    for (OptionButton &mot : w.Option1)
        if (mot.Visible) mot.SetVisible(false);
    Form1_Montre(w);
}

} // namespace lamelix
