// The comma-separated table reader: one pass over the bytes, a bad record skipped to its line
// end and reported with its line, the rest read on.

#include "tools/lecture_tableau.hpp"

#include "platform/texte.hpp"

namespace lamelix {

namespace {

class Lecteur {
  public:
    explicit Lecteur(std::string_view texte) : t_(texte) {
        if (t_.substr(0, 3) == "\xEF\xBB\xBF") p_ = 3;
    }

    void Lit(const std::function<void(RangeeTableau &&)> &donneRangee,
             const std::function<void(ErreurTableau &&)> &donneErreur) {
        while (p_ < t_.size()) {
            const long debut = ligne_;
            std::string erreur;
            RangeeTableau rangee{debut, {}};
            if (LitRangee(rangee.Champs, erreur)) {
                if (!(rangee.Champs.size() == 1 && rangee.Champs[0].empty()))
                    donneRangee(std::move(rangee));
            } else {
                donneErreur({debut, std::move(erreur)});
                SauteLaLigne();
            }
        }
    }

  private:
    // At a line end (CR LF, LF or a lone CR): steps over it and counts the line.
    bool FinDeLigne() {
        if (p_ >= t_.size()) return false;
        if (t_[p_] == '\n' || t_[p_] == '\r') {
            p_ += t_[p_] == '\r' && p_ + 1 < t_.size() && t_[p_ + 1] == '\n' ? 2 : 1;
            ++ligne_;
            return true;
        }
        return false;
    }

    void SauteLaLigne() {
        while (p_ < t_.size() && !FinDeLigne())
            ++p_;
    }

    bool LitRangee(std::vector<std::string> &champs, std::string &erreur) {
        for (;;) {
            std::string champ;
            if (p_ < t_.size() && t_[p_] == '"') {
                if (!LitChampCite(champ, erreur)) return false;
            } else {
                while (p_ < t_.size() && t_[p_] != ',' && t_[p_] != '\n' && t_[p_] != '\r') {
                    if (t_[p_] == '"') {
                        erreur = "guillemet au milieu d'un champ qui ne commence pas par un "
                                 "guillemet (champ " +
                                 std::to_string(champs.size() + 1) + ")";
                        return false;
                    }
                    champ += t_[p_++];
                }
            }
            champs.push_back(std::move(champ));
            if (p_ >= t_.size() || FinDeLigne()) return true;
            ++p_; // the comma
        }
    }

    bool LitChampCite(std::string &champ, std::string &erreur) {
        const long debut = ligne_;
        ++p_;
        for (;;) {
            if (p_ >= t_.size()) {
                erreur =
                    "guillemet ouvert à la ligne " + std::to_string(debut) + " et jamais refermé";
                return false;
            }
            const char c = t_[p_];
            if (c == '"') {
                if (p_ + 1 < t_.size() && t_[p_ + 1] == '"') {
                    champ += '"';
                    p_ += 2;
                    continue;
                }
                ++p_;
                if (p_ < t_.size() && t_[p_] != ',' && t_[p_] != '\n' && t_[p_] != '\r') {
                    erreur = "texte après le guillemet qui ferme un champ";
                    return false;
                }
                return true;
            }
            if (c == '\r' || c == '\n') {
                // A line break inside quotes belongs to the field, written as LF.
                const bool crlf = c == '\r' && p_ + 1 < t_.size() && t_[p_ + 1] == '\n';
                champ += '\n';
                p_ += crlf ? 2 : 1;
                ++ligne_;
                continue;
            }
            champ += c;
            ++p_;
        }
    }

    std::string_view t_;
    std::size_t p_ = 0;
    long ligne_ = 1;
};

} // namespace

void LitTableau(std::string_view texte, const std::function<void(RangeeTableau &&)> &rangee,
                const std::function<void(ErreurTableau &&)> &erreur) {
    Lecteur(texte).Lit(rangee, erreur);
}

bool QueDesMots(const std::vector<std::string> &champs) {
    for (const std::string &champ : champs) {
        const std::string mot = SansBlancs(champ);
        if (mot.empty() || mot.find("\xEF\xBB\xBF") != std::string::npos) return false;
        for (const char c : mot) {
            const auto u = static_cast<unsigned char>(c);
            const bool lettre = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u >= 0x80;
            if (!lettre && std::string_view(" '-_/()").find(c) == std::string_view::npos)
                return false;
        }
    }
    return true;
}

ResultatTableau LitTableau(std::string_view texte) {
    ResultatTableau r;
    LitTableau(
        texte, [&](RangeeTableau &&x) { r.Rangees.push_back(std::move(x)); },
        [&](ErreurTableau &&e) { r.Erreurs.push_back(std::move(e)); });
    return r;
}

} // namespace lamelix
