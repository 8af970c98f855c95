// Every file the program rewrites, met by a write that fails part way: the disk fills up after a
// few bytes, the folder loses its write permission, or the folder is removed. The user is told,
// the file that was there keeps its content, and no temporary file is left behind.

#include "tests/core/fenetre_essai.hpp"
#include "tools/outils.hpp"

#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace lamelix::test {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view Cle = "1, 2 $Lames$\r\n1, 0 $Tubes$Boletus\r\n"
                                 "2, 0 $Blanc$Alba\r\n2, 0 $Rose$Rosea\r\n";
constexpr std::string_view Ancien = "ancien contenu, à garder\r\n";

// Files grow no larger than a few bytes: a write beyond fails as on a full disk (the signal that
// would end the process is ignored, as the program's is not: the write then only fails).
class DisquePlein {
  public:
    DisquePlein() {
        getrlimit(RLIMIT_FSIZE, &avant_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit petit = avant_;
        petit.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &petit);
    }
    ~DisquePlein() {
        setrlimit(RLIMIT_FSIZE, &avant_);
        std::signal(SIGXFSZ, signal_);
    }
    DisquePlein(const DisquePlein &) = delete;
    DisquePlein &operator=(const DisquePlein &) = delete;

  private:
    rlimit avant_{};
    void (*signal_)(int) = nullptr;
};

// The folder can no longer be written. Run as root, the process also gives up, for the time of
// the fault, its right to write where permissions forbid it.
class PermissionPerdue {
  public:
    explicit PermissionPerdue(std::string dossier) : dossier_(std::move(dossier)) {
        fs::permissions(dossier_, fs::perms::owner_read | fs::perms::owner_exec);
        syscall(SYS_capget, &entete_, avant_);
        __user_cap_data_struct sans[2] = {avant_[0], avant_[1]};
        sans[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        syscall(SYS_capset, &entete_, sans);
    }
    ~PermissionPerdue() {
        syscall(SYS_capset, &entete_, avant_);
        fs::permissions(dossier_, fs::perms::owner_all);
    }
    PermissionPerdue(const PermissionPerdue &) = delete;
    PermissionPerdue &operator=(const PermissionPerdue &) = delete;

  private:
    std::string dossier_;
    __user_cap_header_struct entete_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct avant_[2]{};
};

enum class Panne { DisquePlein, PermissionPerdue, DossierSupprime };

// The program started in the test's folder, the key loaded in the main window and the tools
// window, a species reached; the files written by dialogs go to the folder "sorties".
struct Atelier : PosteEssai {
    Outils &O = App->Outil();
    std::string Fichier = Dossier.Ecrit("essai.cle", Cle);
    std::string Sorties = Racine + "/sorties";

    Atelier() {
        fs::create_directory(Sorties);
        Gere([&] { MnOutil_Click(*F, 10); });
        Dialogues.Fichiers.push_back(Fichier);
        Gere([&] { Command1_Click(O, OutCharger); });
        Choisit(1);
    }
};

// One file the program rewrites: where it is, and the gesture that writes it.
struct Ecriture {
    const char *nom;
    std::function<std::string(Atelier &)> cible;
    std::function<void(Atelier &)> ecrit;
};

const Ecriture Ecritures[] = {
    {"options", [](Atelier &a) { return a.Racine + "/Lamelix.ini"; },
     [](Atelier &a) { MnuSavIni_xy_Click(*a.F); }},
    {"session", [](Atelier &a) { return a.Racine + "/Lamelix.ini"; },
     [](Atelier &a) { IniSession_Sauve(*a.F); }},
    {"resultat", [](Atelier &a) { return a.Sorties + "/Boletus.txt"; },
     [](Atelier &a) {
         a.Dialogues.Fichiers = {a.Sorties + "/Boletus.txt"};
         Command7_Click(*a.F, 3);
     }},
    {"cle_renumerotee", [](Atelier &a) { return a.Fichier; },
     [](Atelier &a) {
         a.O.Text1[0].SetText("10");
         a.O.Text1[1].SetText("10");
         Command1_Click(a.O, OutTestNumerotation);
         Command1_Click(a.O, OutSauverRenum);
     }},
    {"sauvegarde_de_la_cle", [](Atelier &a) { return NomSauvegarde(a.Fichier); },
     [](Atelier &a) {
         a.O.Text1[0].SetText("10");
         a.O.Text1[1].SetText("10");
         Command1_Click(a.O, OutTestNumerotation);
         Command1_Click(a.O, OutSauverRenum);
     }},
    {"cle_convertie_en_utf8", [](Atelier &a) { return a.Fichier; },
     [](Atelier &a) { MnSOut_Click(*a.F, 5); }},
    {"copie_en_utf8", [](Atelier &a) { return a.Fichier + "UTF8-B.txt"; },
     [](Atelier &a) { MnSOut_Click(*a.F, 6); }},
    {"export_texte", [](Atelier &a) { return a.Fichier + ".txt"; },
     [](Atelier &a) { MnSOut_Click(*a.F, 1); }},
    {"compte_rendu", [](Atelier &a) { return a.Sorties + "/rapport.txt"; },
     [](Atelier &a) {
         Command1_Click(a.O, OutAnalyse);
         a.Dialogues.Fichiers = {a.Sorties + "/rapport.txt"};
         EnregistreRapport(a.O, 0);
     }},
};

void PrintTo(const Ecriture &e, std::ostream *os) {
    *os << e.nom;
}

class PanneEcriture : public testing::TestWithParam<std::tuple<Ecriture, Panne>> {};

TEST_P(PanneEcriture, LAncienFichierResteEtLUtilisateurLeSait) {
    const auto &[ecriture, panne] = GetParam();
    Atelier a;
    const std::string cible = ecriture.cible(a);
    const std::string dossier = fs::path(cible).parent_path().string();
    // What was there before: the key itself where the key is rewritten, otherwise an earlier
    // copy of the file.
    const std::string avant = cible == a.Fichier ? std::string(Cle) : std::string(Ancien);
    if (cible != a.Fichier) a.Dossier.Ecrit(fs::relative(cible, a.Racine).string(), avant);
    a.Dialogues.Journal.clear();

    switch (panne) {
    case Panne::DisquePlein: {
        DisquePlein plein;
        FenetreEssai::Gere([&] { ecriture.ecrit(a); });
        break;
    }
    case Panne::PermissionPerdue: {
        PermissionPerdue lecture(dossier);
        FenetreEssai::Gere([&] { ecriture.ecrit(a); });
        break;
    }
    case Panne::DossierSupprime:
        fs::remove_all(dossier);
        FenetreEssai::Gere([&] { ecriture.ecrit(a); });
        break;
    }

    ASSERT_FALSE(a.Dialogues.Journal.empty());
    const std::string &dernier = a.Dialogues.Journal.back();
    // The key that cannot be read any more in a removed folder is said as such; every other
    // failure names the write that failed.
    if (panne != Panne::DossierSupprime || dossier != a.Racine) {
        EXPECT_EQ(dernier.rfind("message: Enregistrement impossible (", 0), 0u) << dernier;
    }
    if (panne == Panne::DossierSupprime) {
        EXPECT_FALSE(fs::exists(dossier)) << "nothing makes the removed folder again";
    } else {
        EXPECT_EQ(LireOctets(cible), avant);
        EXPECT_EQ(LireOctets(a.Fichier), Cle);
        EXPECT_FALSE(fs::exists(cible + ".tmp-lamelix"));
    }
    // The consultation is where it was.
    EXPECT_EQ(a.F->Text2.Text, "Boletus");
}

std::string NomDuCas(const testing::TestParamInfo<std::tuple<Ecriture, Panne>> &cas) {
    static const char *const pannes[] = {"disque_plein", "permission_perdue", "dossier_supprime"};
    return std::string(std::get<0>(cas.param).nom) + "_" +
           pannes[static_cast<int>(std::get<1>(cas.param))];
}

INSTANTIATE_TEST_SUITE_P(Fichiers, PanneEcriture,
                         testing::Combine(testing::ValuesIn(Ecritures),
                                          testing::Values(Panne::DisquePlein,
                                                          Panne::PermissionPerdue,
                                                          Panne::DossierSupprime)),
                         NomDuCas);

} // namespace
} // namespace lamelix::test
