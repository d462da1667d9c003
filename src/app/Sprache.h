#pragma once

// The program speaks German whatever the system language: Qt's own texts (message box buttons, the font,
// print and file dialogs) come from Qt's German translation. True when it was found and installed.
bool DeutscheQtTexteLaden();
