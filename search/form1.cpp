#include "search/form1.hpp"

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

void RelieForm1(Lamelix &f, Form1 &w) {
    CrochetsFenetres &c = f.Crochets;
    c.Form1_Texte = [&w](const std::string &texte) { w.Text1.SetText(texte); };
    c.Form1_Titre = [&w](const std::string &titre) { w.Moi.SetCaption(titre); };
    c.Form1_Montre = [&w] { Form1_Montre(w); };
    c.Form1_Cache = [&w] { w.Moi.SetVisible(false); };
}

} // namespace lamelix
