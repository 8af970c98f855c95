#include "settings/messages.hpp"

#include "platform/erreur.hpp"
#include "settings/textes_compilateur.hpp"

#include <utility>

namespace lamelix {

namespace {

// The French texts the program shows until an interface language file replaces them.
constexpr std::pair<int, const char *> Defauts[] = {
    {1, "Le fichier "},
    {2, "fichier "},
    {3, "fichier par défaut : "},
    {4, " non trouvé "},
    {5, "  Rep.Défaut "},
    {6, "Voulez-vous vraiment quitter la gestion de clés ?"},
    {7, "erreur d'exécution de"},
    {8, " clé non chargée ou erreur clé"},
    {10, " Listez et choisissez"},
    {11, " Propositions validées"},
    {12, " ligne "},
    {20, " mot trouvé dans : "},
    {21, " propositions correspondantes"},
    {25, "liste des issue possibles"},
    {26, "liste de toutes les terminaisons"},
    {27, "liste=>presse papier"},
    {50, " Pointez et cliquez sur votre choix /clic gauche puis droit pour agrandir la ligne"},
    {51, "Esc ou cliquez dans la fenêtre de choix pour fermer"},
    {100, "test de cohérence terminé "},
    {101, " erreur critique d'indexation"},
    {102, " le fichier"},
    {103, " Mise au point de  "},
    {104, " non définie"},
    {105, "  lignes analysées"},
    {106, "arrêt recherche ?"},
    {107, " avertissement "},
    {109, " copier dernière ligne"},
    {110, "Copier tout"},
    {111, " création de "},
    {112, "dépassement boucle cf "},
    {113, "dépassement index-"},
    {114, "erreur "},
    {115, "erreur de chargement liste"},
    {116, "erreur dépassement "},
    {117, "erreur dépassement 110/ ligne "},
    {118, "erreur 102 / ligne "},
    {119, "erreur 20/CSX/"},
    {120, "erreur dest. dans CS "},
    {121, "erreur chargement clé précompilée"},
    {122, "erreur 99 H"},
    {123, "erreur 98 H"},
    {124, " erreur 101/? "},
    {125, " erreur 111 : dépassement index, test avorté "},
    {126, " erreur clé (E=S)ligne "},
    {127, " erreur dans le fichier Clé à la ligne "},
    {128, " introuvable"},
    {129, "n'existe pas"},
    {130, "Tous les fichiers "},
    {131, "Problème chargement - voir fichier clé "},
    {132, "Temps imparti dépassé"},
    {133, "compilation terminée dans "},
    {134, " précompilation de "},
    {135, " patientez, précompilation de la clé"},
    {136, "fichier actuel : "},
    {137, " test des liaisons  "},
    {138, " non appelée"},
    {139, "(enregistré dans le presse papier)"},
    {140, "Ecraser le fichier existant ?"},
    {141, " Continuer l'analyse ?  "},
    {143, "  incorrect  "},
    {145, " je calcule / patientez .... "},
    {146, " autres tests ..."},
    {147, " Caractères validés"},
    {148, " comparaison de deux descriptions"},
    {149, "histo montant"},
    {151, "Compte rendu analyse de syntaxe de "},
    {152, "Compte rendu analyse numérotation : "},
    {155, "Recherche par mot clé"},
    {156, "Paramètres recherche Doc"},
    {158, "Fichier CLE par défaut"},
    {159, "Répertoire clés :"},
    {160, "Racine Répertoire Documentation"},
    {161, "Répertoire actif  "},
    {163, "ligne utile : ligne texte | E , S \\ prec |description | nom espèce | compléments"},
    {164, "  index ligne/ ligne utile / texte"},
    {167, "Liste des notes : "},
    {168, "Liste des complements : "},
    {169, " Liens défectueux : "},
    {170, "  Fichier clé incorrect"},
    {171, " ligne orpheline, clé "},
    {174, "erreur 96/cf ligne  "},
    {177, " risque de bouclage (retour arrière ): "},
    {178, " Attention, rupture de séquence"},
    {179, " Attention, rupture de séquence de la clé."},
    {180, "Attention  !  cette entité n'a pas de précédent dans la clé"},
    {183, " Clé exportée dans "},
    {184, "Clé par défaut :"},
    {185, "cf clé en "},
    {186, "  mémorisé"},
    {189, "    Internet non connecté  ! "},
    {190, "   pas de connexion Internet "},
    {191, "  appel page Web    "},
    {230, "Service de traduction injoignable :"},
    {231, "Le service de traduction répond par une erreur :"},
    {232, "Réponse illisible du service de traduction (ce n'est pas du JSON)"},
    {233, "Le service de traduction a répondu sans traduction"},
    {234, "Réponse du service de traduction trop longue (plus d'un Mio) : lecture arrêtée"},
    {235, "Renvoi du service de traduction vers un autre serveur refusé :"},
    {236, "Traduction coupée à 20 000 caractères"},
    {237, "Attente du service de traduction :"},
    {238, "Traduction reçue de :"},
    {245, " Sauver renum refusé : le fichier a changé depuis « Test numérotation », ou une autre "
          "clé a été chargée ; refaire le test avant de sauver."},
    {246, " fichier illisible : "},
    {247, " Aucun éditeur de texte trouvé : indiquer sa commande (EDITEUR) dans le fichier "
          "Lamelix.ini"},
    {248, " L'éditeur n'a pas pu être lancé : "},
    {249, "Clé renumérotée enregistrée dans :"},
    {250, "Copie de l'original :"},
    {251, "Clé convertie en UTF-8 enregistrée dans :"},
    {252, "Page imprimable enregistrée dans :"},
    {253, "Remplacer la clé par sa version UTF-8 ? Une copie de l'original est gardée."},
};

} // namespace

Messages::Messages() : compilateur_(FragmentsCompilateur()) {
    ChargeDefauts();
}

void Messages::ChargeDefauts() {
    for (auto &texte : textes_)
        texte.clear();
    for (const auto &[numero, texte] : Defauts)
        textes_[static_cast<std::size_t>(numero)] = texte;
    textes_[150].clear();
    textes_[172].clear();
    compilateur_.Defauts();
}

const std::string &Messages::operator[](int numero) const {
    if (numero < 0 || numero >= Nombre)
        throw ErreurExecution("message " + std::to_string(numero) + " hors de la table");
    return textes_[static_cast<std::size_t>(numero)];
}

void Messages::Remplace(int numero, std::string texte) {
    if (numero < 0 || numero >= Nombre)
        throw ErreurExecution("message " + std::to_string(numero) + " hors de la table");
    textes_[static_cast<std::size_t>(numero)] = std::move(texte);
}

std::string AvecLesBlancsDe(std::string_view francais, std::string_view texte) {
    const std::size_t debut = francais.find_first_not_of(' ');
    if (debut == std::string_view::npos) return std::string(texte);
    const std::size_t fin = francais.find_last_not_of(' ') + 1;
    std::string avec(francais.substr(0, debut));
    avec.append(texte).append(francais.substr(fin));
    return avec;
}

void Messages::RemplaceParTraduction(int numero, std::string_view texte) {
    static const Messages francais;
    Remplace(numero, AvecLesBlancsDe(francais[numero], texte));
}

} // namespace lamelix
