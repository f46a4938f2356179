// The widget gallery: every widget of the library, page by page. With a display it opens a
// window; without one, or with --screenshot DIR, it renders each page to DIR/<page>.png.
#include "Gallery.h"

#include <QApplication>
#include <QDir>
#include <QScrollArea>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>
#include <cstring>

namespace
{

struct SOptions
{
    QString sScreenshotDir;
    bool bScreenshots = false;
    bool bHelp = false;
};

bool HaveDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

SOptions ParseOptions(int argc, char** argv)
{
    SOptions options;
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc)
        {
            options.bScreenshots = true;
            options.sScreenshotDir = QString::fromLocal8Bit(argv[++i]);
        }
        else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            options.bHelp = true;
    }
    if (!options.bScreenshots && !HaveDisplay())
    {
        options.bScreenshots = true;
        options.sScreenshotDir = QStringLiteral("gallery-screenshots");
    }
    return options;
}

QWidget* MakePageFrame(const ZriGallery::SPage& page)
{
    auto* frame = new QWidget;
    frame->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(page.fnCreate());
    layout->addStretch();
    return frame;
}

int WriteScreenshots(const QString& directory)
{
    if (!QDir().mkpath(directory))
    {
        std::fprintf(stderr, "gallery: cannot create %s\n", qPrintable(directory));
        return 1;
    }
    for (const ZriGallery::SPage& page : ZriGallery::Pages())
    {
        QWidget* frame = MakePageFrame(page);
        frame->setWindowTitle(page.sTitle);
        frame->adjustSize();
        frame->show();
        QCoreApplication::processEvents();
        const QString file = QDir(directory).filePath(page.sKey + QStringLiteral(".png"));
        if (!frame->grab().save(file))
        {
            std::fprintf(stderr, "gallery: cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(QDir::cleanPath(QDir().absoluteFilePath(file))));
        delete frame;
    }
    return 0;
}

int ShowWindow()
{
    QTabWidget window;
    window.setWindowTitle(QStringLiteral("ZuRaradirIzurodudoz gallery"));
    for (const ZriGallery::SPage& page : ZriGallery::Pages())
    {
        auto* scroll = new QScrollArea;
        scroll->setWidget(MakePageFrame(page));
        scroll->setWidgetResizable(true);
        window.addTab(scroll, page.sTitle);
    }
    window.resize(1000, 700);
    window.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv)
{
    const SOptions options = ParseOptions(argc, argv);
    if (options.bHelp)
    {
        std::printf("usage: zri-gallery [--screenshot DIR]\n"
                    "  Without a display the pages are written to ./gallery-screenshots.\n");
        return 0;
    }
    if (options.bScreenshots && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    return options.bScreenshots ? WriteScreenshots(options.sScreenshotDir) : ShowWindow();
}
