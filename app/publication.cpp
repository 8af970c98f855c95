#include "app/publication.hpp"

#include "app/application.hpp"
#include "app/gestes_parcours.hpp"
#include "app/page_modele.hpp"
#include "key/requetes_cle.hpp"
#include "platform/fichiers.hpp"
#include "platform/piege.hpp"
#include "platform/services_sans_effet.hpp"
#include "platform/surete.hpp"
#include "platform/texte.hpp"
#include "platform/utf8.hpp"
#include "tools/outils.hpp"

#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>

namespace lamelix {

namespace {

namespace fs = std::filesystem;

std::string base64(std::string_view octets) {
    static const char alphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string sortie;
    sortie.reserve((octets.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 2 < octets.size(); i += 3) {
        const auto n = static_cast<uint32_t>(static_cast<unsigned char>(octets[i]) << 16 |
                                             static_cast<unsigned char>(octets[i + 1]) << 8 |
                                             static_cast<unsigned char>(octets[i + 2]));
        for (int k = 18; k >= 0; k -= 6)
            sortie += alphabet[(n >> k) & 63];
    }
    if (const std::size_t reste = octets.size() - i; reste > 0) {
        uint32_t n = static_cast<uint32_t>(static_cast<unsigned char>(octets[i])) << 16;
        if (reste == 2) n |= static_cast<uint32_t>(static_cast<unsigned char>(octets[i + 1])) << 8;
        sortie += alphabet[(n >> 18) & 63];
        sortie += alphabet[(n >> 12) & 63];
        sortie += reste == 2 ? alphabet[(n >> 6) & 63] : '=';
        sortie += '=';
    }
    return sortie;
}

// The content type of a picture the page may show, by its extension; nothing for any other file.
std::optional<std::string> typeImage(const std::string &nom) {
    static const std::pair<const char *, const char *> types[] = {
        {"JPG", "image/jpeg"}, {"JPEG", "image/jpeg"}, {"PNG", "image/png"},
        {"GIF", "image/gif"},  {"WEBP", "image/webp"}, {"SVG", "image/svg+xml"},
        {"BMP", "image/bmp"}};
    const std::size_t point = nom.rfind('.');
    if (point == std::string::npos) return std::nullopt;
    const std::string extension = Majuscules(nom.substr(point + 1));
    for (const auto &[ext, type] : types)
        if (extension == ext) return std::string(type);
    return std::nullopt;
}

// The targets of a key's complements (a file name or an address), read from the key compiled as
// the window opens it. A key that does not load names nothing.
std::vector<std::string> ciblesDe(const std::string &chemin, bool oui) {
    struct Reponse : ServicesMuets {
        bool oui;
        int Question(const std::string &, const std::string &) override {
            return oui ? ReponseOui : ReponseNon;
        }
    } services;
    services.oui = oui;
    auto app = std::make_unique<Application>(services);
    Lamelix &f = app->Principale();
    NommeCle(f, chemin);
    std::vector<std::string> cibles;
    ExecuteGestionnaire([&] {
        PrepareFenetre(f);
        OuvreCleDeDepart(f);
        const CleCompilee &cle = f.Cle();
        for (long i = 1; i <= NombreLignesCle(cle); ++i)
            if (auto cible = CibleDuLien(cle.TabLignes(i).Complements))
                if (!cible->empty()) cibles.push_back(std::move(*cible));
    });
    return cibles;
}

// The name of a file in the first key's folder, "/" between folders; nothing for a file outside.
std::optional<std::string> nomDans(const fs::path &racine, const std::string &chemin) {
    std::error_code ec;
    const fs::path relatif = fs::weakly_canonical(chemin, ec).lexically_relative(racine);
    if (ec || relatif.empty() || *relatif.begin() == "..") return std::nullopt;
    return relatif.generic_string();
}

// Inserts each piece at its marker, the template read once: what is inserted is never searched.
std::string remplit(std::string_view modele,
                    const std::vector<std::pair<std::string_view, std::string_view>> &pieces) {
    std::string sortie;
    sortie.reserve(modele.size());
    std::size_t i = 0;
    while (i < modele.size()) {
        std::size_t premier = std::string_view::npos;
        const std::pair<std::string_view, std::string_view> *trouve = nullptr;
        for (const auto &p : pieces) {
            const std::size_t k = modele.find(p.first, i);
            if (k < premier) {
                premier = k;
                trouve = &p;
            }
        }
        if (trouve == nullptr) break;
        sortie.append(modele.substr(i, premier - i)).append(trouve->second);
        i = premier + trouve->first.size();
    }
    if (i < modele.size()) sortie.append(modele.substr(i));
    return sortie;
}

// A script's text kept inside its element: "</script" and "<!--" written so that the HTML parser
// never sees them, which the script reads the same (they can only stand in strings, comments or
// regular expressions).
std::string scriptSur(std::string_view texte) {
    std::string sortie(texte);
    sortie = Remplace(sortie, "</", "<\\/");
    return Remplace(sortie, "<!--", "<\\!--");
}

std::string nomDePage(const std::string &nomCle) {
    std::string nom = nomCle;
    const std::size_t point = nom.rfind('.');
    if (point != std::string::npos && nom.find('/', point) == std::string::npos) nom.resize(point);
    for (char &c : nom)
        if (c == '/') c = '-';
    return nom + ".html";
}

} // namespace

ContenuPublication RassemblePublication(const std::string &cheminCle, bool oui) {
    ContenuPublication c;
    std::error_code ec;
    const fs::path premier = fs::weakly_canonical(cheminCle, ec);
    const fs::path racine = premier.parent_path();
    std::size_t octetsImages = 0;
    std::vector<std::string> aLire{premier.string()};
    for (std::size_t k = 0; k < aLire.size(); ++k) {
        const std::string &chemin = aLire[k];
        const auto nom = nomDans(racine, chemin);
        if (!nom || c.octets.count(*nom)) continue;
        if (c.cles.size() >= MaxCles) {
            c.avertissements.push_back("clé laissée de côté (plus de " + std::to_string(MaxCles) +
                                       " clés) : " + *nom);
            continue;
        }
        std::string pourquoi;
        auto octets = LireOctets(chemin, &pourquoi);
        if (!octets) {
            c.avertissements.push_back("clé illisible : " + *nom + " : " + pourquoi);
            continue;
        }
        c.cles.push_back(*nom);
        c.octets[*nom] = std::move(*octets);
        const std::string dossier = DossierDe(chemin);
        for (const std::string &cible : ciblesDe(chemin, oui)) {
            if (GenreDe(cible) != GenreAdresse::Fichier) continue;
            const std::string fichier = CheminDuComplement(dossier, cible);
            if (!FichierExiste(fichier)) continue;
            if (ExtensionMaj3(cible) == "CLE") {
                aLire.push_back(fichier);
                continue;
            }
            const auto type = typeImage(cible);
            const auto nomImage = nomDans(racine, fichier);
            if (!type || !nomImage || c.images.count(*nomImage)) continue;
            std::error_code e;
            const auto taille = fs::file_size(fichier, e);
            if (e || taille > MaxOctetsImage || octetsImages + taille > MaxOctetsImages) {
                c.avertissements.push_back("image laissée de côté (trop grande) : " + *nomImage);
                continue;
            }
            if (const auto image = LireOctets(fichier)) {
                octetsImages += image->size();
                c.images[*nomImage] = "data:" + *type + ";base64," + base64(*image);
            }
        }
    }
    return c;
}

std::string ElementDonnees(const ContenuPublication &c, const std::string &premiere,
                           const OptionsPublication &o,
                           const std::map<std::string, std::string> &pages) {
    nlohmann::json d = {{"premiere", premiere}, {"oui", o.oui}, {"langue", o.langue}};
    nlohmann::json cles = nlohmann::json::object();
    for (const auto &[nom, octets] : c.octets)
        if (pages.empty() || nom == premiere) cles[nom] = base64(octets);
    d["cles"] = std::move(cles);
    d["images"] = c.images;
    if (!pages.empty()) d["pages"] = pages;
    const std::string texte = d.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    return "<script type=\"application/json\" id=\"lamelix-donnees\">" +
           Remplace(texte, "</", "<\\/") + "</script>";
}

std::string PagePubliee(std::string_view moteur, std::string_view donnees) {
    const std::string style = Remplace(PageModele().style, "</", "<\\/");
    const std::string script = scriptSur(PageModele().script);
    const std::string code = scriptSur(moteur);
    return remplit(PageModele().html, {{"<!--LAMELIX-STYLE-->", style},
                                       {"<!--LAMELIX-SCRIPT-->", script},
                                       {"<!--LAMELIX-MOTEUR-->", code},
                                       {"<!--LAMELIX-DONNEES-->", donnees}});
}

std::optional<std::string> CheminMoteurWeb(const std::string &dossierProgramme) {
    // An engine named in the environment is the only one looked at: a test or a packager that
    // names one must not get another in its place.
    if (const char *env = std::getenv("LAMELIX_MOTEUR_WEB"); env != nullptr && *env != '\0')
        return FichierExiste(env) ? std::optional<std::string>(env) : std::nullopt;
    std::vector<std::string> candidats;
    candidats.push_back(JointChemin(dossierProgramme, "lamelix-moteur.js"));
    candidats.push_back(JointChemin(dossierProgramme, "../share/lamelix/lamelix-moteur.js"));
    candidats.push_back(std::string(LAMELIX_RACINE_SOURCES) + "/build-web/lamelix-moteur.js");
    for (const std::string &c : candidats)
        if (FichierExiste(c)) return c;
    return std::nullopt;
}

std::string MoteurAbsent() {
    return "le moteur de la page (lamelix-moteur.js) est introuvable : construisez-le avec "
           "« bash scripts/construit-web.sh »";
}

std::optional<std::string> TexteLangue(const std::string &dossierProgramme,
                                       const std::string &code) {
    const std::string nom = "Lamelix_" + code + ".lng";
    for (const std::string &dossier :
         {dossierProgramme, JointChemin(dossierProgramme, "../share/lamelix")})
        if (auto octets = LireOctets(JointChemin(dossier, nom)))
            return EstUTF8(*octets) ? std::move(*octets) : Windows1252VersUtf8(*octets);
    return std::nullopt;
}

bool PublieCle(const std::string &cheminCle, const std::string &sortie,
               const std::string &dossierProgramme, const OptionsPublication &o,
               std::string &pourquoi, std::vector<std::string> &avertissements) {
    const auto cheminMoteur = CheminMoteurWeb(dossierProgramme);
    const auto moteur = cheminMoteur ? LireOctets(*cheminMoteur) : std::nullopt;
    if (!moteur) {
        pourquoi = MoteurAbsent();
        return false;
    }
    const ContenuPublication c = RassemblePublication(cheminCle, o.oui);
    avertissements.insert(avertissements.end(), c.avertissements.begin(), c.avertissements.end());
    if (c.cles.empty()) {
        pourquoi = "clé illisible : " + cheminCle;
        return false;
    }
    const auto ecrit = [&](const std::string &chemin, const std::string &premiere,
                           const std::map<std::string, std::string> &pages) {
        std::string raison;
        if (EcritFichierSur(chemin, PagePubliee(*moteur, ElementDonnees(c, premiere, o, pages)),
                            &raison))
            return true;
        pourquoi = chemin + " : " + raison;
        return false;
    };
    if (o.dossier.empty()) return ecrit(sortie, c.cles.front(), {});
    // Each key a page of its own in the folder, the first at `sortie`; every page names where
    // each key's page is, from its own folder.
    std::error_code ec;
    fs::create_directories(o.dossier, ec);
    const fs::path dossier = fs::absolute(o.dossier);
    const fs::path premiere = fs::absolute(sortie);
    const auto pagesVues = [&](const fs::path &depuis) {
        std::map<std::string, std::string> pages;
        for (std::size_t k = 0; k < c.cles.size(); ++k) {
            const fs::path page = k == 0 ? premiere : dossier / nomDePage(c.cles[k]);
            pages[c.cles[k]] = page.lexically_relative(depuis).generic_string();
        }
        return pages;
    };
    if (!ecrit(sortie, c.cles.front(), pagesVues(premiere.parent_path()))) return false;
    for (std::size_t k = 1; k < c.cles.size(); ++k)
        if (!ecrit((dossier / nomDePage(c.cles[k])).string(), c.cles[k], pagesVues(dossier)))
            return false;
    return true;
}

void ExportePageWeb(Outils &o) {
    Lamelix &f = o.Principale;
    const CleCompilee &cle = o.Cle();
    if (cle.FichierCle.empty() || cle.NbLignesM1 < 0) return;
    std::string nom = NomFichier(cle.FichierCle);
    nom = nom.substr(0, nom.rfind('.')) + ".html";
    const auto chemin = f.Systeme.DialogueEnregistrer(o.Dit("Page web (*.html)|*.html"), nom,
                                                      DossierDe(cle.FichierCle));
    if (!chemin || chemin->empty()) return;
    // The page speaks the window's language; the window answers its key's questions yes.
    OptionsPublication options;
    const std::string &code = f.Options().LangueM;
    if (!code.empty() && code != "fr")
        options.langue = TexteLangue(f.RepProgramme, code).value_or(std::string{});
    std::string pourquoi;
    std::vector<std::string> avertissements;
    if (!PublieCle(cle.FichierCle, *chemin, f.RepProgramme, options, pourquoi, avertissements)) {
        f.Systeme.Message(EnregistrementImpossible(f, o.Dit("page web")) + pourquoi);
        return;
    }
    std::string compteRendu = o.Dit("Page web écrite dans") + "\n" + *chemin;
    for (const std::string &a : avertissements)
        compteRendu += "\n" + a;
    f.Systeme.Message(compteRendu);
}

} // namespace lamelix
