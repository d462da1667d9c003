#pragma once

#include <QMainWindow>

// The main window. For now it only stands; the open class, its fields and the menus follow.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget *AParent = nullptr);
};
