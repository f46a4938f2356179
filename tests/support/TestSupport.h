#pragma once

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <functional>
#include <vector>

// Shared set-up of every widget test: offscreen platform, Fusion style and a palette whose
// Light, Dark and ButtonText colours are distinct, so a probe can tell which role a pixel got.
namespace ZriTest
{

inline const QColor kLight{255, 255, 0};
inline const QColor kDark{0, 0, 255};
inline const QColor kButtonText{128, 0, 128};

/// Selects the offscreen platform unless the caller chose one; settings go to a scratch place.
void PrepareEnvironment();
/// The directory of this process's translation files, made the registry's output directory:
/// the library's translator reads and writes its file there, never in the build tree. A
/// temporary one, unless the environment's ZRI_TEST_TRANSLATIONS names the (temporary)
/// directory of a test that runs this program and looks at what it leaves.
QString TranslationDirectory();
/// Fusion style and the test palette (disabled button text: 0, 128, 128) on the application.
void SetUpApplication();
QPalette TestPalette();
/// DejaVu Sans at a pixel size. The ruler's bands are as high as its fonts, and Qt 5 and Qt 6
/// round font heights differently; at 16 px (19 high) and 29 px (34 high) they agree.
QFont PixelFont(int pixelSize);

/// The widget painted at its current size into an RGB32 image.
QImage RenderWidget(QWidget& widget);
/// The same at a device pixel ratio, moved by shift logical pixels (at 1.5 a shift of one
/// starts the widget mid device pixel).
QImage RenderAt(QWidget& widget, qreal ratio, int shift = 0,
                QImage::Format format = QImage::Format_RGB32);

/// Counts the paint events of the widgets that install it as their event filter.
class CPaintCounter : public QObject
{
public:
    int m_nPaints = 0;

protected:
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        m_nPaints += pEvent->type() == QEvent::Paint;
        return false;
    }
};

/// What an installed update handler (a UI-test tool's) hears while each step runs: per step
/// the texts describe gives the events, joined by ", " (an empty text ignores the event).
QStringList Heard(const std::function<QString(QAccessibleEvent*)>& describe,
                  const std::vector<std::function<void()>>& steps);
/// One letter per point of "x,y x,y ...": T button text, t disabled button text, L light,
/// D dark, G lamp on, g lamp off, R and O the switch's red and green halves, M and C magenta
/// and cyan (test bitmaps, fills), '.' anything else.
QString Colours(const QImage& image, const QString& points);
QString Colours(QWidget& widget, const QString& points);

QByteArray ReadAll(const QString& path); // "<none>" when the file cannot be read
void WriteAll(const QString& path, const QByteArray& bytes);
/// A translation file: the settings (quoted as in the file) and the entry lines.
QByteArray TrlText(const QByteArray& module, const QByteArray& language, const QByteArray& bases,
                   const QByteArray& entries);

/// String columns, then one row per entry: its tag followed by one text per column.
void AddRows(std::initializer_list<const char*> columns,
             std::initializer_list<std::vector<const char*>> rows);

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
