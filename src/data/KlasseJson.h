#pragma once

#include "data/Daten.h"

#include <QByteArray>
#include <QString>

// A class as JSON, for the command line and for other programs:
// {"Klasse": s, "Faecher": [{"Fachname": s, "Wochen": [{"Datum": n, "Text": s}]}]},
// subjects and weeks in the class's order.

// UTF-8, indented, keys in the order above.
QByteArray KlasseAlsJson(const TDaten &ADaten);

// Reads a class from JSON into AZiel; on failure returns false, leaves AZiel as it was and says in
// AFehler (German) what is wrong and where. A text the class file cannot hold counts as wrong.
// Subjects and weeks keep the JSON's order; on success AZiel's Filename is empty (JSON names no file).
bool KlasseAusJson(const QByteArray &AJson, TDaten &AZiel, QString &AFehler);
