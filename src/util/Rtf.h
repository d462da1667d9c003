#pragma once

#include <QByteArray>
#include <QString>

// The font of a saved Rich Text document as plain values, so that writing it needs no GUI library.
struct TRtfSchrift {
    QString Name;       // face name
    double Punkte = 12; // size in points; 0 or less writes no size
    bool FettS = false;
    bool KursivS = false;
    bool UnterstrichenS = false;
    bool DurchgestrichenS = false;
    int Rot = 0; // text colour, 0..255 each
    int Gruen = 0;
    int Blau = 0;
};

// A complete RTF document that holds AText in ASchrift: one font and one colour for the whole text, a
// paragraph for every line (lines end at CR LF, CR or LF; a final line end adds no empty paragraph), a page
// break for every form feed. Every character survives: "{", "}" and "\" are escaped, characters of
// Windows-1252 beyond ASCII are written as \'xx, all others as \uN with a "?" for readers that know no
// Unicode. The result is plain ASCII.
QByteArray RtfText(const QString &AText, const TRtfSchrift &ASchrift);

// One character (a UTF-16 code unit) as it stands in the text of an RTF document; line ends are not handled
// here. A surrogate is written as its own \uN, so a pair becomes two.
QByteArray RtfZeichen(QChar AZeichen);
