#pragma once

#include <QString>

// The program's name, version text and the maker's addresses, shared by every window and message.
namespace Programm {
inline const QString Name = QStringLiteral("Stundolog");
inline const QString Titel = QStringLiteral("Stundolog V1.01");
inline const QString Homepage = QStringLiteral("https://www.stundolog.de");
} // namespace Programm
