// Shows a Designer form that uic compiled; every library widget in it is built by uic's
// generated code with its parent alone.
#include "ui_AllWidgets.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    Ui::AllWidgets form;
    form.setupUi(&window);
    window.show();
    QApplication::processEvents();
    const QPixmap picture = window.grab();
    std::printf("designer-form: %d widgets, %dx%d\n", int(window.findChildren<QWidget*>().size()),
                picture.width(), picture.height());
    return picture.isNull() ? 1 : 0;
}
