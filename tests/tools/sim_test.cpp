// galbirola-sim from the outside: its arguments, exit statuses and transcript.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace {

struct Esito {
    int stato = -1;
    std::string out, err;
};

Esito Esegui(const std::string& argomenti) {
    // one error file per test, since the tests may run side by side
    const std::string errFile = testing::TempDir() + "sim_err_" +
                                testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::string comando = std::string(GALBIROLA_SIM) + " " + argomenti + " 2>" + errFile;
    Esito e;
    FILE* p = popen(comando.c_str(), "r");
    std::array<char, 4096> buf;
    for (std::size_t n; (n = std::fread(buf.data(), 1, buf.size(), p)) > 0;)
        e.out.append(buf.data(), n);
    const int s = pclose(p);
    e.stato = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    std::ifstream in(errFile);
    e.err.assign(std::istreambuf_iterator<char>(in), {});
    return e;
}

std::string File(const std::string& nome, const std::string& testo) {
    const std::string percorso = testing::TempDir() + nome;
    std::ofstream(percorso) << testo;
    return percorso;
}

TEST(Sim, BadArgumentsExitWithTwoAndTheUsage) {
    for (const char* a : {"--opponents 7", "--opponents 0", "--human nobody", "--seed x",
                          "--tournaments -1", "--frobnicate", "--seed 1 --randoms /dev/null",
                          "--randoms /no/such/file", "--opponents"}) {
        const Esito e = Esegui(a);
        EXPECT_EQ(e.stato, 2) << a;
        EXPECT_NE(e.err.find("usage: galbirola-sim"), std::string::npos) << a;
        EXPECT_TRUE(e.out.empty()) << a;
    }
    EXPECT_EQ(Esegui("--randoms " + File("r1", "0.5\nabc\n")).stato, 2);
    EXPECT_EQ(Esegui("--randoms " + File("r2", "0.5\n1.0\n")).stato, 2);
    EXPECT_EQ(Esegui("--randoms " + File("r3", "-0.1\n")).stato, 2);
}

// A whole first hand laid out number by number: the name prefill, the opener (the human,
// seat 2), the opponent's name, a shuffle that leaves the deck in its creation order, the
// computer's think pause; the second deal then runs out of numbers.
TEST(Sim, ReplayedNumbersGiveAnExactTranscriptAndRunningOutStopsWithThree) {
    std::string numeri = "0.0\n0\n\n0.75\n0.5\n0.5\n";
    for (int i = 0; i < 40; ++i)
        numeri += "0.0\n";
    numeri += "  0.5  \n";
    const Esito e =
        Esegui("--opponents 1 --human keep --transcript --randoms " + File("r4", numeri));
    EXPECT_EQ(e.stato, 3);
    EXPECT_NE(e.err.find("46"), std::string::npos) << e.err;
    EXPECT_EQ(e.out, "{\"event\":\"setup\",\"tournament\":1,\"seats\":2,\"mazziere\":2,"
                     "\"names\":[\"Davide M.\",\"Roberto A.\"]}\n"
                     "{\"event\":\"deal\",\"hand\":1,\"mazziere\":2}\n"
                     "{\"event\":\"question\",\"title\":\"Domanda:\","
                     "\"text\":\"Vuoi bussare con queste carte?\",\"answer\":\"yes\"}\n"
                     "{\"event\":\"knock\",\"seat\":2}\n"
                     "{\"event\":\"message\",\"style\":64,\"title\":\"\",\"text\":"
                     "\"1° Davide M.: Galbirola di 9\\r\\n2° Roberto A.: Galbirola di 6\\r\\n\"}\n"
                     "{\"event\":\"deal\",\"hand\":2,\"mazziere\":1}\n");
}

// The name typed replaces the prefill and is escaped in the transcript, which ends with the
// tournament's end message.
TEST(Sim, TheNameReplacesThePrefillAndIsWrittenAsJson) {
    const Esito e = Esegui("--seed 9 --opponents 2 --transcript --name 'Zoë \"Z\" \\ ok'");
    EXPECT_EQ(e.stato, 0);
    EXPECT_NE(e.out.find("\"Zoë \\\"Z\\\" \\\\ ok\"]}"), std::string::npos);
    EXPECT_EQ(e.out.substr(e.out.rfind("{")),
              "{\"event\":\"message\",\"style\":0,\"title\":\"\",\"text\":\"Fine del Torneo\"}\n");
}

// A bug report is a seed and a command: the same seed plays the same tournaments.
TEST(Sim, ASeedReproducesItsTournaments) {
    EXPECT_EQ(Esegui("--seed 5 --tournaments 20 --transcript").out,
              Esegui("--seed 5 --tournaments 20 --transcript").out);
}

TEST(Sim, ARunawayHandStopsWithFour) {
    const Esito e = Esegui("--seed 1 --tournaments 5 --max-turns 2");
    EXPECT_EQ(e.stato, 4);
    EXPECT_NE(e.err.find("runaway"), std::string::npos);
}

} // namespace
