#include "data/Heute.h"

#include "data/Kalender.h"

#include <QDate>

qint32 Heute() { return TagNummer(QDate::currentDate()); }
