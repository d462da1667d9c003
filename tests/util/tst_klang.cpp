#include "util/Klang.h"

#include <QFile>
#include <QSignalSpy>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>

namespace {
const QString WochenKlang = QStringLiteral(STUNDOLOG_RESSOURCEN "/NeueZeile.wav");

QByteArray Inhalt(const QString &APfad) {
    QFile Datei(APfad);
    return Datei.open(QIODevice::ReadOnly) ? Datei.readAll() : QByteArray();
}

bool Schreiben(const QString &APfad, const QByteArray &AInhalt) {
    QFile Datei(APfad);
    return Datei.open(QIODevice::WriteOnly) && Datei.write(AInhalt) == AInhalt.size();
}

quint16 Wort(const QByteArray &ABytes, qsizetype AStelle) {
    return qFromLittleEndian<quint16>(ABytes.constData() + AStelle);
}
quint32 Doppelwort(const QByteArray &ABytes, qsizetype AStelle) {
    return qFromLittleEndian<quint32>(ABytes.constData() + AStelle);
}

// A wave file of 16-bit samples at 22050 Hz; ADatenlaenge, when given, is the data length the file claims.
QByteArray Welle(quint16 AFormat, quint16 AKanaele, const QByteArray &ADaten, qint64 ADatenlaenge = -1) {
    const auto WortBytes = [](quint16 AWert) {
        QByteArray Bytes(2, '\0');
        qToLittleEndian(AWert, Bytes.data());
        return Bytes;
    };
    const auto DoppelwortBytes = [](quint32 AWert) {
        QByteArray Bytes(4, '\0');
        qToLittleEndian(AWert, Bytes.data());
        return Bytes;
    };
    const quint32 Laenge = quint32(ADatenlaenge < 0 ? ADaten.size() : ADatenlaenge);
    const quint16 Block = quint16(2 * AKanaele);
    return "RIFF" + DoppelwortBytes(36 + Laenge) + "WAVE" + "fmt " + DoppelwortBytes(16) + WortBytes(AFormat) +
           WortBytes(AKanaele) + DoppelwortBytes(22050) + DoppelwortBytes(22050 * Block) + WortBytes(Block) +
           WortBytes(16) + "data" + DoppelwortBytes(Laenge) + ADaten;
}

// A tenth of a second of soft 16-bit samples.
QByteArray Rauschen() {
    QByteArray Daten(2 * 2205, '\0');
    for (qsizetype Nr = 0; Nr < 2205; ++Nr)
        qToLittleEndian(qint16((Nr * 7919) % 2001 - 1000), Daten.data() + 2 * Nr);
    return Daten;
}

// The player of a TKlang, to see how far it got with a file; there is none before the first sound.
QSoundEffect *Effekt(const TKlang &AKlang) {
    return AKlang.findChild<QSoundEffect *>();
}
} // namespace

class TKlangTest : public QObject {
    Q_OBJECT

private slots:
    void FehlendeDatei_data();
    void FehlendeDatei();
    void SpieltOhneZuWarten();
    void SchadhafteDatei_data();
    void SchadhafteDatei();
    void ErsetzteDateiWirdNeuGelesen();
    void WochenKlangDatei();
};

void TKlangTest::FehlendeDatei_data() {
    QTest::addColumn<QString>("Pfad");

    QTest::newRow("leer") << QString();
    QTest::newRow("fehlt") << QStringLiteral("gibt-es-nicht/NeueZeile.wav");
    QTest::newRow("Ordner") << QStringLiteral(STUNDOLOG_RESSOURCEN);
}

void TKlangTest::FehlendeDatei() {
    QFETCH(QString, Pfad);

    TKlang Klang;
    QSignalSpy Spy(&Klang, &TKlang::Gestartet);
    Klang.WavAbspielen(Pfad);
    QCOMPARE(Klang.Abgespielt(), 0);
    QVERIFY(Spy.isEmpty());
    QVERIFY2(!Effekt(Klang), "no player is made for a file that is not there");
}

void TKlangTest::SpieltOhneZuWarten() {
    TKlang Klang;
    QSignalSpy Spy(&Klang, &TKlang::Gestartet);
    Klang.WavAbspielen(WochenKlang);
    QCOMPARE(Klang.Abgespielt(), 1);
    QCOMPARE(Spy.size(), 1);
    QCOMPARE(Spy.at(0).at(0).toString(), WochenKlang);

    QSoundEffect *Spieler = Effekt(Klang);
    QVERIFY(Spieler);
    // Qt's own decoder reads the file, with a sound device or without one.
    QTRY_COMPARE(Spieler->status(), QSoundEffect::Ready);
    QCOMPARE(Spieler->source(), QUrl::fromLocalFile(WochenKlang));

    // Each week change sounds again, also while the previous sound may still play.
    Klang.WavAbspielen(WochenKlang);
    Klang.WavAbspielen(WochenKlang);
    QCOMPARE(Klang.Abgespielt(), 3);
    QCOMPARE(Spy.size(), 3);
    QCOMPARE(Klang.findChildren<QSoundEffect *>().size(), 1);
}

void TKlangTest::SchadhafteDatei_data() {
    QTest::addColumn<QByteArray>("Bytes");
    QTest::addColumn<bool>("AbgegebenS"); // handed to the player
    QTest::addColumn<int>("Zustand");     // what the player then makes of it

    const QByteArray Daten = Rauschen();
    const int Keiner = QSoundEffect::Null;
    QTest::newRow("leer") << QByteArray() << false << Keiner;
    QTest::newRow("Text") << QByteArray("Das ist kein Klang.\r\n").repeated(50) << false << Keiner;
    QTest::newRow("nur der RIFF-Kopf") << Welle(1, 1, Daten).left(12) << false << Keiner;
    QTest::newRow("Format abgeschnitten") << Welle(1, 1, Daten).left(30) << false << Keiner;
    QTest::newRow("Daten kürzer als angegeben") << Welle(1, 1, Daten, Daten.size() + 100) << false << Keiner;
    QTest::newRow("ohne Formatangabe") << Welle(1, 1, Daten).remove(12, 24) << false << Keiner;
    QTest::newRow("ohne Daten") << Welle(1, 1, QByteArray()) << false << Keiner;
    QTest::newRow("keine Kanäle") << Welle(1, 0, Daten) << false << Keiner;
    QTest::newRow("RIFX statt RIFF") << Welle(1, 1, Daten).replace(0, 4, "RIFX") << false << Keiner;
    // Complete, but a format Qt does not decode: Qt says so at once.
    QTest::newRow("MP3-Format") << Welle(0x55, 1, Daten) << true << int(QSoundEffect::Error);
    QTest::newRow("vollständig") << Welle(1, 1, Daten) << true << int(QSoundEffect::Ready);
}

void TKlangTest::SchadhafteDatei() {
    QFETCH(QByteArray, Bytes);
    QFETCH(bool, AbgegebenS);
    QFETCH(int, Zustand);

    QTemporaryDir Ordner;
    QVERIFY(Ordner.isValid());
    const QString Pfad = Ordner.filePath(QStringLiteral("NeueZeile.wav"));
    QVERIFY(Schreiben(Pfad, Bytes));

    TKlang Klang;
    QSignalSpy Spy(&Klang, &TKlang::Gestartet);
    Klang.WavAbspielen(Pfad);
    QCOMPARE(Klang.Abgespielt(), AbgegebenS ? 1 : 0);
    QCOMPARE(Spy.size(), AbgegebenS ? 1 : 0);
    if (AbgegebenS) {
        QVERIFY(Effekt(Klang));
        QTRY_COMPARE(int(Effekt(Klang)->status()), Zustand);
    } else {
        QVERIFY2(!Effekt(Klang), "a file that is no complete wave file never reaches the player");
    }

    // The player is still usable: the week sound plays after it. (A player stuck on a cut-off file
    // would block right here.)
    Klang.WavAbspielen(WochenKlang);
    QCOMPARE(Klang.Abgespielt(), AbgegebenS ? 2 : 1);
    QSoundEffect *Spieler = Effekt(Klang);
    QVERIFY(Spieler);
    QTRY_COMPARE(Spieler->status(), QSoundEffect::Ready);
    QCOMPARE(Spieler->source(), QUrl::fromLocalFile(WochenKlang));
}

void TKlangTest::ErsetzteDateiWirdNeuGelesen() {
    QTemporaryDir Ordner;
    QVERIFY(Ordner.isValid());
    const QString Pfad = Ordner.filePath(QStringLiteral("NeueZeile.wav"));
    QVERIFY(Schreiben(Pfad, Welle(0x55, 1, Rauschen())));

    TKlang Klang;
    Klang.WavAbspielen(Pfad);
    QSoundEffect *Spieler = Effekt(Klang);
    QVERIFY(Spieler);
    QTRY_COMPARE(Spieler->status(), QSoundEffect::Error);

    // The user puts a good sound in its place while the program runs.
    QVERIFY(Schreiben(Pfad, Inhalt(WochenKlang)));
    Klang.WavAbspielen(Pfad);
    QTRY_COMPARE(Spieler->status(), QSoundEffect::Ready);
    QCOMPARE(Klang.Abgespielt(), 2);
}

void TKlangTest::WochenKlangDatei() {
    const QByteArray Wav = Inhalt(WochenKlang);
    QVERIFY2(Wav.size() >= 44, "the file is there and holds at least a header");
    QVERIFY2(Wav.size() < 20 * 1024, "a short sound");
    QCOMPARE(Wav.left(4), QByteArray("RIFF"));
    QCOMPARE(Doppelwort(Wav, 4), quint32(Wav.size() - 8));
    QCOMPARE(Wav.mid(8, 4), QByteArray("WAVE"));

    // Walk the chunks: "fmt " must come before "data".
    quint16 Format = 0, Kanaele = 0, Bits = 0;
    quint32 Rate = 0;
    QByteArray Daten;
    qsizetype Stelle = 12;
    while (Stelle + 8 <= Wav.size()) {
        const QByteArray Name = Wav.mid(Stelle, 4);
        const quint32 Laenge = Doppelwort(Wav, Stelle + 4);
        QVERIFY2(Stelle + 8 + qsizetype(Laenge) <= Wav.size(), "no chunk runs past the end of the file");
        if (Name == "fmt ") {
            QVERIFY(Laenge >= 16);
            Format = Wort(Wav, Stelle + 8);
            Kanaele = Wort(Wav, Stelle + 10);
            Rate = Doppelwort(Wav, Stelle + 12);
            QCOMPARE(Doppelwort(Wav, Stelle + 16), Rate * 2); // bytes per second
            QCOMPARE(Wort(Wav, Stelle + 20), quint16(2));     // bytes per sample frame
            Bits = Wort(Wav, Stelle + 22);
        } else if (Name == "data") {
            QVERIFY2(Rate != 0, "the format comes before the data");
            Daten = Wav.mid(Stelle + 8, Laenge);
        }
        Stelle += 8 + Laenge + (Laenge & 1);
    }
    QCOMPARE(Format, quint16(1)); // PCM
    QCOMPARE(Kanaele, quint16(1));
    QCOMPARE(Bits, quint16(16));
    QCOMPARE(Rate, quint32(22050));
    QVERIFY(!Daten.isEmpty());
    QCOMPARE(Daten.size() % 2, 0);

    const qsizetype Werte = Daten.size() / 2;
    const double Sekunden = double(Werte) / Rate;
    QVERIFY2(Sekunden >= 0.05 && Sekunden < 0.5, qPrintable(QStringLiteral("%1 s").arg(Sekunden)));

    // Soft: well below full scale, yet audible; faded in and out, so neither end clicks.
    int Spitze = 0;
    for (qsizetype Nr = 0; Nr < Werte; ++Nr)
        Spitze = std::max(Spitze, std::abs(int(qFromLittleEndian<qint16>(Daten.constData() + 2 * Nr))));
    QVERIFY2(Spitze > 32767 / 20 && Spitze < 32767 / 2, qPrintable(QStringLiteral("peak %1").arg(Spitze)));
    const auto Wert = [&](qsizetype ANr) {
        return std::abs(int(qFromLittleEndian<qint16>(Daten.constData() + 2 * ANr)));
    };
    QVERIFY2(Wert(0) < 32767 / 100 && Wert(Werte - 1) < 32767 / 100, "the sound starts and ends near silence");
}

QTEST_MAIN(TKlangTest)

#include "tst_klang.moc"
