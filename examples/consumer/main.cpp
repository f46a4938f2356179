// A minimal application built against the installed package: one header, one target. The
// parsers of the logger enumerations are the one header that the umbrella header leaves out.
#include <ZuRaradirIzurodudoz/LoggerDefinition.h>
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
    const auto type =
        Varo::Fenra::Strings::MakeValue<Varo::Fenra::Progress::ELoggerType>("net", false);
    std::printf("consumer: library %s, rendered %dx%d, \"net\" is logger type %d\n",
                ZRI_VERSION_STRING, image.width(), image.height(), int(type));
    return image.isNull() || type != Varo::Fenra::Progress::LoggerNetwork ? 1 : 0;
}
