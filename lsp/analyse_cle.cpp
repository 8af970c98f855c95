#include "lsp/analyse_cle.hpp"

#include "key/champs.hpp"
#include "key/decoupage.hpp"
#include "key/lecteur.hpp"
#include "key/requetes_cle.hpp"
#include "platform/controles.hpp"
#include "platform/erreur.hpp"
#include "platform/services_sans_effet.hpp"
#include "platform/texte.hpp"
#include "tools/codage_tableau.hpp"

#include <set>

namespace lamelix {

namespace {

// The compiler's dialogs kept for the verdict; its question (a line calling its own entity) is
// answered Yes, so that the rest of the key is checked too.
class DialoguesRetenus : public ServicesMuets {
  public:
    std::vector<std::string> Textes;
    void Message(const std::string &texte, const std::string &) override {
        Textes.push_back(texte);
    }
    int Question(const std::string &texte, const std::string &) override {
        Textes.push_back(texte);
        return ReponseOui;
    }
};

// The editor's UTF-8 text as the compiler reads a file: until the key declares UTF-8, a line is
// Windows-1252, so its characters go back to those bytes (a character that has none stays as it
// is). The lines keep their number and their ends.
std::string PourLeCompilateur(const std::string &texte) {
    std::string octets;
    octets.reserve(texte.size());
    bool utf8 = texte.find('\n') != 0 &&
                texte.substr(0, texte.find('\n')).find(MarqueBomRem) != std::string::npos;
    for (std::size_t debut = 0; debut < texte.size();) {
        const std::size_t fin = std::min(texte.find('\n', debut), texte.size());
        const std::string_view ligne = std::string_view(texte).substr(debut, fin - debut);
        const std::optional<std::string> ancien = utf8 ? std::nullopt : EnWindows1252(ligne);
        octets += ancien ? *ancien : std::string(ligne);
        if (fin < texte.size()) octets += '\n';
        utf8 = utf8 || DeclareUTF8(ligne);
        debut = fin + 1;
    }
    return octets;
}

std::string Abrege(const std::string &texte, std::size_t n) {
    const std::string t = SansBlancs(texte);
    const std::string debut = PremiersCaracteres(t, n);
    return debut.size() < t.size() ? debut + "…" : debut;
}

std::string Liste(const std::vector<long> &lignes) {
    std::string s;
    for (long l : lignes)
        s += (s.empty() ? "" : ", ") + std::to_string(l);
    return s;
}

} // namespace

AnalyseCle::AnalyseCle() : cle_(std::make_unique<CleCompilee>()) {}
AnalyseCle::~AnalyseCle() = default;

void AnalyseCle::Analyse(const std::string &chemin, const Document &document) {
    lignes_.clear();
    for (long n = 0; n < document.NombreLignes(); ++n)
        lignes_.emplace_back(document.Ligne(n));
    const std::string octets = PourLeCompilateur(document.Texte());
    DialoguesRetenus dialogues;
    ListBox langues;
    EnvironnementCompilation env{*cle_, textes_, dialogues, dialogues, langues};
    charge_ = false;
    std::optional<std::string> interruption;
    try {
        RazCle(*cle_);
        cle_->FichierCle = chemin;
        if (TesteMarqueurTxtOctets(chemin, octets, dialogues, textes_)) {
            int16_t echec = 0;
            charge_ = LitCleOctets(chemin, octets, echec, env) == IssueLecture::Compile &&
                      echec == 0 && NombreLignesCle(*cle_) <= MaxLignesCle;
        }
    } catch (const ErreurExecution &e) {
        interruption = e.what();
    }
    diagnostics_ = Verdict(ResultatChargement{dialogues.Textes, *cle_, charge_, octets});
    if (interruption)
        diagnostics_.push_back({0,
                                Gravite::Erreur,
                                Champ::Ligne,
                                "lamelix.interruption",
                                "interruption : " + *interruption,
                                {}});
    index_.assign(lignes_.size(), 0);
    if (!charge_) return;
    for (long i = 1; i <= DerniereLigneCle(*cle_); ++i) {
        const auto ligne = static_cast<long>(cle_->TabLignes(i).LigneTexte);
        if (ligne >= 1 && ligne <= static_cast<long>(index_.size()))
            index_[static_cast<std::size_t>(ligne - 1)] = i;
    }
}

long AnalyseCle::IndexDeLigne(long ligne) const {
    if (ligne < 1 || ligne > static_cast<long>(index_.size())) return 0;
    return index_[static_cast<std::size_t>(ligne - 1)];
}

long AnalyseCle::PremiereLigne(long entite) const {
    if (entite <= 0 || entite > MaxEntites || !EntiteDefinie(*cle_, entite)) return 0;
    return static_cast<long>(cle_->TabLignes(cle_->IndexEntite(entite)).LigneTexte);
}

bool AnalyseCle::SurAppel(long ligne, std::size_t octet) const {
    const std::string &texte = lignes_[static_cast<std::size_t>(ligne - 1)];
    const auto [debut, fin] = PlageChamp(texte, Champ::Appel);
    return octet >= debut && octet <= fin && fin > debut && texte.find(',') < debut;
}

long AnalyseCle::EntiteVisee(long ligne, std::size_t octet) const {
    const long i = IndexDeLigne(ligne);
    if (i == 0) return 0;
    const LigneCle &l = cle_->TabLignes(i);
    if (SurAppel(ligne, octet)) return l.S;
    if (l.E >= 0) return l.E;
    // A secondary key's header stands for its first entity, which its callers call.
    return i < DerniereLigneCle(*cle_) ? cle_->TabLignes(i + 1).E : 0;
}

std::optional<long> AnalyseCle::Definition(long ligne, std::size_t octet) const {
    const long i = IndexDeLigne(ligne);
    if (i == 0 || !SurAppel(ligne, octet)) return std::nullopt;
    const std::string &texte = lignes_[static_cast<std::size_t>(ligne - 1)];
    const auto [debut, fin] = PlageChamp(texte, Champ::Appel);
    int16_t n = 0;
    if (TesteCS(texte.substr(debut, fin - debut), n)) {
        for (long j = 1; j <= DerniereLigneCle(*cle_); ++j)
            if (cle_->TabLignes(j).E == -n) return static_cast<long>(cle_->TabLignes(j).LigneTexte);
        return std::nullopt;
    }
    const long premiere = PremiereLigne(cle_->TabLignes(i).S);
    if (premiere == 0) return std::nullopt;
    return premiere;
}

std::vector<long> AnalyseCle::References(long ligne, std::size_t octet, bool declaration) const {
    const long e = EntiteVisee(ligne, octet);
    std::vector<long> lignes;
    if (e <= 0) return lignes;
    if (declaration && PremiereLigne(e) > 0) lignes.push_back(PremiereLigne(e));
    for (long j = 1; j <= DerniereLigneCle(*cle_); ++j)
        if (cle_->TabLignes(j).S == e)
            lignes.push_back(static_cast<long>(cle_->TabLignes(j).LigneTexte));
    return lignes;
}

std::string AnalyseCle::Survol(long ligne, std::size_t octet) const {
    const long i = IndexDeLigne(ligne);
    if (i == 0) return {};
    const LigneCle &l = cle_->TabLignes(i);
    const std::string &texte = lignes_[static_cast<std::size_t>(ligne - 1)];
    const auto [debutE, finE] = PlageChamp(texte, Champ::Entite);
    if (octet >= debutE && octet <= finE) {
        const long e = EntiteVisee(ligne, octet);
        std::vector<long> appelants = References(ligne, octet, false);
        std::string s = "**Entité " + texte.substr(debutE, finE - debutE) + "**";
        if (e <= 0) return s;
        return s + (appelants.empty()
                        ? " : aucune ligne ne l'appelle"
                        : " : appelée par " +
                              std::string(appelants.size() > 1 ? "les lignes " : "la ligne ") +
                              Liste(appelants));
    }
    if (l.E < 0) return "**Clé secondaire** " + Abrege(l.Description, 80);
    // The species still reachable below the lead, each once, in the order of a walk.
    std::vector<std::string> especes;
    std::set<std::string> vues;
    std::vector<bool> visitee(static_cast<std::size_t>(MaxEntites) + 1, false);
    std::vector<long> pile;
    const auto visite = [&](const LigneCle &m) {
        if (EstTerminale(m)) {
            const std::string nom = SansBlancs(m.NomEspece);
            if (!nom.empty() && vues.insert(nom).second) especes.push_back(nom);
        } else if (m.S > 0 && m.S <= MaxEntites && !visitee[static_cast<std::size_t>(m.S)]) {
            visitee[static_cast<std::size_t>(m.S)] = true;
            pile.push_back(m.S);
        }
    };
    visite(l);
    while (!pile.empty()) {
        const long e = pile.back();
        pile.pop_back();
        if (!EntiteDefinie(*cle_, e)) continue;
        for (long j = cle_->IndexEntite(e);
             j <= DerniereLigneCle(*cle_) && cle_->TabLignes(j).E == e; ++j)
            visite(cle_->TabLignes(j));
    }
    std::string s;
    if (EstTerminale(l)) {
        s = "**Mène à l'espèce** " + Abrege(l.NomEspece, 80);
    } else {
        const auto [debut, fin] = PlageChamp(texte, Champ::Appel);
        const long vers = PremiereLigne(l.S);
        s = "**Mène à l'entité " + texte.substr(debut, fin - debut) + "**" +
            (vers > 0 ? " (ligne " + std::to_string(vers) + ")" : " : aucune ligne ne la porte");
        s += "\n\n" + std::to_string(especes.size()) +
             (especes.size() > 1 ? " espèces atteignables" : " espèce atteignable");
        for (std::size_t k = 0; k < especes.size() && k < 8; ++k)
            s += (k == 0 ? " : " : ", ") + especes[k];
        if (especes.size() > 8) s += "…";
    }
    return s;
}

std::vector<Symbole> AnalyseCle::Symboles() const {
    std::vector<Symbole> symboles;
    if (!charge_) return symboles;
    std::optional<std::size_t> cs; // the secondary key the lines belong to, in symboles
    for (long i = 1; i <= DerniereLigneCle(*cle_); ++i) {
        const LigneCle &l = cle_->TabLignes(i);
        const auto ligne = static_cast<long>(l.LigneTexte);
        if (ligne < 1 || ligne > static_cast<long>(lignes_.size())) continue;
        const std::string &texte = lignes_[static_cast<std::size_t>(ligne - 1)];
        const auto [debut, fin] = PlageChamp(texte, Champ::Entite);
        const std::string numero = texte.substr(debut, fin - debut);
        if (!cle_->TitreSection(i).empty())
            symboles.push_back(
                {SansBlancs(cle_->TitreSection(i)), {}, Symbole::Section, ligne, ligne, {}});
        if (l.E < 0) {
            symboles.push_back(
                {numero, Abrege(l.Description, 60), Symbole::CleSecondaire, ligne, ligne, {}});
            cs = symboles.size() - 1;
            continue;
        }
        if (l.E == 0) continue;
        std::vector<Symbole> &entites = cs ? symboles[*cs].Enfants : symboles;
        if (cs) symboles[*cs].Derniere = ligne;
        if (i > 1 && cle_->TabLignes(i - 1).E == l.E && !entites.empty() &&
            entites.back().Sorte == Symbole::Entite)
            entites.back().Derniere = ligne;
        else
            entites.push_back(
                {"entité " + numero, Abrege(l.Description, 60), Symbole::Entite, ligne, ligne, {}});
    }
    return symboles;
}

} // namespace lamelix
