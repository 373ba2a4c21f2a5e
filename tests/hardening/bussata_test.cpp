#include "banco.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QProcess>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

const char* const kCaso = "GALBIROLA_CASO_BUSSO";

// A wave header for PCM at 8000 bytes a second whose data chunk claims `dati` bytes.
QByteArray Testa(quint32 dati) {
    QByteArray w("RIFF");
    auto u32 = [&w](quint32 v) {
        const quint32 le = qToLittleEndian(v);
        w.append(reinterpret_cast<const char*>(&le), 4);
    };
    auto u16 = [&w](quint16 v) {
        const quint16 le = qToLittleEndian(v);
        w.append(reinterpret_cast<const char*>(&le), 2);
    };
    u32(36 + dati);
    w += "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(8000);
    u32(8000);
    u16(1);
    u16(8);
    w += "data";
    u32(dati);
    return w;
}

// The program's folder as a player may have it: the knock missing, overwritten with noise,
// cut short, or lying about its length; or intact on a machine without audio output.
class SuonoGuasto : public ::testing::TestWithParam<const char*> {};

TEST_P(SuonoGuasto, TheKnockBeepsAndPlayGoesOnAtOnce) {
    const QString caso = QString::fromLatin1(GetParam());
    QTemporaryDir cartella;
    ASSERT_TRUE(cartella.isValid());
    const QString programma = cartella.filePath(QStringLiteral("test_robustezza"));
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationFilePath(), programma));
    const QString busso = cartella.filePath(QStringLiteral("Busso.wav"));
    QByteArray contenuto;
    if (caso == QLatin1String("rumore"))
        for (int i = 0; i < 4000; ++i)
            contenuto += static_cast<char>((i * 7919) % 251);
    else if (caso == QLatin1String("troncato"))
        contenuto = Testa(4000).left(30);
    else if (caso == QLatin1String("bugiardo"))
        contenuto = Testa(0xFFFFFFF0u) + QByteArray(10, '\x80');
    else if (caso == QLatin1String("muto")) {
        QFile vero(QCoreApplication::applicationDirPath() + QStringLiteral("/Busso.wav"));
        ASSERT_TRUE(vero.open(QIODevice::ReadOnly));
        contenuto = vero.readAll();
    }
    if (caso != QLatin1String("mancante")) {
        QFile f(busso);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenuto);
    }

    QProcess figlio;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QString::fromLatin1(kCaso), caso);
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // No sound server to reach: no audio output.
    ambiente.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:/nonexistent"));
    figlio.setProcessEnvironment(ambiente);
    figlio.setProcessChannelMode(QProcess::MergedChannels);
    figlio.start(programma, {QStringLiteral("--gtest_filter=Copia.KnocksFromItsOwnFolder")});
    const bool finito = figlio.waitForFinished(60'000);
    const std::string uscita = figlio.readAll().toStdString();
    ASSERT_TRUE(finito) << uscita;
    EXPECT_EQ(figlio.exitCode(), 0) << uscita;
    EXPECT_NE(uscita.find("[  PASSED  ] 1 test"), std::string::npos) << uscita;
}

INSTANTIATE_TEST_SUITE_P(Casi, SuonoGuasto,
                         ::testing::Values("mancante", "rumore", "troncato", "bugiardo", "muto"));

// Runs in the copied folder only.
TEST(Copia, KnocksFromItsOwnFolder) {
    if (qEnvironmentVariableIsEmpty(kCaso))
        GTEST_SKIP() << "runs in a copy of the program's folder";
    if (qEnvironmentVariable(kCaso) == QLatin1String("muto") &&
        !QMediaDevices::audioOutputs().isEmpty())
        GTEST_SKIP() << "this machine has an audio output after all";
    Banco b(3);
    EXPECT_EQ(b.finestra.Percorso(), QCoreApplication::applicationDirPath() + QLatin1Char('/'));

    QElapsedTimer tempo;
    tempo.start();
    b.finestra.Bussa(1);
    EXPECT_LT(tempo.elapsed(), 1000);
    // The desktop's beep instead of the wave.
    EXPECT_TRUE(b.finestra.findChildren<QSoundEffect*>().empty());

    // The human knocks: the other seats play their last turns and the hand ends, at once.
    b.Clicca(b.C().CmdTorneo);
    bool bussato = false;
    for (int passo = 0; passo < 200 && !bussato; ++passo) {
        if (b.T().FaseCorrente() == Fase::Carte) {
            b.Clicca(b.C().CmdCarte);
            continue;
        }
        ASSERT_EQ(b.T().FaseCorrente(), Fase::Fatto);
        const bool primo = !b.T().Bussato();
        tempo.restart();
        b.Clicca(b.C().CmdFatto);
        if (primo) {
            bussato = true;
            EXPECT_LT(tempo.elapsed(), 1000);
            EXPECT_NE(b.T().FaseCorrente(), Fase::Fatto);
            EXPECT_EQ(b.T().Bussatore(), b.T().NumGiocatori());
        }
    }
    EXPECT_TRUE(bussato);
}

} // namespace
