#include "app/Beschleuniger.h"

#include <QtTest>

class TstBeschleuniger : public QObject {
    Q_OBJECT
private slots:
    void vervollstaendigen_data();
    void vervollstaendigen();
    void aktionenMenue();
};

void TstBeschleuniger::vervollstaendigen_data() {
    QTest::addColumn<QStringList>("Vorher");
    QTest::addColumn<QStringList>("Nachher");
    QTest::newRow("alle markiert") << QStringList{"&Speichern", "&Laden..."} << QStringList{"&Speichern", "&Laden..."};
    QTest::newRow("spaetere verliert die Marke")
        << QStringList{"Neue &Woche erstellen...", "Übersicht einer &Woche..."}
        << QStringList{"Neue &Woche erstellen...", "Übersicht &einer Woche..."};
    QTest::newRow("ohne Marke: Wortanfang") << QStringList{"&Speichern", "Schließen"}
                                            << QStringList{"&Speichern", "S&chließen"};
    QTest::newRow("spaetere Marke bleibt reserviert") << QStringList{"Nächstes Fach", "&Nächste Woche"}
                                                      << QStringList{"Nächstes &Fach", "&Nächste Woche"};
    QTest::newRow("Marke auf Umlaut bleibt") << QStringList{"Programm-&Änderungen...", "Programm-&Info"}
                                             << QStringList{"Programm-&Änderungen...", "Programm-&Info"};
    QTest::newRow("Kleinbuchstabe gleich Grossbuchstabe") << QStringList{"&alles", "&Anderes"}
                                                          << QStringList{"&alles", "A&nderes"};
    QTest::newRow("doppeltes Und ist kein Marker") << QStringList{"A&&B", "&A"} << QStringList{"A&&&B", "&A"};
    QTest::newRow("kein freies Zeichen") << QStringList{"&A", "A"} << QStringList{"&A", "A"};
    QTest::newRow("Ziffern") << QStringList{"1 A", "&A 1"} << QStringList{"&1 A", "&A 1"};
    QTest::newRow("Trenner") << QStringList{"&Sounds ein", "-", "Sicherung"}
                             << QStringList{"&Sounds ein", "-", "S&icherung"};
}

void TstBeschleuniger::vervollstaendigen() {
    QFETCH(QStringList, Vorher);
    QFETCH(QStringList, Nachher);
    QCOMPARE(BeschleunigerVervollstaendigen(Vorher), Nachher);
}

void TstBeschleuniger::aktionenMenue() {
    // The "A&ktionen" menu as designed: afterwards no letter is marked twice and every item has a mark.
    const QStringList Entwurf{"Neue &Woche erstellen...",
                              "&Neues Fach erstellen...",
                              "Neue Klasse erstellen...",
                              "Übersicht einer &Woche...",
                              "Übersicht eines &Monats...",
                              "Übersicht &aller Wochen...",
                              "Übersicht aller Wochen und &Fächer...",
                              "&Klasse/Fach wechseln...",
                              "Fachbezeichnung ändern...",
                              "Klassenbezeichnung ändern...",
                              "Woche &verschieben...",
                              "&Lösche aktuelle Woche",
                              "Lösche aktuelles Fach",
                              "Lösche aktuelle Klasse",
                              "Suche nach &Text im Stundolog..."};
    const QStringList Fertig = BeschleunigerVervollstaendigen(Entwurf);
    QSet<QChar> Gesehen;
    for (const QString &Caption : Fertig) {
        const QChar Zeichen = Beschleuniger(Caption);
        QVERIFY2(!Zeichen.isNull(), qPrintable(Caption));
        QVERIFY2(!Gesehen.contains(Zeichen), qPrintable(Caption));
        Gesehen.insert(Zeichen);
        QString Ohne = Caption;
        QCOMPARE(Ohne.remove(QLatin1Char('&')), QString(Entwurf.at(Fertig.indexOf(Caption))).remove(QLatin1Char('&')));
    }
    QCOMPARE(Fertig.at(0), QStringLiteral("Neue &Woche erstellen..."));
    QVERIFY(Fertig.at(3) != Entwurf.at(3));
}

QTEST_GUILESS_MAIN(TstBeschleuniger)
#include "tst_beschleuniger.moc"
