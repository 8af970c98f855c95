// Numbers read from key text: the lenient value, the strict numeric test and 16-bit rounding.

#include "platform/erreur.hpp"
#include "platform/nombres.hpp"

#include <cmath>
#include <gtest/gtest.h>

namespace lamelix {
namespace {

TEST(Nombres, ValeurLitLeNombreDeTeteEnIgnorantLesBlancs) {
    const std::pair<const char *, double> cas[] = {
        {"12", 12},
        {" 12abc", 12},
        {"1 2", 12},
        {"- 4", -4},
        {"+7", 7},
        {"2.5", 2.5},
        {"1.2.3", 1.2},
        {"1e2", 100},
        {"1e", 1},
        {"", 0},
        {"cs3", 0},
        {"abc", 0},
        {".5", 0.5},
        {"-3 , N", -3},
        {"123456789012345", 123456789012345.0},
        {"12345678901234567890", 12345678901234567890.0},
        {"1 2e1", 120},
    };
    for (const auto &[texte, attendu] : cas)
        EXPECT_DOUBLE_EQ(Valeur(texte), attendu) << '"' << texte << '"';
}

TEST(Nombres, EstNumeriqueExigeQueToutLeTexteSoitUnNombre) {
    for (const char *oui : {"12", " 12 ", "-3", "+3", "2.5", ".5", "1e3", "1E-2"})
        EXPECT_TRUE(EstNumerique(oui)) << '"' << oui << '"';
    for (const char *non : {"", "   ", "-", ".", "abc", "12a", "CS2", "1e", "O"})
        EXPECT_FALSE(EstNumerique(non)) << '"' << non << '"';
}

TEST(Nombres, VersEntier16ArrondiAuPairEtRefuseLeDepassement) {
    EXPECT_EQ(VersEntier16(2.5), 2);
    EXPECT_EQ(VersEntier16(3.5), 4);
    EXPECT_EQ(VersEntier16(-2.5), -2);
    EXPECT_EQ(VersEntier16(2.6), 3);
    EXPECT_EQ(VersEntier16(32767.0), 32767);
    EXPECT_EQ(VersEntier16(-32768.5), -32768); // rounds to the even bound, still in range
    EXPECT_THROW(VersEntier16(32767.5), ErreurExecution);
    EXPECT_THROW(VersEntier16(-32769.0), ErreurExecution);
    EXPECT_THROW(VersEntier16(40000.0), ErreurExecution);
    EXPECT_THROW(VersEntier16(std::nan("")), ErreurExecution);
    EXPECT_THROW(Ajoute16(32767, 1), ErreurExecution);
}

} // namespace
} // namespace lamelix
