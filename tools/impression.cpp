// The printable key: the key read once into parts and couplets, then written in one of the two
// layouts and one of the two formats.

#include "tools/impression.hpp"

#include "key/requetes_cle.hpp"
#include "platform/fichiers.hpp"
#include "platform/texte.hpp"

#include <cstdint>
#include <utility>
#include <vector>

namespace lamelix {

namespace {

struct Branche {
    long Ligne = 0;
    std::vector<std::string> Notes;
};

struct Partie {
    std::string Titre;
    std::vector<long> Couplets; // entities in the order of their first line
};

// The key as the layouts read it.
struct Plan {
    std::vector<Partie> Parties;
    std::vector<std::vector<Branche>> Branches; // by entity
    std::vector<std::vector<long>> Appelants;   // the distinct couplets leading to each entity
    bool Existe(long e) const { return e >= 1 && e <= MaxEntites && !Branches[e].empty(); }
};

// A French word of the page, in the language of mots when there are some.
std::string Mot(const TextesTraduits *mots, std::string_view francais) {
    return mots ? mots->Traduit(francais) : std::string(francais);
}

Plan Lit(const CleCompilee &cle, const TextesTraduits *mots) {
    Plan p;
    p.Branches.resize(MaxEntites + 1);
    p.Appelants.resize(MaxEntites + 1);
    p.Parties.push_back({Mot(mots, "Clé principale"), {}});
    const long n = NombreLignesCle(cle);
    for (long i = 1; i <= n; ++i) {
        const LigneCle &l = cle.TabLignes(i);
        if (l.E < 0) {
            const std::string texte = SansBlancs(l.Description);
            p.Parties.push_back({Mot(mots, "Clé secondaire ") + std::to_string(-l.E) +
                                     (texte.empty() ? "" : " : " + texte),
                                 {}});
            continue;
        }
        if (l.E < 1 || l.E > MaxEntites) continue;
        std::vector<Branche> &branches = p.Branches[l.E];
        if (EstNote(cle, i)) {
            if (!branches.empty()) branches.back().Notes.push_back(SansBlancs(l.Description));
            continue;
        }
        if (branches.empty()) p.Parties.back().Couplets.push_back(l.E);
        branches.push_back({i, {}});
        if (l.S >= 1 && l.S <= MaxEntites) {
            std::vector<long> &appelants = p.Appelants[l.S];
            bool deja = false;
            for (long a : appelants)
                deja = deja || a == l.E;
            if (!deja) appelants.push_back(l.E);
        }
    }
    if (p.Parties.front().Couplets.empty() && p.Parties.size() > 1)
        p.Parties.erase(p.Parties.begin());
    return p;
}

// The letter of the k-th lead of a couplet: a to z, then aa, ab...
std::string Lettre(std::size_t k) {
    std::string s;
    for (++k; k > 0; k = (k - 1) / 26)
        s.insert(s.begin(), static_cast<char>('a' + (k - 1) % 26));
    return s;
}

// The length of the invisible command that starts at i, 0 when none does: a control character
// (U+0000 to U+001F, U+007F, U+0080 to U+009F, which terminals obey) or a direction override
// (U+202A to U+202E, U+2066 to U+2069, which turn the text that follows around).
std::size_t CommandeInvisible(std::string_view t, std::size_t i) {
    const auto octet = [&](std::size_t k) {
        return k < t.size() ? static_cast<unsigned char>(t[k]) : 0u;
    };
    if (octet(i) < 0x20 || octet(i) == 0x7F) return 1;
    if (octet(i) == 0xC2 && octet(i + 1) >= 0x80 && octet(i + 1) <= 0x9F) return 2;
    if (octet(i) == 0xE2 &&
        ((octet(i + 1) == 0x80 && octet(i + 2) >= 0xAA && octet(i + 2) <= 0xAE) ||
         (octet(i + 1) == 0x81 && octet(i + 2) >= 0xA6 && octet(i + 2) <= 0xA9)))
        return 3;
    return 0;
}

// Invisible commands, which no printed page carries and no HTML document may hold, become
// U+FFFD; the rest is escaped for HTML.
std::string EchappeHtml(std::string_view texte) {
    std::string s;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const auto c = static_cast<unsigned char>(texte[i]);
        if (const std::size_t n = CommandeInvisible(texte, i)) {
            s += "\xEF\xBF\xBD";
            i += n - 1;
            continue;
        }
        switch (c) {
        case '&':
            s += "&amp;";
            break;
        case '<':
            s += "&lt;";
            break;
        case '>':
            s += "&gt;";
            break;
        case '"':
            s += "&quot;";
            break;
        case '\'':
            s += "&#39;";
            break;
        default:
            s += static_cast<char>(c);
        }
    }
    return s;
}

// Markdown's inline marks are escaped everywhere; the marks that act only at the start of a
// line (headings, lists, quotes) are escaped there, since a note starts its own line.
std::string EchappeMarkdown(std::string_view texte) {
    std::string s;
    std::size_t chiffres = 0;
    while (chiffres < texte.size() && texte[chiffres] >= '0' && texte[chiffres] <= '9')
        ++chiffres;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        if (const std::size_t n = CommandeInvisible(texte, i)) {
            s += "\xEF\xBF\xBD";
            i += n - 1;
            continue;
        }
        const bool debut = i == 0 && std::string_view("#-+=>").find(c) != std::string_view::npos;
        const bool numero = chiffres > 0 && i == chiffres && (c == '.' || c == ')');
        if (debut || numero || std::string_view("\\`*_[]<>&|~").find(c) != std::string_view::npos)
            s += '\\';
        s += c;
    }
    return s;
}

const char *const StyleHtml = R"(<style>
@page { size: A4; margin: 2cm 1.8cm; }
body { font-family: Georgia, "DejaVu Serif", serif; font-size: 11pt; line-height: 1.35;
       color: #000; background: #fff; max-width: 48em; margin: 0 auto; }
h1 { font-size: 17pt; margin: 0 0 0.4em; }
h2 { font-size: 13pt; margin: 1.4em 0 0.6em; border-bottom: 1px solid #888; }
.partie { page-break-before: auto; }
.cle-secondaire { page-break-before: always; }
.couplet { page-break-inside: avoid; break-inside: avoid; margin: 0 0 0.7em; }
.numero { font-weight: bold; }
.renvoi { color: #555; }
.branche { margin: 0.1em 0 0.1em 2.2em; text-indent: -2.2em; }
.lettre { display: inline-block; width: 2.2em; text-indent: 0; font-weight: bold; }
.vers { white-space: nowrap; }
.note { margin: 0 0 0.2em 2.2em; font-size: 10pt; color: #333; }
.indente .branche { text-indent: 0; margin-left: 0; }
.indente .note { margin-left: 0; }
a { color: inherit; text-decoration: none; }
@media print { body { max-width: none; } }
</style>
)";

// One layout written in one format.
class Ecriture {
  public:
    Ecriture(const CleCompilee &cle, const Plan &plan, FormatImpression format,
             const TextesTraduits *mots)
        : cle_(cle), plan_(plan), html_(format == FormatImpression::Html), mots_(mots) {
        for (std::size_t k = 0; k < plan.Parties.size(); ++k)
            for (long e : plan.Parties[k].Couplets)
                partieDe_[e] = k;
    }

    std::string Document(StyleImpression style) {
        const std::string titre =
            QueDesBlancs(cle_.TitreCle) ? NomFichier(cle_.FichierCle) : SansBlancs(cle_.TitreCle);
        const std::string commentaire = SansBlancs(cle_.CommentaireCle);
        if (html_) {
            t_ += "<!DOCTYPE html>\n<html lang=\"" + Mot(mots_, "fr") +
                  "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + Texte(titre) + "</title>\n" +
                  StyleHtml + "</head>\n<body class=\"" +
                  (style == StyleImpression::Indente ? "indente" : "crochets") + "\">\n<h1>" +
                  Texte(titre) + "</h1>\n";
            if (!commentaire.empty())
                t_ += "<p class=\"commentaire\">" + Texte(commentaire) + "</p>\n";
        } else {
            t_ += "# " + Texte(titre) + "\n\n";
            if (!commentaire.empty()) t_ += Texte(commentaire) + "\n\n";
        }
        for (std::size_t k = 0; k < plan_.Parties.size(); ++k) {
            const Partie &partie = plan_.Parties[k];
            if (html_)
                t_ += std::string("<div class=\"partie") + (k > 0 ? " cle-secondaire" : "") +
                      "\">\n<h2>" + Texte(partie.Titre) + "</h2>\n";
            else
                t_ += "## " + Texte(partie.Titre) + "\n\n";
            if (style == StyleImpression::Crochets)
                for (long e : partie.Couplets)
                    Couplet(e);
            else
                Arbre(partie, k);
            if (html_) t_ += "</div>\n";
        }
        if (html_) t_ += "</body>\n</html>\n";
        return std::move(t_);
    }

  private:
    std::string Texte(std::string_view s) const {
        return html_ ? EchappeHtml(s) : EchappeMarkdown(s);
    }
    std::string Italique(std::string_view s) const {
        if (s.empty()) return {};
        std::string texte = html_ ? "<i>" : "*";
        texte += html_ ? EchappeHtml(s) : EchappeMarkdown(s);
        texte += html_ ? "</i>" : "*";
        return texte;
    }
    std::string Renvoi(long e) const {
        if (!html_ || !plan_.Existe(e)) return std::to_string(e);
        return "<a href=\"#c" + std::to_string(e) + "\">" + std::to_string(e) + "</a>";
    }
    // Where a lead goes: the next couplet, or the species (both when the line names one).
    std::string Issue(const LigneCle &l) const {
        const std::string espece = Italique(SansBlancs(l.NomEspece));
        if (l.S <= 0) return espece;
        return (espece.empty() ? "" : espece + " ") + Renvoi(l.S);
    }
    std::string Lead(const LigneCle &l, const std::string &etiquette,
                     const std::string &issue) const {
        const std::string description = Texte(SansBlancs(l.Description));
        if (html_)
            return "<span class=\"lettre\">" + etiquette + "</span>" + description +
                   (issue.empty() ? "" : " <span class=\"vers\">… " + issue + "</span>");
        return "**" + etiquette + "** " + description + (issue.empty() ? "" : " … " + issue);
    }
    // A lead's paragraph (or list item) and its notes under it, at a depth of the tree.
    void Paragraphe(const Branche &b, const std::string &lead, int profondeur,
                    const std::string &ancre) {
        const std::string retrait =
            std::to_string(profondeur * 3 / 2) + (profondeur % 2 ? ".5" : "") + "em";
        const std::string marge = html_ && profondeur > 0
                                      ? " style=\"margin-left:" + retrait + "\""
                                      : std::string(static_cast<std::size_t>(profondeur) * 2, ' ');
        if (html_)
            t_ += "<p class=\"branche\"" + ancre + marge + ">" + lead + "</p>\n";
        else
            t_ += marge + "- " + lead + "\n";
        for (const std::string &note : b.Notes)
            t_ += html_ ? "<p class=\"note\"" + marge + ">" + Texte(note) + "</p>\n"
                        : marge + "  " + Texte(note) + "\n";
    }

    void Couplet(long e) {
        std::string appelants;
        for (long a : plan_.Appelants[e])
            appelants += (appelants.empty() ? "" : ", ") + Renvoi(a);
        const std::string numero = std::to_string(e);
        if (html_)
            t_ += "<div class=\"couplet\" id=\"c" + numero + "\">\n<p><span class=\"numero\">" +
                  numero + "</span>" +
                  (appelants.empty() ? "" : " <span class=\"renvoi\">(" + appelants + ")</span>") +
                  "</p>\n";
        else
            t_ += "**" + numero + "**" + (appelants.empty() ? "" : " (" + appelants + ")") + "\n\n";
        const std::vector<Branche> &branches = plan_.Branches[e];
        for (std::size_t k = 0; k < branches.size(); ++k) {
            const LigneCle &l = cle_.TabLignes(branches[k].Ligne);
            Paragraphe(branches[k], Lead(l, numero + Lettre(k), Issue(l)), 0, {});
        }
        t_ += html_ ? "</div>\n" : "\n";
    }

    // The part as a tree from its first couplet, walked without recursion, a lead's couplet
    // written under it when it belongs to the same part and was not written yet; otherwise the
    // lead names it. The couplets the tree does not reach start trees of their own.
    void Arbre(const Partie &partie, std::size_t rangPartie) {
        struct Cadre {
            long e;
            std::size_t suivante;
            int profondeur;
        };
        for (long racine : partie.Couplets) {
            if (vus_[racine]) continue;
            if (html_) t_ += "<div class=\"arbre\">\n";
            std::vector<Cadre> pile{{racine, 0, 0}};
            vus_[racine] = true;
            while (!pile.empty()) {
                Cadre &c = pile.back();
                const std::vector<Branche> &branches = plan_.Branches[c.e];
                if (c.suivante == branches.size()) {
                    pile.pop_back();
                    continue;
                }
                const std::size_t k = c.suivante++;
                const long e = c.e;
                const int profondeur = c.profondeur;
                const LigneCle &l = cle_.TabLignes(branches[k].Ligne);
                const bool descend =
                    plan_.Existe(l.S) && !vus_[l.S] && partieDe_[l.S] == rangPartie;
                const std::string espece = Italique(SansBlancs(l.NomEspece));
                std::string issue = Issue(l);
                if (descend)
                    issue = espece;
                else if (plan_.Existe(l.S))
                    issue =
                        (espece.empty() ? "" : espece + " ") + Mot(mots_, "voir ") + Renvoi(l.S);
                const std::string ancre =
                    html_ && k == 0 ? " id=\"c" + std::to_string(e) + "\"" : std::string();
                Paragraphe(branches[k], Lead(l, std::to_string(e) + Lettre(k), issue), profondeur,
                           ancre);
                if (descend) {
                    vus_[l.S] = true;
                    pile.push_back({l.S, 0, profondeur + 1});
                }
            }
            t_ += html_ ? "</div>\n" : "\n";
        }
    }

    const CleCompilee &cle_;
    const Plan &plan_;
    bool html_;
    const TextesTraduits *mots_;
    std::string t_;
    std::vector<bool> vus_ = std::vector<bool>(MaxEntites + 1, false);
    std::vector<std::size_t> partieDe_ = std::vector<std::size_t>(MaxEntites + 1, 0);
};

} // namespace

std::string CleImprimable(const CleCompilee &cle, StyleImpression style, FormatImpression format,
                          const TextesTraduits *mots) {
    const Plan plan = Lit(cle, mots);
    return Ecriture(cle, plan, format, mots).Document(style);
}

std::optional<StyleImpression> StyleNomme(const std::string &nom) {
    if (nom == "crochets") return StyleImpression::Crochets;
    if (nom == "indente") return StyleImpression::Indente;
    return std::nullopt;
}

std::optional<FormatImpression> FormatNomme(const std::string &nom) {
    if (nom == "html") return FormatImpression::Html;
    if (nom == "md") return FormatImpression::Markdown;
    return std::nullopt;
}

} // namespace lamelix
