// A minimal application built against the installed package: one header, one target.
#include <ZuRaradirIzurodudoz/ZuRaradirIzurodudoz.h>

#include <QApplication>
#include <QImage>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>

namespace Zri = Varo::FenraQtGui::ZuRaradirIzurodudoz;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* arrow = new Zri::CArrowButton(&window);
    arrow->SetMode(Zri::CArrowButton::DoubleRight);
    layout->addWidget(arrow);
    window.resize(120, 60);
    window.show();

    QImage image(window.size(), QImage::Format_ARGB32);
    window.render(&image);
    std::printf("consumer: rendered %dx%d\n", image.width(), image.height());
    return image.isNull() ? 1 : 0;
}
