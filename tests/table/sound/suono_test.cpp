#include "table/sound/bussata.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <optional>
#include <thread>
#include <vector>

// The knock on a real sound server that the test starts itself: a PulseAudio null sink whose
// monitor is recorded. What the recording holds is what a player would have heard.
namespace {

constexpr int kFrequenza = 22050;
constexpr int kSoglia = 300;   // below this a sample is silence
constexpr int kStaccoMs = 150; // silence that separates one knock from the next
constexpr int kTolleranzaMs = 150;

QString Busso() {
    return QStringLiteral(GALBIROLA_BIN_DIR "/Busso.wav");
}

// A stretch of sound in mono 16-bit samples at kFrequenza.
struct Colpo {
    double inizioMs = 0, durataMs = 0;
    int picco = 0;
};

std::vector<Colpo> Colpi(const std::vector<qint16>& campioni) {
    std::vector<Colpo> colpi;
    const auto stacco = static_cast<std::size_t>(kStaccoMs * kFrequenza / 1000);
    std::size_t ultimo = 0;
    for (std::size_t i = 0; i < campioni.size(); ++i) {
        const int a = std::abs(int(campioni[i]));
        if (a <= kSoglia)
            continue;
        if (colpi.empty() || i - ultimo > stacco)
            colpi.push_back({1000.0 * double(i) / kFrequenza, 0, 0});
        ultimo = i;
        colpi.back().durataMs = 1000.0 * double(i + 1) / kFrequenza - colpi.back().inizioMs;
        colpi.back().picco = std::max(colpi.back().picco, a);
    }
    return colpi;
}

// The file's own samples: the knock as it should be heard.
Colpo Originale() {
    QFile file(Busso());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray dati = file.readAll();
    const qsizetype data = dati.indexOf("data");
    std::vector<qint16> campioni;
    for (qsizetype i = data + 8; data >= 0 && i + 1 < dati.size(); i += 2)
        campioni.push_back(qFromLittleEndian<qint16>(dati.constData() + i));
    const std::vector<Colpo> colpi = Colpi(campioni);
    return colpi.size() == 1 ? colpi.front() : Colpo{};
}

// A PulseAudio server of the test's own, in a folder of its own, with one null sink.
class Server {
  public:
    bool Avvia(std::string* perche) {
        const QString programma = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (programma.isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty()) {
            *perche = "pulseaudio or parec is not installed";
            return false;
        }
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_cartella.path());
        ambiente.insert(QStringLiteral("HOME"), m_cartella.path());
        ambiente.remove(QStringLiteral("PULSE_SERVER"));
        m_processo.setProcessEnvironment(ambiente);
        m_processo.setProcessChannelMode(QProcess::MergedChannels);
        m_processo.start(programma,
                         {QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                          QStringLiteral("-n"),
                          QStringLiteral("--load=module-null-sink sink_name=prova"),
                          QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1"),
                          QStringLiteral("--load=module-always-sink")});
        QElapsedTimer tempo;
        tempo.start();
        while (tempo.elapsed() < 10'000 && m_processo.state() != QProcess::NotRunning) {
            if (Risponde())
                return true;
            QTest::qWait(50);
        }
        *perche = "the server did not start: " + m_processo.readAll().toStdString();
        return false;
    }

    QString Indirizzo() const {
        return QStringLiteral("unix:") + m_cartella.filePath(QStringLiteral("pulse/native"));
    }

    void Segnale(int segnale) const { ::kill(static_cast<pid_t>(m_processo.processId()), segnale); }

    // Gone at once, as when it crashes or is killed.
    void Uccidi() {
        Segnale(SIGKILL);
        m_processo.waitForFinished(5000);
    }

    ~Server() {
        if (m_processo.state() == QProcess::NotRunning)
            return;
        Segnale(SIGCONT);
        m_processo.terminate();
        if (!m_processo.waitForFinished(5000))
            m_processo.kill();
        m_processo.waitForFinished(5000);
    }

    bool Risponde() const {
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"),
                    {QStringLiteral("-s"), Indirizzo(), QStringLiteral("info")});
        return pactl.waitForFinished(5000) && pactl.exitStatus() == QProcess::NormalExit &&
               pactl.exitCode() == 0;
    }

  private:
    QTemporaryDir m_cartella;
    QProcess m_processo;
};

// The sink's monitor, recorded while the knocks play.
class Registrazione {
  public:
    explicit Registrazione(const Server& server) {
        m_parec.setStandardOutputFile(m_cartella.filePath(QStringLiteral("registrazione.raw")));
        m_parec.start(QStringLiteral("parec"),
                      {QStringLiteral("-s"), server.Indirizzo(), QStringLiteral("-d"),
                       QStringLiteral("prova.monitor"), QStringLiteral("--raw"),
                       QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                       QStringLiteral("--rate=%1").arg(kFrequenza),
                       QStringLiteral("--latency-msec=10")});
        m_parec.waitForStarted(5000);
        // A null sink idles in blocks of two seconds; the recorder's short latency applies
        // from the next block on, and from then on a knock starts as soon as it is written.
        QTest::qWait(2200);
    }

    ~Registrazione() {
        m_parec.kill();
        m_parec.waitForFinished(5000);
    }

    std::vector<Colpo> Ferma() {
        QTest::qWait(300); // the last knock's tail reaches the recorder
        m_parec.terminate();
        m_parec.waitForFinished(5000);
        QFile file(m_cartella.filePath(QStringLiteral("registrazione.raw")));
        std::vector<qint16> campioni;
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray dati = file.readAll();
            for (qsizetype i = 0; i + 1 < dati.size(); i += 2)
                campioni.push_back(qFromLittleEndian<qint16>(dati.constData() + i));
        }
        return Colpi(campioni);
    }

  private:
    QTemporaryDir m_cartella;
    QProcess m_parec;
};

// A busy machine: one spinning thread on every core for as long as it lives.
struct Carico {
    Carico() {
        for (unsigned i = 0; i < std::max(1u, std::thread::hardware_concurrency()); ++i)
            fili.emplace_back([](const std::stop_token& basta) {
                while (!basta.stop_requested()) {
                }
            });
    }
    std::vector<std::jthread> fili; // each asked to stop and joined when the load ends
};

struct Prova {
    Bussata::Esito esito;
    qint64 ms;
};

Prova Bussa(Bussata& bussata) {
    QElapsedTimer tempo;
    tempo.start();
    const Bussata::Esito esito = bussata.Suona();
    return {esito, tempo.elapsed()};
}

class SuonoVero : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string perche;
        if (!m_server.Avvia(&perche))
            GTEST_SKIP() << "no sound server for this test: " << perche;
        qputenv("PULSE_SERVER", m_server.Indirizzo().toUtf8());
        m_originale = Originale();
        ASSERT_GT(m_originale.durataMs, 100) << "Busso.wav is not a single knock";
    }
    void TearDown() override { qunsetenv("PULSE_SERVER"); }

    // Every knock recorded whole: as long as the file's and as loud, within a few percent.
    void SentiteTutte(const std::vector<Colpo>& colpi, std::size_t quante) const {
        ASSERT_EQ(colpi.size(), quante) << "knocks in the recording";
        for (std::size_t i = 0; i < colpi.size(); ++i) {
            EXPECT_NEAR(colpi[i].durataMs, m_originale.durataMs, m_originale.durataMs * 0.03)
                << "knock " << i + 1 << " is not heard in full";
            EXPECT_NEAR(colpi[i].picco, m_originale.picco, m_originale.picco * 0.05)
                << "knock " << i + 1;
        }
    }

    // Each knock returns once it has been heard, not before and not long after.
    void AtteseGiuste(const std::vector<Prova>& prove) const {
        const int durata = LeggiOnda(Busso()).DurataMs();
        for (std::size_t i = 0; i < prove.size(); ++i) {
            EXPECT_EQ(prove[i].esito, Bussata::Esito::Sentita) << "knock " << i + 1;
            EXPECT_GE(prove[i].ms, durata) << "knock " << i + 1 << " returned before its end";
            EXPECT_LE(prove[i].ms, durata + kTolleranzaMs)
                << "knock " << i + 1 << " waited too long";
        }
    }

    Server m_server;
    Colpo m_originale;
};

class SuonoVeroCarico : public SuonoVero, public ::testing::WithParamInterface<bool> {};

// Quiet, and with every core busy while it records: a late process never leaves a hole.
TEST_P(SuonoVeroCarico, TwentyKnocksInARowAreEachHeardInFull) {
    Bussata bussata(Busso());
    bussata.Prepara(); // as the window does when a tournament starts
    Registrazione registrazione(m_server);
    std::optional<Carico> carico;
    if (GetParam())
        carico.emplace();
    // The window goes on painting while a knock plays: its timers keep firing.
    int scatti = 0;
    QTimer orologio;
    QObject::connect(&orologio, &QTimer::timeout, [&] { ++scatti; });
    orologio.start(50);
    std::vector<Prova> prove;
    for (int i = 0; i < 20; ++i) {
        const int prima = scatti;
        prove.push_back(Bussa(bussata));
        EXPECT_GE(scatti - prima, 6) << "knock " << i + 1 << " froze the window";
        QTest::qWait(kStaccoMs + 100);
    }
    carico.reset();
    const std::vector<Colpo> colpi = registrazione.Ferma();
    SentiteTutte(colpi, prove.size());
    AtteseGiuste(prove);
}

INSTANTIATE_TEST_SUITE_P(Macchina, SuonoVeroCarico, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "Occupata" : "Quieta";
                         });

// The server dies in the middle of a knock: that knock and the next ones beep without waiting;
// once the server is back the knock is heard again.
TEST_F(SuonoVero, AServerThatGoesAwayBeepsAndOneThatComesBackPlays) {
    Bussata bussata(Busso());
    bussata.Prepara();
    const int durata = LeggiOnda(Busso()).DurataMs();
    {
        Registrazione registrazione(m_server);
        AtteseGiuste({Bussa(bussata)});
        QTimer::singleShot(durata / 3, [this] { m_server.Uccidi(); });
        const Prova interrotta = Bussa(bussata);
        EXPECT_EQ(interrotta.esito, Bussata::Esito::Bip);
        EXPECT_LT(interrotta.ms, durata) << "the knock waited in silence after the server died";
    }
    for (int i = 0; i < 3; ++i) {
        const Prova senza = Bussa(bussata);
        EXPECT_EQ(senza.esito, Bussata::Esito::Bip) << "knock " << i + 1 << " without a server";
        EXPECT_LT(senza.ms, 100) << "knock " << i + 1 << " without a server";
    }

    std::string perche;
    ASSERT_TRUE(m_server.Avvia(&perche)) << perche;
    Registrazione registrazione(m_server);
    std::vector<Prova> prove;
    for (int i = 0; i < 3; ++i) {
        prove.push_back(Bussa(bussata));
        QTest::qWait(kStaccoMs + 100);
    }
    const std::vector<Colpo> colpi = registrazione.Ferma();
    SentiteTutte(colpi, prove.size());
    AtteseGiuste(prove);
}

// A server that takes the sound and never plays it: the knock gives up after its length and
// two seconds, beeps, and the next knock, once the server moves again, is heard.
TEST_F(SuonoVero, AServerThatNeverPlaysDoesNotFreezeTheGame) {
    Bussata bussata(Busso());
    const int durata = LeggiOnda(Busso()).DurataMs();
    Registrazione registrazione(m_server);
    m_server.Segnale(SIGSTOP);
    const Prova ferma = Bussa(bussata);
    m_server.Segnale(SIGCONT);
    EXPECT_EQ(ferma.esito, Bussata::Esito::Bip);
    EXPECT_GE(ferma.ms, durata + 1900);
    EXPECT_LE(ferma.ms, durata + 2000 + kTolleranzaMs);
    QTest::qWait(2200); // the server catches up on what it missed
    AtteseGiuste({Bussa(bussata)});
    const std::vector<Colpo> colpi = registrazione.Ferma();
    ASSERT_FALSE(colpi.empty());
    SentiteTutte({colpi.back()}, 1);
}

} // namespace
