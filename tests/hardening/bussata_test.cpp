#include "banco.h"

#include "table/sound/bussata.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The program's folder with the knock missing, noise, cut short or lying about its length, or
// intact on a machine without audio output: a copy of this program runs the game there.
class SuonoGuasto : public ::testing::TestWithParam<const char*> {};

TEST_P(SuonoGuasto, TheKnockBeepsAndPlayGoesOnAtOnce) {
    const QString caso = QString::fromLatin1(GetParam());
    QTemporaryDir cartella;
    const QString programma = cartella.filePath(QStringLiteral("test_robustezza"));
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationFilePath(), programma));
    QFile vero(QCoreApplication::applicationDirPath() + QStringLiteral("/Busso.wav"));
    ASSERT_TRUE(vero.open(QIODevice::ReadOnly));
    // A PCM header at 8000 bytes a second whose data claims nearly 4 GB.
    const QByteArray bugiardo = QByteArray::fromHex("524946461400000057415645666d7420"
                                                    "1000000001000100401f0000401f0000"
                                                    "0100080064617461f0ffffff8080");
    const QMap<QString, QByteArray> contenuti{{"rumore", QByteArray(4000, 'z')},
                                              {"troncato", bugiardo.left(30)},
                                              {"bugiardo", bugiardo},
                                              {"muto", vero.readAll()}};
    QFile busso(cartella.filePath(QStringLiteral("Busso.wav")));
    if (caso != QLatin1String("mancante")) {
        ASSERT_TRUE(busso.open(QIODevice::WriteOnly) && busso.write(contenuti[caso]) > 0);
        busso.close();
    }

    QProcess figlio;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("GALBIROLA_CASO_BUSSO"), caso);
    ambiente.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:/nonexistent"));
    figlio.setProcessEnvironment(ambiente);
    figlio.setProcessChannelMode(QProcess::MergedChannels);
    figlio.start(programma, {QStringLiteral("--gtest_filter=Copia.*")});
    ASSERT_TRUE(figlio.waitForFinished(60'000));
    const std::string uscita = figlio.readAll().toStdString();
    EXPECT_EQ(figlio.exitCode(), 0) << uscita;
    EXPECT_NE(uscita.find("[  PASSED  ] 1 test"), std::string::npos) << uscita;
}

INSTANTIATE_TEST_SUITE_P(Casi, SuonoGuasto,
                         ::testing::Values("mancante", "rumore", "troncato", "bugiardo", "muto"));

TEST(Copia, TheHumansKnockBeepsAndTheHandEndsAtOnce) {
    if (qEnvironmentVariableIsEmpty("GALBIROLA_CASO_BUSSO"))
        GTEST_SKIP() << "runs in a copy of the program's folder";
    static int bip = 0;
    Bussata::Bip = [] { ++bip; };
    Banco b(3);
    Clicca(b.C().CmdTorneo);
    for (int passo = 0; passo < 200 && !b.T().Bussato(); ++passo) {
        if (b.T().FaseCorrente() == Fase::Carte) {
            Clicca(b.C().CmdCarte);
            continue;
        }
        ASSERT_EQ(b.T().FaseCorrente(), Fase::Fatto);
        QElapsedTimer tempo;
        tempo.start();
        const int prima = bip;
        Clicca(b.C().CmdFatto); // nothing marked: the human knocks
        EXPECT_EQ(bip - prima, b.T().Bussato() ? 1 : 0) << "the knock was neither heard nor beeped";
        EXPECT_LT(tempo.elapsed(), 1000);
        EXPECT_NE(b.T().FaseCorrente(), Fase::Fatto);
    }
    EXPECT_EQ(b.T().Bussatore(), b.T().NumGiocatori());
    const auto* bussata = b.finestra.findChild<Bussata*>();
    ASSERT_NE(bussata, nullptr);
    EXPECT_EQ(bussata->Ultima(), Bussata::Esito::Bip); // the desktop's beep instead
}

} // namespace
