// The picture of a proposition: the file its complements name, when it is a picture that exists.
// The button "Image" (Command2) is enabled only for such a proposition.

#include "consult/lamelix.hpp"
#include "platform/fichiers.hpp"
#include "platform/texte.hpp"

#include <cctype>
#include <vector>

namespace lamelix {

namespace {

// The picture formats the window can show.
bool extensionImage(const std::string &chemin) {
    const std::string nom = NomFichier(chemin);
    const std::size_t point = nom.rfind('.');
    if (point == std::string::npos) return false;
    const std::string extension = Majuscules(std::string_view(nom).substr(point + 1));
    for (const char *connue : {"JPG", "JPEG", "PNG", "GIF", "BMP", "TIF", "TIFF", "WEBP", "SVG"})
        if (extension == connue) return true;
    return false;
}

} // namespace

std::string ImageDesComplements(const std::string &complements, const std::string &dossierCle) {
    // The name is the complement without its double quotes, its code letter included; a
    // complement written as a code letter then a quoted name (F"photo.jpg") also names the file
    // without that letter.
    std::string nom;
    for (char c : complements)
        if (c != '"') nom += c;
    nom = SansBlancs(nom);
    std::vector<std::string> candidats{nom};
    const std::string ecrit = SansBlancs(complements);
    if (ecrit.size() > 2 && std::isalpha(static_cast<unsigned char>(ecrit[0])) &&
        (ecrit[1] == '"' || ecrit[1] == ' '))
        candidats.push_back(SansBlancs(std::string_view(nom).substr(1)));
    for (const std::string &candidat : candidats) {
        if (candidat.empty()) continue;
        const std::string chemin = ResoutDansDossier(dossierCle, candidat);
        if (extensionImage(chemin) && FichierExiste(chemin)) return chemin;
    }
    return {};
}

std::string ImageChoisie(const Lamelix &f) {
    // Search results and document names are not the propositions of the current entity.
    if (f.Parcours.RechercheAffichee || f.Parcours.DocsAffiches) return {};
    const int position = f.List1.ListIndex;
    if (position < 0 || position >= f.List1.ListCount()) return {};
    if (f.Parcours.EntiteCourante <= 0 || f.Parcours.EntiteCourante > MaxEntites) return {};
    const CleCompilee &cle = f.Prog.Cle;
    // The line is counted from the entity's first line, continuation lines included.
    const long ligne = cle.IndexEntite(f.Parcours.EntiteCourante) + position;
    if (ligne <= 0 || ligne > MaxLignesCle) return {};
    // The folder of the key loaded, which the chooser of the default folder does not change.
    std::string dossier = DossierDe(cle.FichierCle);
    if (dossier.empty()) dossier = f.RepData;
    return ImageDesComplements(cle.TabLignes(ligne).Complements, dossier);
}

void ActiveCommand2(Lamelix &f) {
    const bool image = !ImageChoisie(f).empty();
    if (f.Command2.Enabled != image) f.Command2.SetEnabled(image);
}

} // namespace lamelix
