#include "key/lecteur.hpp"

#include "key/champs.hpp"
#include "platform/controles.hpp"
#include "platform/erreur.hpp"
#include "platform/fichiers.hpp"
#include "platform/services.hpp"
#include "settings/messages.hpp"

namespace lamelix {

namespace {

constexpr int MaxLecturesVides = 1000;

IssueLecture rejette(const std::string &chemin, int16_t &echec, EnvironnementCompilation env,
                     VuesChoix vues) {
    const TextesTraduits &t = env.Textes.Compilateur();
    env.Boites.Message(t.Traduit(" fichier ") + NomFichier(chemin) + t.Traduit("  incorrect"));
    echec = 1;
    env.Cle.ErreurCle = true;
    if (vues.List1) vues.List1->Clear();
    if (vues.List2) vues.List2->Clear();
    if (vues.Text1) vues.Text1->SetText({});
    return IssueLecture::Rejete;
}

// What a reset clears in a key line; its physical line, continuation and orphan mark stay.
void videLigne(LigneCle &l) {
    l.E = 0;
    l.S = 0;
    l.Prec = 0;
    l.Complements.clear();
    l.Description.clear();
    l.NomEspece.clear();
}

} // namespace

IssueLecture LitCle(const std::string &chemin, int16_t &echec, EnvironnementCompilation env,
                    VuesChoix vues) {
    env.Cle.ErreurCle = false;
    auto contenu = LireOctets(chemin);
    if (!contenu) return IssueLecture::Illisible;
    return LitCleOctets(chemin, *contenu, echec, env, vues);
}

IssueLecture LitCleOctets(const std::string &chemin, std::string_view contenu, int16_t &echec,
                          EnvironnementCompilation env, VuesChoix vues) {
    env.Cle.ErreurCle = false;
    LecteurChamps lecteur(contenu);
    std::string champ;
    bool trouve = false;
    for (int lecture = 0; lecture < MaxLecturesVides && !trouve; ++lecture) {
        if (!lecteur.Lire(champ)) return IssueLecture::Illisible; // read past the end: no message
        if (champ.rfind("\xEF\xBB\xBF", 0) == 0) champ.erase(0, 3);
        trouve = !champ.empty();
    }
    if (!trouve || lecteur.Fin()) return rejette(chemin, echec, env, vues);
    int16_t echecCompilation = 0;
    PrecompileOctets(contenu, echecCompilation, env); // the bytes just checked, not a second read
    if (echecCompilation == 1) echec = 1;
    return IssueLecture::Compile;
}

void RazCle(CleCompilee &cle) {
    // Records never written since the last RazCle already hold what it leaves there; the last
    // record of each table is set on its own.
    for (int16_t &index : cle.IndexEntite.CasesEcrites(0))
        index = 1;
    cle.IndexEntite(MaxEntites) = 1;
    for (std::string &titre : cle.TitreSection.CasesEcrites(1))
        titre.clear();
    for (LigneCle &l : cle.TabLignes.CasesEcrites(1))
        videLigne(l);
    // Records 0 and 4000 keep their fields but call entity 1, as after RazIndex.
    cle.TabLignes(0).S = 1;
    cle.TabLignes(MaxLignesCle).S = 1;
    cle.IndexEntite.Oublie();
    cle.TitreSection.Oublie();
    cle.TabLignes.Oublie();
}

bool TesteMarqueurTxt(const std::string &chemin, Dialogues &dialogues, const Messages &textes) {
    if (ExtensionMaj3(NomFichier(chemin)) != "TXT") return true;
    const TextesTraduits &t = textes.Compilateur();
    auto contenu = LireOctets(chemin);
    if (!contenu) throw ErreurExecution(t.Traduit("fichier illisible : ") + chemin);
    return TesteMarqueurTxtOctets(chemin, *contenu, dialogues, textes);
}

bool TesteMarqueurTxtOctets(const std::string &chemin, std::string_view contenu,
                            Dialogues &dialogues, const Messages &textes) {
    if (ExtensionMaj3(NomFichier(chemin)) != "TXT") return true;
    const TextesTraduits &t = textes.Compilateur();
    // A file with no field at all (empty, or blanks alone) is read past its end.
    LecteurChamps lecteur(contenu);
    std::string champ;
    if (!lecteur.Lire(champ))
        throw ErreurExecution(t.Traduit("fin de fichier atteinte : ") + chemin);
    if (champ == MarqueurFichierCle) return true;
    dialogues.Message(t.Traduit(" le fichier ") + chemin + t.Traduit(" n'est pas un fichier clé"));
    return false;
}

} // namespace lamelix
