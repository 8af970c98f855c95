// Numbers read from key text: the lenient value, the strict numeric test and 16-bit rounding.

#include "platform/erreur.hpp"
#include "platform/nombres.hpp"

#include <charconv>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <vector>

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

// The printf fallback must write exactly what the floating std::to_chars writes: chosen values
// at the fixed/scientific turning points and the edges of the range, then random bit patterns.
TEST(Nombres, TexteParPrintfEgaleToChars) {
    const auto attendu = [](auto v) {
        char t[64];
        auto [fin, ec] = std::to_chars(t, t + sizeof t, v);
        return std::string(t, ec == std::errc{} ? fin : t);
    };
    std::vector<double> valeurs = {0.1,
                                   0.3,
                                   1.0 / 3,
                                   2.5,
                                   -7,
                                   100,
                                   1e5,
                                   123456,
                                   1e15,
                                   1e16,
                                   1e20,
                                   1e21,
                                   1e22,
                                   1.5e300,
                                   1e-4,
                                   1e-5,
                                   1.25e-7,
                                   0.001,
                                   9007199254740993.0,
                                   5e-324,
                                   2.2250738585072014e-308,
                                   1.7976931348623157e308,
                                   -0.000123,
                                   4.35,
                                   0.30000000000000004,
                                   std::ldexp(1.0, 100),
                                   std::ldexp(1.0, -100),
                                   65535.5};
    std::mt19937_64 alea(29);
    for (int i = 0; i < 4000; ++i) {
        const std::uint64_t bits = alea();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v)) valeurs.push_back(v);
        valeurs.push_back(static_cast<double>(bits % 1000000) / 1000);
    }
    for (double v : valeurs) {
        ASSERT_EQ(TexteNombreParPrintf(v), attendu(v)) << std::hexfloat << v;
        const auto f = static_cast<float>(v);
        if (std::isfinite(f)) {
            ASSERT_EQ(TexteNombreParPrintf(f), attendu(f)) << std::hexfloat << f;
        }
    }
}

} // namespace
} // namespace lamelix
