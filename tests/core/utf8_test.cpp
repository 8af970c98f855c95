// Decoding of key lines: UTF-8 recognition by lead and continuation bytes, and the Windows-1252
// reading that every line that is not UTF-8 keeps.

#include "platform/texte.hpp"
#include "platform/utf8.hpp"

#include <gtest/gtest.h>

namespace lamelix {
namespace {

struct CasDecodage {
    const char *nom;
    std::string octets;
    bool utf8;
    std::string texte; // the decoded line, in UTF-8
};

const CasDecodage Decodages[] = {
    {"vide", "", true, ""},
    {"ascii", "Amanita phalloides", true, "Amanita phalloides"},
    {"cepe_utf8", "C\xC3\xA8pe", true, "Cèpe"},
    {"apostrophe", "l\xE2\x80\x99h", true, "l\u2019h"},
    {"quatre_octets", "\xF0\x9F\x8D\x84", true, "\U0001F344"},
    {"c0_80_est_le_caractere_0", "a\xC0\x80z", true, std::string("a\0z", 3)},
    {"surrogate", "\xED\xA0\x80", true, "\uFFFD"},
    {"au_dela_de_10FFFF", "\xF4\x90\x80\x80", true, "\uFFFD"},
    {"tete_F8", "\xF8\x88\x80\x80", true, "\uFFFD"},
    // Lines that are not UTF-8 stay as read: each byte one Windows-1252 character.
    {"cepe_ansi", "C\xE8pe", false, "Cèpe"},
    {"e5_puis_lettres", "\xE5xy", false, "åxy"},
    // A lead byte that fails its own test is not tried as a shorter sequence.
    {"e5_80_non_essaye_sur_deux", "\xE5\x80Z", false, "å€Z"},
    {"f0_non_essaye_sur_trois", "\xF0\x9F\x8DZ", false, "ðŸ\u008DZ"},
    {"suite_isolee", "x\x80", false, "x€"},
    {"tete_coupee_en_fin", "\xC3", false, "Ã"},
    {"e9_dans_une_ligne_utf8", "\xC3\xA9t\xE9", false, "Ã©té"},
};

void PrintTo(const CasDecodage &c, std::ostream *os) {
    *os << c.nom;
}

class Decodage : public testing::TestWithParam<CasDecodage> {};

TEST_P(Decodage, ReconnaitEtDecode) {
    const CasDecodage &c = GetParam();
    EXPECT_EQ(EstUTF8(c.octets), c.utf8);
    EXPECT_EQ(DecodeUTF8(c.octets), c.texte);
}

INSTANTIATE_TEST_SUITE_P(Lignes, Decodage, testing::ValuesIn(Decodages),
                         [](const auto &cas) { return std::string(cas.param.nom); });

// The ASCII runs are scanned by words of eight bytes: a high byte is found at every offset from
// any start, and a line decodes as a whole whichever word its non-ASCII byte falls in.
TEST(FinAscii, OctetHautAChaquePosition) {
    for (std::size_t pos = 0; pos < 20; ++pos) {
        std::string ligne(20, 'a');
        ligne[pos] = '\xE8';
        for (std::size_t debut = 0; debut <= pos; ++debut)
            ASSERT_EQ(FinAscii(ligne, debut), pos) << pos << " " << debut;
        EXPECT_EQ(FinAscii(ligne, pos + 1), 20u);
        EXPECT_EQ(DecodeUTF8(ligne), std::string(pos, 'a') + "è" + std::string(19 - pos, 'a'));
    }
}

TEST(Windows1252, LaZone80A9FDiffereDeLatin1) {
    EXPECT_EQ(Windows1252VersUtf8("\x80\x8C\x9C\x92\x85"), "€Œœ’…");
    EXPECT_EQ(Windows1252VersUtf8("\xE9\xFF\xA0"), "éÿ\u00A0");
    // The five unassigned bytes keep their own value.
    EXPECT_EQ(Windows1252VersUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
}

} // namespace
} // namespace lamelix

namespace lamelix {
namespace {

// Case-blind comparisons of file names and words rest on this upper case: every letter of the
// alphabets it covers, the last ones too.
TEST(Majuscules, ToutesLesLettresDesAlphabetsCouverts) {
    EXPECT_EQ(Majuscules("abcdefghijklmnopqrstuvwxyz"), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(Majuscules("àéîõüÿ œž ćőž αβωάώ абвэюяё"), "ÀÉÎÕÜŸ ŒŽ ĆŐŽ ΑΒΩΆΏ АБВЭЮЯЁ");
    EXPECT_EQ(Majuscules("0-9 ._~ Z"), "0-9 ._~ Z");
    EXPECT_TRUE(EgauxSansCasse("zoologie.cle", "ZOOLOGIE.CLE"));
    EXPECT_FALSE(EgauxSansCasse("zoologie.cle", "zoologie.clf"));
}

} // namespace
} // namespace lamelix
