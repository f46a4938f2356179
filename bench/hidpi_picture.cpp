// Writes the README's picture of media and arrow buttons rendered at device pixel ratio 2:
//   zri-hidpi-picture docs/images/hidpi-buttons.png
#include "ArrowButton.h"
#include "MediaButton.h"

#include <QApplication>
#include <QGridLayout>
#include <QImage>
#include <QStyleFactory>

#include <cstdio>

namespace Zri = Varo::FenraQtGui::ZuRaradirIzurodudoz;

namespace
{

QWidget* Media(int mode)
{
    auto* button = new Zri::CMediaButton;
    button->SetMode(Zri::CMediaButton::EMode(mode));
    button->SetOnOffMode(Zri::CMediaButton::EOnOffMode(mode % 3 == 0 ? 0 : 1));
    button->SetOn(mode % 3 == 1);
    button->setFixedSize(80, 36);
    return button;
}

QWidget* Arrow(int mode)
{
    auto* button = new Zri::CArrowButton;
    button->SetMode(Zri::CArrowButton::EMode(mode));
    button->setFixedSize(80, 36);
    return button;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget panel;
    panel.setAutoFillBackground(true);
    auto* grid = new QGridLayout(&panel);
    for (int mode = 0; mode < 10; ++mode)
        grid->addWidget(Media(mode), mode / 5, mode % 5);
    for (int mode = 0; mode < 8; ++mode)
        grid->addWidget(Arrow(mode), 2 + mode / 4, mode % 4);
    grid->activate();
    panel.resize(panel.sizeHint());
    QImage image(panel.size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    panel.render(&image);
    return image.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
