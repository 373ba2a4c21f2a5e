#include "players/clsnomi.h"

#include "platform/casuale.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

std::string Nome(double r1, double r2) {
    casuale::Sostituzione s(std::make_unique<CasualeRipetuto>(std::vector<double>{r1, r2}));
    ClsNomi pool;
    return pool.GetNome();
}

TEST(ClsNomi, FirstNameAndInitialFromTwoNumbers) {
    EXPECT_EQ(Nome(0.0, 0.5), "Roberto M.");
    EXPECT_EQ(Nome(0.99, 0.99), "Simona Z.");
    EXPECT_EQ(Nome(10.5 / 19, 0.0625), "Laura B.");
    // 26 r rounds half to even: 6.5 -> 6 (F), 19.5 -> 20 (T); 0 becomes A
    EXPECT_EQ(Nome(0.0, 0.25), "Roberto F.");
    EXPECT_EQ(Nome(0.0, 0.75), "Roberto T.");
    EXPECT_EQ(Nome(0.0, 0.015625), "Roberto A.");
    EXPECT_EQ(Nome(0.0, 0.0), "Roberto A.");
    // J and K become L; W, X and Y become Z
    EXPECT_EQ(Nome(0.0, 0.375), "Roberto L.");
    EXPECT_EQ(Nome(0.0, 0.4375), "Roberto L.");
    EXPECT_EQ(Nome(0.0, 0.84375), "Roberto V.");
    EXPECT_EQ(Nome(0.0, 0.875), "Roberto Z.");
}

TEST(ClsNomi, InitialsComeFromTwentyOneLettersWithTheRightWeights) {
    casuale::Sostituzione s(std::make_unique<CasualeFisso>(11));
    ClsNomi pool;
    std::map<char, int> conta;
    const std::set<std::string> nomi = {"Roberto", "Mario",   "Luca",     "Marco",   "Andrea",
                                        "Antonio", "Filippo", "Simone",   "Stefano", "Davide",
                                        "Laura",   "Barbara", "Giovanna", "Giorgia", "Erika",
                                        "Susanna", "Giulia",  "Sara",     "Simona"};
    const std::string lettere = "ABCDEFGHILMNOPQRSTUVZ";
    const int n = 260000;
    for (int i = 0; i < n; ++i) {
        const std::string nome = pool.GetNome();
        const auto n1 = nome.size();
        ASSERT_TRUE(n1 > 3 && nomi.count(nome.substr(0, n1 - 3)) && nome[n1 - 3] == ' ' &&
                    lettere.find(nome[n1 - 2]) != std::string::npos && nome[n1 - 1] == '.')
            << nome;
        ++conta[nome[nome.size() - 2]];
    }
    EXPECT_EQ(conta.size(), 21u);
    // A covers [0, 1.5) of 26, B..I one each, L three, Z three and a half.
    EXPECT_NEAR(conta['A'] / double(n), 1.5 / 26, 0.003);
    EXPECT_NEAR(conta['B'] / double(n), 1.0 / 26, 0.003);
    EXPECT_NEAR(conta['L'] / double(n), 3.0 / 26, 0.003);
    EXPECT_NEAR(conta['Z'] / double(n), 3.5 / 26, 0.003);
}

} // namespace
