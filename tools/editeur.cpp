// "Editer": the key file opened in the author's text editor, a program of its own that the tools
// window ends when it starts another one or closes.

#include "platform/fichiers.hpp"
#include "platform/services.hpp"
#include "platform/texte.hpp"
#include "tools/outils.hpp"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace lamelix {

namespace {

// The usual graphical editors, each started as a new process with a window of its own (not
// handed to a copy already running, which the window could not end), at a line where it can.
constexpr std::pair<const char *, const char *> EditeursConnus[] = {
    {"gnome-text-editor", "gnome-text-editor --standalone %f"},
    {"gedit", "gedit --standalone +%l %f"},
    {"kate", "kate --new --line %l %f"},
    {"kwrite", "kwrite --line %l %f"},
    {"mousepad", "mousepad --disable-server --line %l %f"},
    {"pluma", "pluma +%l %f"},
    {"xed", "xed +%l %f"},
    {"featherpad", "featherpad --standalone +%l %f"},
    {"geany", "geany --new-instance --line %l %f"},
    {"leafpad", "leafpad --jump=%l %f"},
};

bool SurLeChemin(const std::string &programme) {
    const char *chemin = std::getenv("PATH");
    if (chemin == nullptr) return false;
    std::string_view reste = chemin;
    while (!reste.empty()) {
        const std::size_t fin = reste.find(':');
        const std::string dossier(reste.substr(0, fin));
        reste = fin == std::string_view::npos ? std::string_view{} : reste.substr(fin + 1);
        if (dossier.empty()) continue;
        std::error_code ec;
        const auto statut = std::filesystem::status(std::filesystem::path(dossier) / programme, ec);
        if (!ec && std::filesystem::is_regular_file(statut) &&
            (statut.permissions() & std::filesystem::perms::others_exec) !=
                std::filesystem::perms::none)
            return true;
    }
    return false;
}

// The words of a command: separated by blanks, a double-quoted word may hold blanks.
std::vector<std::string> Mots(const std::string &commande) {
    std::vector<std::string> mots;
    std::string mot;
    bool dansGuillemets = false, enCours = false;
    for (char c : commande) {
        if (c == '"') {
            dansGuillemets = !dansGuillemets;
            enCours = true;
        } else if (c == ' ' && !dansGuillemets) {
            if (enCours) mots.push_back(mot);
            mot.clear();
            enCours = false;
        } else {
            mot += c;
            enCours = true;
        }
    }
    if (enCours) mots.push_back(mot);
    return mots;
}

void Ouvre(Outils &o, long ligne) {
    Lamelix &f = o.Principale;
    Editeur(o, false);
    const std::string modele = CommandeEditeur(f);
    const auto commande = CommandeOuvrant(modele, o.Cle().FichierCle, ligne);
    if (!commande) {
        f.Systeme.Message(f.Msg(MsgAucunEditeur));
        return;
    }
    o.ProcessusEditeur = f.Systeme.LanceProgramme(commande->Programme, commande->Arguments);
    if (o.ProcessusEditeur == 0) f.Systeme.Message(f.Msg(MsgEditeurNonLance) + modele);
}

long Nombre(std::string_view texte) {
    long n = 0;
    std::size_t i = 0;
    for (; i < texte.size() && std::isdigit(static_cast<unsigned char>(texte[i])); ++i)
        n = n * 10 + (texte[i] - '0');
    return i == 0 || i > 9 ? -1 : n;
}

} // namespace

std::string CommandeEditeur(const Lamelix &f) {
    const std::string reglage = SansBlancs(f.Prog.Options.Editeur);
    if (!reglage.empty()) return reglage;
    for (const auto &[programme, modele] : EditeursConnus)
        if (SurLeChemin(programme)) return modele;
    return {};
}

std::optional<LigneCommande> CommandeOuvrant(const std::string &modele, const std::string &fichier,
                                             long ligne) {
    const std::vector<std::string> mots = Mots(modele);
    if (mots.empty()) return std::nullopt;
    LigneCommande c{mots.front(), {}};
    bool fichierPlace = false;
    for (std::size_t i = 1; i < mots.size(); ++i) {
        std::string mot = mots[i];
        if (ligne <= 0) {
            // No line to go to: the line number goes, with the option that introduces it
            // ("--line %l").
            if (mot.find("%l") != std::string::npos) continue;
            if (i + 1 < mots.size() && mots[i + 1] == "%l") continue;
        }
        mot = Remplace(mot, "%l", std::to_string(ligne));
        if (mot.find("%f") != std::string::npos) {
            mot = Remplace(mot, "%f", fichier);
            fichierPlace = true;
        }
        c.Arguments.push_back(std::move(mot));
    }
    if (!fichierPlace) c.Arguments.push_back(fichier);
    return c;
}

std::optional<long> LigneNommee(const std::string &ligne) {
    std::string_view t = ligne;
    while (!t.empty() && (t.back() == '\r' || t.back() == '\n'))
        t.remove_suffix(1);
    // "@ligne", or its word in the interface language, then the index and the text line.
    if (t.size() > 1 && t.front() == '@' && (t[1] < '0' || t[1] > '9')) {
        const std::size_t barre = t.find(" / ");
        if (barre == std::string_view::npos) return std::nullopt;
        const long n = Nombre(t.substr(barre + 3));
        return n > 0 ? std::optional<long>(n) : std::nullopt;
    }
    if (!t.empty() && t.front() == '@') t.remove_prefix(1);
    const long n = Nombre(t);
    if (n <= 0) return std::nullopt;
    const std::string_view apres = t.substr(std::to_string(n).size());
    if (apres.rfind("\\", 0) == 0 || apres.rfind(" \\", 0) == 0 || apres.rfind("/", 0) == 0)
        return n;
    return std::nullopt;
}

void Editeur(Outils &o, bool lance) {
    if (o.ProcessusEditeur != 0) {
        o.Principale.Systeme.TermineProgramme(o.ProcessusEditeur);
        o.ProcessusEditeur = 0;
    }
    if (lance) Ouvre(o, 0);
}

void EditeurALaLigne(Outils &o, long ligne) {
    Ouvre(o, ligne);
}

} // namespace lamelix
