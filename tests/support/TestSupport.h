#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QProxyStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <functional>

class QPainter;
class QWidget;

// Shared set-up of every widget test: offscreen platform, Fusion style and a palette whose
// Light, Dark and ButtonText colours are distinct, so a probe can tell which role a pixel got.
namespace ZriTest
{

inline const QColor kLight{255, 255, 0};
inline const QColor kDark{0, 0, 255};
inline const QColor kButtonText{128, 0, 128};
inline const QColor kDisabledButtonText{0, 128, 128};
inline const QColor kButton{200, 200, 200};
/// Background of images drawn by RenderPainter; none of the palette colours.
inline const QColor kCanvas{16, 32, 48};

/// Selects the offscreen platform unless the caller chose one.
void PrepareEnvironment();
/// The directory of this process's translation files, made the registry's output directory.
/// Widgets that translate their texts create the library's translator, which then reads its
/// file from here and writes it here when the library unloads, not into the build tree.
QString TranslationDirectory();
/// Fusion style and the test palette on the running application.
void SetUpApplication();
QPalette TestPalette();

/// The widget painted at its current size into an RGB32 image.
QImage RenderWidget(QWidget& widget);
/// An RGB32 image of the given size, filled with kCanvas, painted by draw (antialiasing off).
QImage RenderPainter(const QSize& size, const std::function<void(QPainter&)>& draw);
/// The colour of one pixel; an invalid colour outside the image.
QColor PixelAt(const QImage& image, int x, int y);
/// Whether every pixel of the rectangle (inclusive) has the given colour.
bool AllPixels(const QImage& image, const QRect& rect, const QColor& color);
/// The points of the rectangle whose colour passes the test, row by row.
QVector<QPoint> PixelsWhere(const QImage& image, const QRect& rect,
                            const std::function<bool(const QColor&)>& test);
/// The points of the rectangle painted in one of the colours, row by row.
QVector<QPoint> PixelsOf(const QImage& image, const QRect& rect, const QList<QColor>& colors);

/// A new TWidget of the given size, prepared by setup(widget), painted into an image.
template <typename TWidget, typename TSetup> QImage Render(const QSize& size, TSetup&& setup)
{
    TWidget widget;
    widget.resize(size);
    setup(widget);
    return RenderWidget(widget);
}

/// A shown, exposed TWidget that counts its paint events.
template <typename TWidget> class CPaintCounter : public TWidget
{
public:
    explicit CPaintCounter(const QSize& size)
    {
        this->resize(size);
        this->show();
        QVERIFY(QTest::qWaitForWindowExposed(this));
        QCoreApplication::processEvents();
    }
    int m_nPaints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++m_nPaints;
        TWidget::paintEvent(event);
    }
};

/// Fusion that records the push-button bevels and the non-empty item texts it draws.
class CRecordingStyle : public QProxyStyle
{
public:
    struct SText
    {
        QString sText;
        QRect oRect;
        int nFlags;
        int nPixelSize; // of the painter's font
    };
    CRecordingStyle();
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                      bool enabled, const QString& text, QPalette::ColorRole role) const override;
    mutable QVector<QStyleOptionButton> m_vBevels;
    mutable QVector<SText> m_vTexts;
};

} // namespace ZriTest

/// main() of a test executable: the application is set up before the test object exists.
#define ZRI_TEST_MAIN(TestObject)                                                                  \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        ZriTest::PrepareEnvironment();                                                             \
        ZriTest::TranslationDirectory();                                                           \
        QApplication app(argc, argv);                                                              \
        ZriTest::SetUpApplication();                                                               \
        TestObject testObject;                                                                     \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&testObject, argc, argv);                                              \
    }

/// Compares a pixel with an expected colour and names both on failure.
#define ZRI_COMPARE_PIXEL(image, x, y, expected)                                                   \
    QCOMPARE(ZriTest::PixelAt((image), (x), (y)).name(), QColor(expected).name())
