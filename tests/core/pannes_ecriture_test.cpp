// Every file the program rewrites, met by a write that fails part way: the disk fills up after a
// few bytes, the folder loses its write permission, or the folder is removed. The user is told,
// the file that was there keeps its content, and no temporary file is left behind. Then the
// rewrite itself, met by whatever may stand at the target: a pipe, a folder, a read-only file,
// links, and a second rewrite at the same time.

#include "tests/core/fenetre_essai.hpp"
#include "tools/outils.hpp"

#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>
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

// A temporary file of a rewrite left in the folder.
bool ResteUnProvisoire(const std::string &dossier) {
    std::error_code ec;
    for (const auto &entree : fs::directory_iterator(dossier, ec))
        if (entree.path().filename().string().find(".lamelix.") != std::string::npos) return true;
    return false;
}

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

// "Test numérotation" ten by ten, then "Sauver renum": the key and its backup written.
void Renumerote(Atelier &a) {
    a.O.Text1[0].SetText("10");
    a.O.Text1[1].SetText("10");
    Command1_Click(a.O, OutTestNumerotation);
    Command1_Click(a.O, OutSauverRenum);
}

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
    {"cle_renumerotee", [](Atelier &a) { return a.Fichier; }, Renumerote},
    {"sauvegarde_de_la_cle", [](Atelier &a) { return NomSauvegarde(a.Fichier); }, Renumerote},
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
        EXPECT_FALSE(ResteUnProvisoire(dossier));
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

// What stands at the target decides: a regular file is replaced keeping its mode, a new file
// gets the umask's mode; a read-only file, a pipe and a folder are refused and left as they were.
TEST(EcritureSure, CeQuiSeTrouveALaPlaceDeLaCible) {
    struct Cas {
        const char *nom;
        std::function<void(const std::string &)> prepare;
        const char *refus; // nullptr: written
        unsigned mode;     // of the file written
    };
    const auto fichier = [](unsigned mode) {
        return [mode](const std::string &c) {
            std::ofstream(c) << "ancien";
            chmod(c.c_str(), mode);
        };
    };
    const Cas cas[] = {
        {"fichier_prive", fichier(0600), nullptr, 0600},
        {"fichier_de_groupe", fichier(0664), nullptr, 0664},
        {"nouveau_fichier", [](const std::string &) {}, nullptr, 0640},
        {"lecture_seule", fichier(0444), "le fichier est en lecture seule", 0},
        {"tube", [](const std::string &c) { mkfifo(c.c_str(), 0644); },
         "ce n'est pas un fichier ordinaire", 0},
        {"dossier", [](const std::string &c) { fs::create_directory(c); }, "c'est un dossier", 0},
    };
    const mode_t masque = umask(027);
    for (const Cas &c : cas) {
        DossierTemporaire d;
        const std::string cible = d.Chemin("cle.cle");
        c.prepare(cible);
        const auto avant = fs::symlink_status(cible).type();
        std::string pourquoi;
        const bool ecrit = EcritFichierSur(cible, "nouveau", &pourquoi);
        EXPECT_EQ(ecrit, c.refus == nullptr) << c.nom << " : " << pourquoi;
        EXPECT_FALSE(ResteUnProvisoire(d.Chemin(""))) << c.nom;
        if (c.refus != nullptr) {
            EXPECT_EQ(pourquoi.rfind(c.refus, 0), 0u) << c.nom << " : " << pourquoi;
            EXPECT_EQ(fs::symlink_status(cible).type(), avant) << c.nom;
            if (avant == fs::file_type::regular) {
                EXPECT_EQ(LireOctets(cible), "ancien");
            }
            continue;
        }
        EXPECT_EQ(LireOctets(cible), "nouveau") << c.nom;
        EXPECT_EQ(ModeFichier(cible), c.mode) << c.nom;
    }
    umask(masque);
}

// A key reached through a symbolic link is rewritten where it lives and the link stays; a key
// with a second hard link is replaced under its own name, the other name keeping the old text.
TEST(EcritureSure, LiensSymboliquesEtPhysiques) {
    DossierTemporaire d;
    fs::create_directory(d.Chemin("vraie"));
    const std::string vraie = d.Ecrit("vraie/cle.cle", "ancien");
    chmod(vraie.c_str(), 0600);
    const std::string lien = d.Chemin("lien.cle");
    fs::create_symlink("vraie/cle.cle", lien);
    ASSERT_TRUE(EcritFichierSur(lien, "nouveau"));
    EXPECT_TRUE(fs::is_symlink(lien));
    EXPECT_EQ(LireOctets(vraie), "nouveau");
    EXPECT_EQ(ModeFichier(vraie), 0600u);
    EXPECT_FALSE(ResteUnProvisoire(d.Chemin("")) || ResteUnProvisoire(d.Chemin("vraie")));

    const std::string autre = d.Chemin("autre.cle");
    fs::create_hard_link(vraie, autre);
    ASSERT_TRUE(EcritFichierSur(vraie, "troisième"));
    EXPECT_EQ(LireOctets(vraie), "troisième");
    EXPECT_EQ(LireOctets(autre), "nouveau");
}

// A folder that takes no new file: nothing is written there nor anywhere else.
TEST(EcritureSure, DossierQuiNePrendPasDeNouveauFichier) {
    DossierTemporaire d;
    const std::string cible = d.Ecrit("cle.cle", "ancien");
    std::string pourquoi;
    {
        PermissionPerdue lecture(d.Chemin(""));
        EXPECT_FALSE(DossierInscriptible(d.Chemin("")));
        EXPECT_FALSE(EcritFichierSur(cible, "nouveau", &pourquoi));
    }
    EXPECT_NE(pourquoi.find("n'accepte pas de nouveau fichier"), std::string::npos) << pourquoi;
    EXPECT_EQ(LireOctets(cible), "ancien");
    EXPECT_EQ(std::distance(fs::directory_iterator(d.Chemin("")), fs::directory_iterator()), 1);
}

// Two rewrites of one file at the same time: each is whole, the last one stays, and neither
// leaves its temporary file.
TEST(EcritureSure, DeuxReecrituresALaFois) {
    DossierTemporaire d;
    const std::string cible = d.Ecrit("cle.cle", "ancien");
    const std::string a(5000, 'a'), b(7000, 'b');
    const auto ecrit = [&](const std::string &texte, bool &tout) {
        for (int k = 0; k < 200; ++k)
            tout = EcritFichierSur(cible, texte) && tout;
    };
    bool toutA = true, toutB = true;
    std::thread premier(ecrit, std::cref(a), std::ref(toutA));
    std::thread second(ecrit, std::cref(b), std::ref(toutB));
    premier.join();
    second.join();
    EXPECT_TRUE(toutA && toutB);
    const auto fin = LireOctets(cible);
    EXPECT_TRUE(fin == a || fin == b);
    EXPECT_FALSE(ResteUnProvisoire(d.Chemin("")));
}

} // namespace
} // namespace lamelix::test
