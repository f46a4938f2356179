#include "TestSupport.h"

#include "TranslatorRegistry.h"

#include <QFile>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QWidget>

namespace ZriTest
{

void PrepareEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // What widgets and file dialogs store in the settings (header states, the dialogs' last
    // places) goes to a directory of this run, never into the configuration of whoever runs it.
    static QTemporaryDir s_Settings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(s_Settings.path()));
}

QString TranslationDirectory()
{
    // Created before the first translator, so destroyed after it: static objects go in the
    // reverse order of their construction, and the translator writes while it is destroyed.
    static QTemporaryDir s_Directory;
    Varo::Fenra::Internationalisation::CTranslatorRegistry::SetOutputDirectory(
        s_Directory.path().toStdString());
    return s_Directory.path();
}

QPalette TestPalette()
{
    QPalette palette = QApplication::style()->standardPalette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    {
        palette.setColor(group, QPalette::Light, kLight);
        palette.setColor(group, QPalette::Dark, kDark);
        palette.setColor(group, QPalette::Button, kButton);
        palette.setColor(group, QPalette::ButtonText,
                         group == QPalette::Disabled ? kDisabledButtonText : kButtonText);
    }
    return palette;
}

void SetUpApplication()
{
    // The style first: setting a style resets the application palette to the style's own.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(TestPalette());
}

QImage RenderWidget(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(kCanvas);
    widget.render(&image);
    return image;
}

QImage RenderPainter(const QSize& size, const std::function<void(QPainter&)>& draw)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(kCanvas);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    draw(painter);
    return image;
}

QColor PixelAt(const QImage& image, int x, int y)
{
    if (!image.valid(x, y))
        return QColor();
    return QColor(image.pixel(x, y));
}

bool AllPixels(const QImage& image, const QRect& rect, const QColor& color)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (PixelAt(image, x, y) != color)
                return false;
    return true;
}

QVector<QPoint> PixelsWhere(const QImage& image, const QRect& rect,
                            const std::function<bool(const QColor&)>& test)
{
    QVector<QPoint> points;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (test(PixelAt(image, x, y)))
                points << QPoint(x, y);
    return points;
}

QVector<QPoint> PixelsOf(const QImage& image, const QRect& rect, const QList<QColor>& colors)
{
    return PixelsWhere(image, rect, [&](const QColor& color) { return colors.contains(color); });
}

CRecordingStyle::CRecordingStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

void CRecordingStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const
{
    if (element == CE_PushButton)
        m_vBevels << *qstyleoption_cast<const QStyleOptionButton*>(option);
    QProxyStyle::drawControl(element, option, painter, widget);
}

void CRecordingStyle::drawItemText(QPainter* painter, const QRect& rect, int flags,
                                   const QPalette& palette, bool enabled, const QString& text,
                                   QPalette::ColorRole role) const
{
    if (!text.isEmpty()) // a bevel asks for its own empty label too
        m_vTexts.push_back({text, rect, flags, painter->font().pixelSize()});
    QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, role);
}

} // namespace ZriTest
