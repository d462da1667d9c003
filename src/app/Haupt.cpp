#include "app/Haupt.h"

#include "data/Programm.h"

TForm1::TForm1(QWidget *AParent) : QMainWindow(AParent) { setWindowTitle(Programm::Titel); }
