// The data core against plain Qt baselines of the same run: reading and writing the class file of a large
// class, and the overview of all weeks and subjects for a class and one twice its size. Single figures
// depend on the machine; only the ratios mean something (bench/vergleich.sh prints them).

#include "data/Daten.h"
#include "data/Kalender.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

constexpr int FaecherGross = 40;
constexpr int WochenJeFach = 1000;
constexpr int ZeichenJeWoche = 1000;
constexpr qint64 Block = 65537; // the block size of the class file's reader and writer

// xorshift64: the same texts in every run, and fast enough for 120 million characters.
class TZufall {
public:
    explicit TZufall(std::uint64_t ASaat) : FZustand(ASaat * 0x9E3779B97F4A7C15ULL | 1) {}
    std::uint32_t Naechste(std::uint32_t AGrenze) {
        FZustand ^= FZustand << 13;
        FZustand ^= FZustand >> 7;
        FZustand ^= FZustand << 17;
        return static_cast<std::uint32_t>((FZustand >> 32) % AGrenze);
    }

private:
    std::uint64_t FZustand;
};

// A week's text as a teacher types it: Latin-1 letters with umlauts, blanks, now and then CR LF.
QString BeispielText(TZufall &AZufall) {
    static const QString Buchstaben = QStringLiteral("abcdefghijklmnopqrstuvwxyzäöüßABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜéèàç");
    const auto AnzahlBuchstaben = static_cast<std::uint32_t>(Buchstaben.size());
    QString Text;
    Text.reserve(ZeichenJeWoche);
    while (Text.size() < ZeichenJeWoche) {
        const std::uint32_t Wurf = AZufall.Naechste(100);
        if (Wurf < 2 && Text.size() + 2 <= ZeichenJeWoche)
            Text += QStringLiteral("\r\n");
        else if (Wurf < 17)
            Text += QLatin1Char(' ');
        else
            Text += Buchstaben[AZufall.Naechste(AnzahlBuchstaben)];
    }
    return Text;
}

// AFaecher subjects, each with the same WochenJeFach consecutive weeks; subject n has the same texts in
// every class built here, so the class twice the size starts with the subjects of the single one.
TDaten GrosseKlasse(int AFaecher) {
    TDaten Daten;
    Daten.Klasse = QStringLiteral("Übungsklasse 10b");
    const qint32 ErsterMontag = WochenMontag(TagNummer(2000, 1, 3));
    for (int FachNr = 0; FachNr < AFaecher; ++FachNr) {
        TZufall Zufall(static_cast<std::uint64_t>(FachNr) + 1);
        TFach Fach;
        Fach.Fachname = QStringLiteral("Fach %1").arg(FachNr + 1, 3, 10, QLatin1Char('0'));
        Fach.WochenDaten.reserve(WochenJeFach);
        for (int WochenNr = 0; WochenNr < WochenJeFach; ++WochenNr)
            Fach.Add(ErsterMontag + 7 * WochenNr, BeispielText(Zufall));
        Daten.Add(Fach);
    }
    return Daten;
}

const TDaten &Klasse1x() {
    static const TDaten Daten = GrosseKlasse(FaecherGross);
    return Daten;
}

const TDaten &Klasse2x() {
    static const TDaten Daten = GrosseKlasse(2 * FaecherGross);
    return Daten;
}

qint64 Textbytes(const TDaten &ADaten) {
    qint64 Summe = 0;
    for (const auto &Fach : ADaten.Liste)
        for (const TWocheRec &Woche : Fach->WochenDaten)
            Summe += Woche.Text.size();
    return Summe;
}

// The class file of the large class, written once by the class writer, and its bytes for the baselines
// that write. The folder (under TMPDIR) goes when the program ends.
class TDateien {
public:
    TDateien() {
        if (!FOrdner.isValid())
            return;
        Klassendatei = Pfad(QStringLiteral("Gross.SGV"));
        TDaten Daten(Klasse1x());
        if (!Daten.SaveToFile(Klassendatei))
            return;
        QFile Datei(Klassendatei);
        if (!Datei.open(QIODevice::ReadOnly))
            return;
        Bytes = Datei.readAll();
        OkS = !Bytes.isEmpty();
    }
    QString Pfad(const QString &AName) const { return FOrdner.filePath(AName); }

    QString Klassendatei;
    QByteArray Bytes;
    bool OkS = false;

private:
    QTemporaryDir FOrdner;
};

const TDateien *DateienOderFehler(benchmark::State &AState) {
    static const TDateien Dateien;
    if (Dateien.OkS)
        return &Dateien;
    AState.SkipWithError("Die Klassendatei der großen Klasse konnte nicht geschrieben werden");
    return nullptr;
}

void DateiEinstellen(benchmark::internal::Benchmark *ABench) {
    ABench->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0)->Repetitions(3)->ReportAggregatesOnly(true);
}

void TextEinstellen(benchmark::internal::Benchmark *ABench) {
    ABench->Unit(benchmark::kMillisecond)->MinTime(1.0)->Repetitions(3)->ReportAggregatesOnly(true);
}

// --- Reading ---

// Baseline: the file's bytes through the reader's block size into one buffer, nothing decoded.
void BM_LesenQFile(benchmark::State &AState) {
    const TDateien *Dateien = DateienOderFehler(AState);
    if (!Dateien)
        return;
    QByteArray Puffer(Block, Qt::Uninitialized);
    qint64 Gelesen = 0;
    for (auto _ : AState) {
        QFile Datei(Dateien->Klassendatei);
        if (!Datei.open(QIODevice::ReadOnly)) {
            AState.SkipWithError("QFile::open");
            break;
        }
        Gelesen = 0;
        for (qint64 N = 0; (N = Datei.read(Puffer.data(), Block)) > 0;)
            Gelesen += N;
        benchmark::DoNotOptimize(Puffer.data());
    }
    if (Gelesen != Dateien->Bytes.size())
        AState.SkipWithError("nicht alle Bytes gelesen");
    AState.SetBytesProcessed(AState.iterations() * Dateien->Bytes.size());
}

// Baseline: the whole file with one readAll.
void BM_LesenQFileReadAll(benchmark::State &AState) {
    const TDateien *Dateien = DateienOderFehler(AState);
    if (!Dateien)
        return;
    qint64 Gelesen = 0;
    for (auto _ : AState) {
        QFile Datei(Dateien->Klassendatei);
        if (!Datei.open(QIODevice::ReadOnly)) {
            AState.SkipWithError("QFile::open");
            break;
        }
        const QByteArray Inhalt = Datei.readAll();
        Gelesen = Inhalt.size();
        benchmark::DoNotOptimize(Inhalt.constData());
    }
    if (Gelesen != Dateien->Bytes.size())
        AState.SkipWithError("nicht alle Bytes gelesen");
    AState.SetBytesProcessed(AState.iterations() * Dateien->Bytes.size());
}

// Ours: the whole class read into a fresh class, which is freed again within the iteration.
void BM_Laden(benchmark::State &AState) {
    const TDateien *Dateien = DateienOderFehler(AState);
    if (!Dateien)
        return;
    int Faecher = 0;
    for (auto _ : AState) {
        TDaten Daten;
        if (!Daten.LoadFromFile(Dateien->Klassendatei, false)) {
            AState.SkipWithError("TDaten::LoadFromFile");
            break;
        }
        Faecher = Daten.Count();
        benchmark::DoNotOptimize(Daten.Liste.data());
    }
    if (Faecher != FaecherGross)
        AState.SkipWithError("die gelesene Klasse hat nicht alle Fächer");
    AState.SetBytesProcessed(AState.iterations() * Dateien->Bytes.size());
}

// --- Writing ---

bool SchreibeBloecke(QIODevice &AGeraet, const QByteArray &ABytes) {
    for (qint64 Pos = 0; Pos < ABytes.size(); Pos += Block) {
        const qint64 Laenge = qMin(Block, ABytes.size() - Pos);
        if (AGeraet.write(ABytes.constData() + Pos, Laenge) != Laenge)
            return false;
    }
    return true;
}

// Baseline: the same bytes in the writer's block size, truncating the file, without syncing to disk.
void BM_SchreibenQFile(benchmark::State &AState) {
    const TDateien *Dateien = DateienOderFehler(AState);
    if (!Dateien)
        return;
    const QString Ziel = Dateien->Pfad(QStringLiteral("QFile.SGV"));
    for (auto _ : AState) {
        QFile Datei(Ziel);
        if (!Datei.open(QIODevice::WriteOnly | QIODevice::Truncate) || !SchreibeBloecke(Datei, Dateien->Bytes)) {
            AState.SkipWithError("QFile::write");
            break;
        }
        Datei.close();
    }
    AState.SetBytesProcessed(AState.iterations() * Dateien->Bytes.size());
}

// Baseline with the durability of ours: the same bytes through QSaveFile, whose commit syncs and renames.
void BM_SchreibenQSaveFile(benchmark::State &AState) {
    const TDateien *Dateien = DateienOderFehler(AState);
    if (!Dateien)
        return;
    const QString Ziel = Dateien->Pfad(QStringLiteral("QSaveFile.SGV"));
    for (auto _ : AState) {
        QSaveFile Datei(Ziel);
        if (!Datei.open(QIODevice::WriteOnly) || !SchreibeBloecke(Datei, Dateien->Bytes) || !Datei.commit()) {
            AState.SkipWithError("QSaveFile");
            break;
        }
    }
    AState.SetBytesProcessed(AState.iterations() * Dateien->Bytes.size());
}

// Ours: the large class written whole, over the file of the previous iteration.
void BM_Speichern(benchmark::State &AState) {
    const TDateien *Dateien = DateienOderFehler(AState);
    if (!Dateien)
        return;
    const QString Ziel = Dateien->Pfad(QStringLiteral("Speichern.SGV"));
    TDaten Daten(Klasse1x());
    for (auto _ : AState) {
        if (!Daten.SaveToFile(Ziel)) {
            AState.SkipWithError("TDaten::SaveToFile");
            break;
        }
    }
    if (QFileInfo(Ziel).size() != Dateien->Bytes.size())
        AState.SkipWithError("die geschriebene Datei hat nicht die Länge der Klassendatei");
    AState.SetBytesProcessed(AState.iterations() * Dateien->Bytes.size());
}

// --- Overview of all weeks and subjects ---

void TextMessen(benchmark::State &AState, const TDaten &ADaten) {
    SetWochendatum(true);
    qsizetype Ergebniszeichen = 0;
    for (auto _ : AState) {
        const QString Ergebnis = ADaten.Text();
        Ergebniszeichen = Ergebnis.size();
        benchmark::DoNotOptimize(Ergebnis.constData());
    }
    const qint64 Bytes = Textbytes(ADaten);
    if (Ergebniszeichen < Bytes)
        AState.SkipWithError("die Übersicht enthält nicht alle Wochentexte");
    AState.counters["Faecher"] = ADaten.Count();
    AState.counters["Textbytes"] = static_cast<double>(Bytes);
    AState.counters["Ergebniszeichen"] = static_cast<double>(Ergebniszeichen);
    AState.SetBytesProcessed(AState.iterations() * Bytes);
}

void BM_Text1x(benchmark::State &AState) {
    TextMessen(AState, Klasse1x());
}

void BM_Text2x(benchmark::State &AState) {
    TextMessen(AState, Klasse2x());
}

} // namespace

// Baselines right before what they are compared with; the writers last, so that the disk traffic they
// leave behind does not fall into the reading and text figures.
BENCHMARK(BM_LesenQFile)->Apply(DateiEinstellen);
BENCHMARK(BM_LesenQFileReadAll)->Apply(DateiEinstellen);
BENCHMARK(BM_Laden)->Apply(DateiEinstellen);
BENCHMARK(BM_Text1x)->Apply(TextEinstellen);
BENCHMARK(BM_Text2x)->Apply(TextEinstellen);
BENCHMARK(BM_SchreibenQFile)->Apply(DateiEinstellen);
BENCHMARK(BM_SchreibenQSaveFile)->Apply(DateiEinstellen);
BENCHMARK(BM_Speichern)->Apply(DateiEinstellen);

int main(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::AddCustomContext("qt_version", qVersion());
    benchmark::AddCustomContext("temp_dir", QDir::tempPath().toStdString());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
