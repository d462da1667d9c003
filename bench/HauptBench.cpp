// The main window against baselines of the same run: the start of the program with a large class open against a
// minimal Qt window program (whole processes), and one step to the next week (Ctrl+Right) in a large class
// against the same step in a small one.

#include "app/Einstellungen.h"
#include "app/Haupt.h"
#include "data/Daten.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {
constexpr qint32 ErsterMontag = 36528; // 3 January 2000

TDaten KlasseMit(int AFaecher, int AWochen, int AZeichen) {
    TDaten Daten;
    Daten.Klasse = QStringLiteral("5a");
    const QString Text = QString(AZeichen, QLatin1Char('x'));
    for (int FachNr = 0; FachNr < AFaecher; ++FachNr) {
        TFach Fach;
        Fach.Fachname = QStringLiteral("Fach %1").arg(FachNr, 3, 10, QLatin1Char('0'));
        for (int Woche = 0; Woche < AWochen; ++Woche)
            Fach.Add(ErsterMontag + 7 * Woche, Text);
        Daten.Add(Fach);
    }
    return Daten;
}

// A folder with the class file in the data folder beside the "program", and settings that open it.
struct TUmgebung {
    QTemporaryDir Ordner;
    explicit TUmgebung(const TDaten &ADaten) {
        QDir().mkpath(Ordner.path() + QStringLiteral("/prog/Stundolog"));
        QDir().mkpath(Ordner.path() + QStringLiteral("/docs"));
        QDir().mkpath(Ordner.path() + QStringLiteral("/config"));
        TDaten Kopie(ADaten);
        Kopie.SaveToFile(Ordner.path() + QStringLiteral("/prog/Stundolog/5a.SGV"));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(Ordner.path() + QStringLiteral("/config")));
        auto Speicher = EinstellungenOeffnen();
        Speicher->clear();
        Speicher->setValue(QStringLiteral("AktOrdner"), 2);
        Speicher->setValue(QStringLiteral("Filename"), QStringLiteral("5a.SGV 1"));
        Speicher->setValue(QStringLiteral("Sounds"), 0);
        Speicher->sync();
    }
};

void Taste(QWidget *AFeld, Qt::Key ATaste) {
    QKeyEvent Druck(QEvent::KeyPress, ATaste, Qt::ControlModifier);
    QKeyEvent Los(QEvent::KeyRelease, ATaste, Qt::ControlModifier);
    QApplication::sendEvent(AFeld, &Druck);
    QApplication::sendEvent(AFeld, &Los);
}

void WocheWeiter(benchmark::State &AZustand, int AFaecher, int AWochen) {
    TUmgebung Umgebung(KlasseMit(AFaecher, AWochen, 1000));
    TForm1 Form({Umgebung.Ordner.path() + QStringLiteral("/prog/"), Umgebung.Ordner.path() + QStringLiteral("/docs/")});
    Form.show();
    while (Form.Daten.Count() == 0)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    Form.SetEintragNr(1);
    bool Vor = true;
    for (auto _ : AZustand) {
        // Up to the newest week and back down again: every step moves.
        if (Form.EintragNr() == Form.EintragCount())
            Vor = false;
        else if (Form.EintragNr() == 1)
            Vor = true;
        Taste(Form.RichEdit1, Vor ? Qt::Key_Right : Qt::Key_Left);
    }
    AZustand.counters["Faecher"] = AFaecher;
    AZustand.counters["Wochen"] = AWochen;
    Form.Daten.Assign(Form.SaveDaten); // nothing to ask on closing
}

void BM_WocheWeiterKlein(benchmark::State &AZustand) { WocheWeiter(AZustand, 1, 10); }
void BM_WocheWeiterGross(benchmark::State &AZustand) { WocheWeiter(AZustand, 40, 1000); }

QString Programm(const char *AName) { return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(AName); }

void Prozess(benchmark::State &AZustand, const QString &AProgramm, const QProcessEnvironment &AUmgebung) {
    for (auto _ : AZustand) {
        QProcess Lauf;
        Lauf.setProcessEnvironment(AUmgebung);
        Lauf.start(AProgramm, {});
        if (!Lauf.waitForFinished(30000) || Lauf.exitCode() != 0) {
            AZustand.SkipWithError("der Prozess endete nicht wie erwartet");
            return;
        }
    }
}

void BM_StartMinimalfenster(benchmark::State &AZustand) {
    QProcessEnvironment Umgebung = QProcessEnvironment::systemEnvironment();
    Umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    Prozess(AZustand, Programm("stundolog_minimalfenster"), Umgebung);
}

void Start(benchmark::State &AZustand, const TDaten &AKlasse) {
    TUmgebung Daten(AKlasse);
    QProcessEnvironment Umgebung = QProcessEnvironment::systemEnvironment();
    Umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    Umgebung.insert(QStringLiteral("STARTPROBE_ORDNER"), Daten.Ordner.path());
    Umgebung.insert(QStringLiteral("XDG_CONFIG_HOME"), Daten.Ordner.path() + QStringLiteral("/config"));
    Prozess(AZustand, Programm("stundolog_startprobe"), Umgebung);
}

// The large class, and a small one that shows what the program's start costs without the class.
void BM_StartGrosseKlasse(benchmark::State &AZustand) { Start(AZustand, KlasseMit(40, 1000, 1000)); }
void BM_StartKleineKlasse(benchmark::State &AZustand) { Start(AZustand, KlasseMit(1, 10, 100)); }
} // namespace

BENCHMARK(BM_WocheWeiterKlein)->Unit(benchmark::kMicrosecond)->MinTime(1.0)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_WocheWeiterGross)->Unit(benchmark::kMicrosecond)->MinTime(1.0)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_StartMinimalfenster)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_StartKleineKlasse)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_StartGrosseKlasse)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10)->Repetitions(3)->ReportAggregatesOnly(true);

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication App(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
