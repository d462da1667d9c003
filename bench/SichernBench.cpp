// Backing up and verifying class files against cp followed by cmp of the same files, in the same run: 200 class
// files of 100 KB, and one of 50 MB. Both sides overwrite the copies of the previous round and read warm files;
// only the ratios mean something (bench/sichern.sh prints them).

#include "backup/Kopieren.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

namespace {
constexpr int KleineDateien = 200;
constexpr qint64 KleinGroesse = 100 * 1024;
constexpr qint64 GrossGroesse = 50 * 1024 * 1024;

std::unique_ptr<QTemporaryDir> Ordner;

QString Pfad(const QString &AName) {
    return Ordner->path() + QLatin1Char('/') + AName + QLatin1Char('/');
}

// Bytes that do not repeat in blocks, so that no layer can shortcut them.
QByteArray Bytes(qint64 ALaenge, std::uint64_t ASaat) {
    QByteArray Ergebnis(ALaenge, Qt::Uninitialized);
    std::uint64_t Zustand = ASaat * 0x9E3779B97F4A7C15ULL | 1;
    for (qint64 Pos = 0; Pos < ALaenge; ++Pos) {
        Zustand ^= Zustand << 13;
        Zustand ^= Zustand >> 7;
        Zustand ^= Zustand << 17;
        Ergebnis[Pos] = static_cast<char>(Zustand >> 56);
    }
    return Ergebnis;
}

void Schreiben(const QString &APfad, const QByteArray &AInhalt) {
    QFile Datei(APfad);
    if (!Datei.open(QIODevice::WriteOnly) || Datei.write(AInhalt) != AInhalt.size())
        qFatal("cannot write %s", qPrintable(APfad));
}

void Vorbereiten() {
    if (Ordner)
        return;
    Ordner = std::make_unique<QTemporaryDir>();
    for (const char *Name :
         {"klein", "gross", "ziel-sichern-klein", "ziel-sichern-gross", "ziel-cp-klein", "ziel-cp-gross"})
        QDir().mkpath(Pfad(QString::fromLatin1(Name)));
    for (int Nr = 0; Nr < KleineDateien; ++Nr)
        Schreiben(Pfad(QStringLiteral("klein")) + QStringLiteral("K%1.SGV").arg(Nr, 3, 10, QLatin1Char('0')),
                  Bytes(KleinGroesse, static_cast<std::uint64_t>(Nr) + 1));
    Schreiben(Pfad(QStringLiteral("gross")) + QStringLiteral("GROSS.SGV"), Bytes(GrossGroesse, 999));
}

void Sichern(benchmark::State &AState, const QString &AQuelle, const QString &AZiel, qint64 ABytes) {
    Vorbereiten();
    const TKopierMelder Stumm;
    for (auto _ : AState) {
        if (!CopyDateienOk(Pfad(AQuelle), Pfad(AZiel), true, Stumm) ||
            !CheckDateienOk(Pfad(AQuelle), Pfad(AZiel), true, Stumm))
            AState.SkipWithError("backup failed");
    }
    AState.SetBytesProcessed(AState.iterations() * ABytes);
}

// What one would type: cp of all class files, then cmp of each pair.
void CpCmp(benchmark::State &AState, const QString &AQuelle, const QString &AZiel, qint64 ABytes) {
    Vorbereiten();
    const QString Skript = QStringLiteral("cp -- \"$1\"*.SGV \"$2\" && for f in \"$1\"*.SGV; do "
                                          "cmp -s -- \"$f\" \"$2${f##*/}\" || exit 1; done");
    for (auto _ : AState) {
        QProcess Prozess;
        Prozess.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"), Skript, QStringLiteral("sh"), Pfad(AQuelle), Pfad(AZiel)});
        if (!Prozess.waitForFinished(-1) || Prozess.exitCode() != 0)
            AState.SkipWithError("cp/cmp failed");
    }
    AState.SetBytesProcessed(AState.iterations() * ABytes);
}

void BM_SichernKlein(benchmark::State &AState) {
    Sichern(AState, QStringLiteral("klein"), QStringLiteral("ziel-sichern-klein"), KleineDateien * KleinGroesse);
}
void BM_CpCmpKlein(benchmark::State &AState) {
    CpCmp(AState, QStringLiteral("klein"), QStringLiteral("ziel-cp-klein"), KleineDateien * KleinGroesse);
}
void BM_SichernGross(benchmark::State &AState) {
    Sichern(AState, QStringLiteral("gross"), QStringLiteral("ziel-sichern-gross"), GrossGroesse);
}
void BM_CpCmpGross(benchmark::State &AState) {
    CpCmp(AState, QStringLiteral("gross"), QStringLiteral("ziel-cp-gross"), GrossGroesse);
}
} // namespace

BENCHMARK(BM_SichernKlein)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(1.0)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_CpCmpKlein)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(1.0)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_SichernGross)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(1.0)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_CpCmpGross)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(1.0)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

int main(int argc, char **argv) {
    // The run lets the application process its events between blocks, as in the dialog.
    QCoreApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Ordner.reset();
    return 0;
}
