#include "data/Zeichenersatz.h"

#include <QtTest>

class TstZeichenersatz : public QObject {
    Q_OBJECT
private slots:
    void ersatz_data();
    void ersatz();
    void hinweis();
};

void TstZeichenersatz::ersatz_data() {
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QString>("Erwartet");
    QTest::addColumn<QStringList>("Ersetzt");
    QTest::newRow("Latin-1 bleibt") << "Grüße, ÿ und ß\r\n" << "Grüße, ÿ und ß\r\n" << QStringList{};
    QTest::newRow("deutsche Anführungszeichen") << "„Lesen“" << "\"Lesen\"" << QStringList{"„", "“"};
    QTest::newRow("einfache Anführungszeichen") << "‚a‘ ’b’" << "'a' 'b'" << QStringList{"‚", "‘", "’"};
    QTest::newRow("Striche") << "1–2 — 3" << "1-2 - 3" << QStringList{"–", "—"};
    QTest::newRow("Auslassung") << "usw…" << "usw..." << QStringList{"…"};
    QTest::newRow("Euro") << "5 €" << "5 EUR" << QStringList{"€"};
    QTest::newRow("anderes Zeichen") << "a → b" << "a ? b" << QStringList{"→"};
    QTest::newRow("Zeichen ausserhalb der BMP zaehlt einmal") << "x\U0001F600y" << "x?y"
                                                              << QStringList{"\U0001F600"};
    QTest::newRow("einzelne Ersatzhaelfte") << QString(QChar(0xD800)) + "a" << "?a" << QStringList{QString(QChar(0xD800))};
    QTest::newRow("mehrfach, einmal genannt") << "€€" << "EUREUR" << QStringList{"€"};
}

void TstZeichenersatz::ersatz() {
    QFETCH(QString, Text);
    QFETCH(QString, Erwartet);
    QFETCH(QStringList, Ersetzt);
    const TErsatz Ergebnis = Latin1Ersatz(Text);
    QCOMPARE(Ergebnis.Text, Erwartet);
    QCOMPARE(Ergebnis.Ersetzt, Ersetzt);
    for (QChar Zeichen : Ergebnis.Text)
        QVERIFY(Zeichen.unicode() <= 0xFF);
}

void TstZeichenersatz::hinweis() {
    QCOMPARE(ErsatzHinweis({QStringLiteral("€"), QStringLiteral("→")}),
             QStringLiteral("Ersetzt: „€“ durch „EUR“, „→“ durch „?“"));
}

QTEST_GUILESS_MAIN(TstZeichenersatz)
#include "tst_zeichenersatz.moc"
