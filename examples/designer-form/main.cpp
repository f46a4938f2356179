// Shows a Designer form that uic compiled: every library widget in it is built by uic's
// generated code with its parent alone and set up through its Forms properties. Exits non-zero
// when a setting of the form did not arrive.
#include "FormCheck.h"
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
    const QStringList missing = DesignerForm::MissingSettings(window);
    for (const QString& setting : missing)
        std::printf("designer-form: not set up: %s\n", qPrintable(setting));
    // Application code keeps the library's classes: the form's widgets are such.
    Varo::FenraQtGui::ZuRaradirIzurodudoz::CArrowButton* arrow = form.arrowButton;
    arrow->SetMode(Varo::FenraQtGui::ZuRaradirIzurodudoz::CArrowButton::Up);
    return picture.isNull() || !missing.isEmpty() ? 1 : 0;
}
