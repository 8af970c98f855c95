// "liste notes", "liste Complt", "Verif Liens" and "Liste liens": lines of the compiled key
// listed for the author.

#include "key/requetes_cle.hpp"
#include "platform/fichiers.hpp"
#include "platform/nombres.hpp"
#include "platform/surete.hpp"
#include "platform/texte.hpp"
#include "tools/outils.hpp"

#include <functional>
#include <optional>

namespace lamelix {

namespace {

// The file a line's complements link to: the text between the first two double quotes when
// the text before them holds F ("F" + quote + name + quote).
std::optional<std::string> FichierLie(const std::string &complements) {
    const std::size_t guillemet = complements.find('"');
    if (guillemet == std::string::npos) return std::nullopt;
    if (Majuscules(complements.substr(0, guillemet)).find('F') == std::string::npos)
        return std::nullopt;
    const std::size_t fin = complements.find('"', guillemet + 1);
    return complements.substr(guillemet + 1, fin == std::string::npos ? fin : fin - guillemet - 1);
}

bool EstAdresseWeb(const std::string &nom) {
    const std::string debut = Majuscules(SansBlancs(nom).substr(0, 8));
    return debut.rfind("HTTP://", 0) == 0 || debut.rfind("HTTPS://", 0) == 0 ||
           debut.rfind("WWW.", 0) == 0;
}

// Every key line that passes the test, as "@" text line "/" index "/ " and its text.
std::string Lignes(const CleCompilee &cle, const std::string &fin,
                   const std::function<bool(long)> &retenue,
                   const std::function<const std::string &(const LigneCle &)> &texte) {
    std::string liste;
    for (long i = 1; i <= NombreLignesCle(cle); ++i) {
        if (!retenue(i)) continue;
        const LigneCle &l = cle.TabLignes(i);
        liste.append(1, '@').append(TexteNombre(l.LigneTexte)).append(1, '/');
        liste.append(std::to_string(i)).append("/ ").append(texte(l)).append(fin);
    }
    return liste;
}

const std::string &Description(const LigneCle &l) {
    return l.Description;
}
const std::string &Complements(const LigneCle &l) {
    return l.Complements;
}

} // namespace

void ListeNotes(Outils &o) {
    const CleCompilee &cle = o.Cle();
    o.Text10[0].SetText(
        o.Msg(MsgListeNotes) + o.Msg(MsgEnTeteIndexLignes) + o.FinLigne() +
        Lignes(
            cle, o.FinLigne(), [&cle](long i) { return EstNote(cle, i); }, Description));
}

void ListeComplements(Outils &o) {
    const CleCompilee &cle = o.Cle();
    o.Text10[0].SetText(o.Msg(MsgListeComplements) + o.Msg(MsgEnTeteIndexLignes) + o.FinLigne() +
                        Lignes(
                            cle, o.FinLigne(),
                            [&cle](long i) { return !cle.TabLignes(i).Complements.empty(); },
                            Complements));
}

void VerifLiens(Outils &o) {
    const CleCompilee &cle = o.Cle();
    const std::string dossier = DossierDe(cle.FichierCle);
    const auto defectueux = [&](long i) {
        const std::string &complements = cle.TabLignes(i).Complements;
        if (complements.empty()) return false;
        const auto nom = FichierLie(complements);
        // A web page is no file of the key's folder.
        if (!nom || EstAdresseWeb(*nom)) return false;
        return !FichierExiste(CheminDuComplement(dossier, *nom));
    };
    // The heading, then the folder the links are looked for in, each on its own line.
    o.Text10[0].SetText(o.Msg(MsgLiensDefectueux) + o.Msg(MsgEnTeteIndexLignes) + o.FinLigne() +
                        o.Msg(MsgRepertoireActif) + dossier + o.FinLigne() + "..........." +
                        o.FinLigne() + Lignes(cle, o.FinLigne(), defectueux, Complements));
}

void ListeLiens(Outils &o) {
    const CleCompilee &cle = o.Cle();
    std::string liste;
    for (long i = 1; i <= NombreLignesCle(cle); ++i) {
        const std::string &complements = cle.TabLignes(i).Complements;
        if (QueDesBlancs(complements)) continue;
        if (const auto nom = FichierLie(complements)) liste += *nom + o.FinLigne();
    }
    o.Text10[0].SetText(std::move(liste));
}

} // namespace lamelix
