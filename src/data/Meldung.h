#pragma once

#include <QString>

// Where the data core sends the few messages it must show itself (an unknown or damaged class file,
// a failed save). The window layer installs a target that shows a message box; without one the
// message goes to standard error, which is what the command line wants.
class TMeldungsZiel {
public:
    virtual ~TMeldungsZiel() = default;
    // An error message: error icon, OK button.
    virtual void Fehler(const QString &AText) = 0;
};

// Installs ATarget (nullptr: back to standard error) and returns the target that was installed before.
TMeldungsZiel *SetzeMeldungsZiel(TMeldungsZiel *AZiel);
void FehlerMelden(const QString &AText);
