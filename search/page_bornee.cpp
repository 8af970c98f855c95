#include "search/page_bornee.hpp"

namespace lamelix {

namespace {

constexpr std::size_t NomMax = 64; // of a tag or an attribute

bool blanc(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool lettre(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool caractereDeNom(char c) {
    return lettre(c) || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == ':' || c == '.';
}

// A name every HTML parser reads the same way; any other attribute is left out.
bool nomSimple(std::string_view nom) {
    if (nom.empty() || nom.size() > NomMax || !(lettre(nom[0]) || nom[0] == '_')) return false;
    for (char c : nom)
        if (!caractereDeNom(c)) return false;
    return true;
}

// Reads a page tag by tag, as a browser would cut it.
class Lecteur {
  public:
    explicit Lecteur(std::string_view page) : p_(page) {}

    std::string Ecrit() {
        while (i_ < p_.size()) {
            const std::size_t tag = p_.find('<', i_);
            sortie_.append(p_.substr(i_, tag == std::string_view::npos ? p_.npos : tag - i_));
            if (tag == std::string_view::npos) break;
            i_ = tag;
            balise();
        }
        return std::move(sortie_);
    }

  private:
    char suivant(std::size_t k) const { return i_ + k < p_.size() ? p_[i_ + k] : '\0'; }

    // Past the next occurrence of the marker (or to the end).
    void saute(std::string_view fin) {
        const std::size_t trouve = p_.find(fin, i_);
        i_ = trouve == std::string_view::npos ? p_.size() : trouve + fin.size();
    }

    void balise() {
        if (p_.substr(i_, 4) == "<!--") return saute("-->");
        if (suivant(1) == '!' || suivant(1) == '?') return saute(">");
        const bool fermante = suivant(1) == '/';
        if (!lettre(suivant(fermante ? 2 : 1))) {
            sortie_ += "&lt;";
            ++i_;
            return;
        }
        const std::size_t debut = i_ + (fermante ? 2 : 1);
        std::size_t fin = debut;
        while (fin < p_.size() && caractereDeNom(p_[fin]))
            ++fin;
        // A parser cuts a name longer than its buffer into attributes: no tag has one.
        if (fin - debut > NomMax) {
            sortie_ += "&lt;";
            ++i_;
            return;
        }
        i_ = fin;
        sortie_ += fermante ? "</" : "<";
        sortie_.append(p_.substr(debut, fin - debut));
        attributs(!fermante);
        sortie_ += '>';
    }

    // The attributes up to the ">" that closes the tag: the first AttributsMax written, the
    // rest read past.
    void attributs(bool ecrits) {
        std::size_t nombre = 0;
        while (i_ < p_.size()) {
            while (i_ < p_.size() && (blanc(p_[i_]) || p_[i_] == '/'))
                ++i_;
            if (i_ >= p_.size() || p_[i_] == '>') break;
            const std::size_t debut = i_;
            do
                ++i_;
            while (i_ < p_.size() && !blanc(p_[i_]) && p_[i_] != '/' && p_[i_] != '>' &&
                   p_[i_] != '=');
            const std::string_view nom = p_.substr(debut, i_ - debut);
            const std::string_view valeur = this->valeur();
            if (ecrits && nombre < AttributsMax && nomSimple(nom)) {
                ++nombre;
                ecrit(nom, valeur);
            }
        }
        if (i_ < p_.size()) ++i_; // the ">"
    }

    std::string_view valeur() {
        std::size_t k = i_;
        while (k < p_.size() && blanc(p_[k]))
            ++k;
        if (k >= p_.size() || p_[k] != '=') return {};
        i_ = k + 1;
        while (i_ < p_.size() && blanc(p_[i_]))
            ++i_;
        const std::size_t debut = i_;
        if (i_ < p_.size() && (p_[i_] == '"' || p_[i_] == '\'')) {
            const std::size_t fin = p_.find(p_[i_], i_ + 1);
            i_ = fin == std::string_view::npos ? p_.size() : fin + 1;
            return p_.substr(debut + 1,
                             (fin == std::string_view::npos ? p_.size() : fin) - debut - 1);
        }
        while (i_ < p_.size() && !blanc(p_[i_]) && p_[i_] != '>')
            ++i_;
        return p_.substr(debut, i_ - debut);
    }

    void ecrit(std::string_view nom, std::string_view valeur) {
        sortie_ += ' ';
        sortie_.append(nom);
        sortie_ += "=\"";
        for (char c : valeur) {
            if (c == '"')
                sortie_ += "&quot;";
            else if (c == '<')
                sortie_ += "&lt;";
            else
                sortie_ += c;
        }
        sortie_ += '"';
    }

    std::string_view p_;
    std::size_t i_ = 0;
    std::string sortie_;
};

} // namespace

std::string ReecritPage(std::string_view html) {
    return Lecteur(html).Ecrit();
}

std::string_view DebutDePage(std::string_view page, std::size_t max) {
    if (page.size() <= max) return page;
    std::size_t fin = page.rfind('<', max);
    if (fin == std::string_view::npos || fin == 0) {
        fin = max;
        while (fin > 0 && (static_cast<unsigned char>(page[fin]) & 0xC0) == 0x80)
            --fin;
    }
    return page.substr(0, fin);
}

std::string PageBornee(std::string_view html) {
    return html.size() > TaillePageMax ? std::string{} : ReecritPage(html);
}

} // namespace lamelix
