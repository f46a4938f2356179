// The widget gallery: every widget of the library, page by page. With a display it opens a
// window; without one, or with --screenshot DIR, it renders each page to DIR/<page>.png.
// --dark gives the whole application a dark palette, --scale N a device pixel ratio of N, and
// --page KEY limits the screenshots to one page. --translations DIR sends the translation file
// that the library writes at exit (the texts it showed) to DIR instead of beside the library.
// --language NAME shows the library's own texts (dialog captions, error texts, accessible names)
// in that language, for example German, from the translation installed with the library.
#include "Gallery.h"
#include "TranslatorRegistry.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QScrollArea>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace
{

struct SOptions
{
    QString sScreenshotDir;
    QString sPage; ///< only this page's screenshot; empty: every page
    QByteArray scale;
    std::string sTranslationDir;
    std::string sLanguage;
    bool bScreenshots = false;
    bool bDark = false;
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
        else if (std::strcmp(argv[i], "--page") == 0 && i + 1 < argc)
            options.sPage = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--scale") == 0 && i + 1 < argc)
            options.scale = argv[++i];
        else if (std::strcmp(argv[i], "--translations") == 0 && i + 1 < argc)
            options.sTranslationDir = argv[++i];
        else if (std::strcmp(argv[i], "--language") == 0 && i + 1 < argc)
            options.sLanguage = argv[++i];
        else if (std::strcmp(argv[i], "--dark") == 0)
            options.bDark = true;
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

// A dark palette for the whole application. Light stays lighter and Dark darker than Button,
// so the engraved symbols keep their look.
QPalette DarkPalette()
{
    QPalette palette;
    const QColor window(53, 53, 56);
    const QColor text(220, 220, 220);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    {
        const bool bDisabled = group == QPalette::Disabled;
        palette.setColor(group, QPalette::Window, window);
        palette.setColor(group, QPalette::WindowText, bDisabled ? QColor(120, 120, 120) : text);
        palette.setColor(group, QPalette::Base, QColor(35, 35, 38));
        palette.setColor(group, QPalette::AlternateBase, QColor(45, 45, 48));
        palette.setColor(group, QPalette::Text, bDisabled ? QColor(120, 120, 120) : text);
        palette.setColor(group, QPalette::Button, QColor(64, 64, 68));
        palette.setColor(group, QPalette::ButtonText, bDisabled ? QColor(120, 120, 120) : text);
        palette.setColor(group, QPalette::Light, QColor(105, 105, 110));
        palette.setColor(group, QPalette::Midlight, QColor(85, 85, 90));
        palette.setColor(group, QPalette::Mid, QColor(45, 45, 48));
        palette.setColor(group, QPalette::Dark, QColor(25, 25, 28));
        palette.setColor(group, QPalette::Shadow, QColor(10, 10, 10));
        palette.setColor(group, QPalette::Highlight, QColor(42, 130, 218));
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
        palette.setColor(group, QPalette::ToolTipBase, window);
        palette.setColor(group, QPalette::ToolTipText, text);
        palette.setColor(group, QPalette::PlaceholderText, QColor(140, 140, 140));
    }
    return palette;
}

int WriteScreenshots(const QString& directory, const QString& onlyPage, const QString& suffix)
{
    if (!QDir().mkpath(directory))
    {
        std::fprintf(stderr, "gallery: cannot create %s\n", qPrintable(directory));
        return 1;
    }
    int nWritten = 0;
    for (const ZriGallery::SPage& page : ZriGallery::Pages())
    {
        if (!onlyPage.isEmpty() && page.sKey != onlyPage)
            continue;
        QWidget* frame = MakePageFrame(page);
        frame->setWindowTitle(page.sTitle);
        frame->adjustSize();
        frame->show();
        QCoreApplication::processEvents();
        const QString file = QDir(directory).filePath(page.sKey + suffix + QStringLiteral(".png"));
        if (!frame->grab().save(file))
        {
            std::fprintf(stderr, "gallery: cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(QDir::cleanPath(QDir().absoluteFilePath(file))));
        delete frame;
        ++nWritten;
    }
    if (nWritten == 0)
    {
        std::fprintf(stderr, "gallery: no page %s\n", qPrintable(onlyPage));
        return 1;
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
    // Wide enough for every tab, so that none hides behind scroll arrows; on a screen too
    // narrow for that the arrows are still there.
    const int nWidth = std::max(1000, window.tabBar()->sizeHint().width() + 40);
    window.resize(nWidth, 760);
    window.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv)
{
    const SOptions options = ParseOptions(argc, argv);
    if (options.bHelp)
    {
        std::printf(
            "usage: zri-gallery [--dark] [--scale N] [--screenshot DIR [--page KEY]]\n"
            "                   [--translations DIR] [--language NAME]\n"
            "  --dark        a dark palette for the whole application\n"
            "  --scale N     device pixel ratio N (pictures N times as large)\n"
            "  --screenshot  one PNG per page into DIR (KEY.png, KEY-dark.png, KEY-german.png)\n"
            "  --translations  the library's translation file goes to DIR\n"
            "  --language    the library's texts in that language (German)\n"
            "  Without a display the pages are written to ./gallery-screenshots.\n");
        return 0;
    }
    if (options.bScreenshots && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!options.sTranslationDir.empty())
        Varo::Fenra::Internationalisation::CTranslatorRegistry::SetOutputDirectory(
            options.sTranslationDir);
    // Before the first widget: the library's translator takes the language when it is created.
    if (!options.sLanguage.empty())
        Varo::Fenra::Internationalisation::CTranslatorRegistry::SetLanguage(options.sLanguage);
    ZriGallery::SetScreenshotRun(options.bScreenshots);
    if (!options.scale.isEmpty())
        qputenv("QT_SCALE_FACTOR", options.scale);
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (options.bDark)
        QApplication::setPalette(DarkPalette());
    QString suffix = options.bDark ? QStringLiteral("-dark") : QString();
    if (!options.sLanguage.empty())
        suffix += '-' + QString::fromStdString(options.sLanguage).toLower();
    return options.bScreenshots ? WriteScreenshots(options.sScreenshotDir, options.sPage, suffix)
                                : ShowWindow();
}
