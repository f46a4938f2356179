#include "TestSupport.h"

#include "TranslatorRegistry.h"

#include <QFile>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <algorithm>

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
    // A translation file of a module in a system folder goes to the user's data folder.
    qputenv("XDG_DATA_HOME", QFile::encodeName(s_Settings.path()));
}

QString TranslationDirectory()
{
    // Created before the first translator, so destroyed after it: static objects go in the
    // reverse order of their construction, and the translator writes while it is destroyed.
    static QTemporaryDir s_Directory;
    // A test that watches a run of its own program from outside names the place to watch.
    static const QString s_Path = qEnvironmentVariableIsSet("ZRI_TEST_TRANSLATIONS")
                                      ? qEnvironmentVariable("ZRI_TEST_TRANSLATIONS")
                                      : s_Directory.path();
    Varo::Fenra::Internationalisation::CTranslatorRegistry::SetOutputDirectory(
        s_Path.toStdString());
    return s_Path;
}

QFont PixelFont(int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    return font;
}

QPalette TestPalette()
{
    QPalette palette = QApplication::style()->standardPalette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    {
        palette.setColor(group, QPalette::Light, kLight);
        palette.setColor(group, QPalette::Dark, kDark);
        palette.setColor(group, QPalette::ButtonText,
                         group == QPalette::Disabled ? QColor(0, 128, 128) : kButtonText);
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
    image.fill(QColor(16, 32, 48)); // none of the colours Colours() names
    widget.render(&image);
    return image;
}

QImage RenderAt(QWidget& widget, qreal ratio, int shift, QImage::Format format)
{
    QImage image((widget.size() + QSize(shift, shift)) * ratio, format);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(16, 32, 48));
    widget.render(&image, QPoint(shift, shift));
    return image;
}

QStringList Heard(const std::function<QString(QAccessibleEvent*)>& describe,
                  const std::vector<std::function<void()>>& steps)
{
    static std::function<QString(QAccessibleEvent*)> s_Describe;
    static QStringList s_Texts;
    s_Describe = describe;
    const auto previous = QAccessible::installUpdateHandler(
        [](QAccessibleEvent* pEvent)
        {
            if (const QString text = s_Describe(pEvent); !text.isEmpty())
                s_Texts << text;
        });
    QStringList heard;
    for (const auto& step : steps)
    {
        s_Texts.clear();
        step();
        heard << s_Texts.join(", ");
    }
    QAccessible::installUpdateHandler(previous);
    return heard;
}

QString Colours(const QImage& image, const QString& points)
{
    const QRgb known[] = {kButtonText.rgb(), qRgb(0, 128, 128),   kLight.rgb(),    kDark.rgb(),
                          qRgb(0, 255, 0),   qRgb(128, 128, 128), qRgb(192, 0, 0), qRgb(0, 192, 0),
                          qRgb(255, 0, 255), qRgb(0, 255, 255)};
    const QString letters = "TtLDGgROMC";
    QString result;
    for (const QString& point : points.split(' ', Qt::SkipEmptyParts))
    {
        const int x = point.section(',', 0, 0).toInt(), y = point.section(',', 1).toInt();
        const QRgb rgb = image.valid(x, y) ? image.pixel(x, y) : 0;
        const auto i = std::find(std::begin(known), std::end(known), rgb) - std::begin(known);
        result += i < letters.size() ? letters[int(i)] : QChar('.');
    }
    return result;
}

QString Colours(QWidget& widget, const QString& points)
{
    return Colours(RenderWidget(widget), points);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TrlText(const QByteArray& module, const QByteArray& language, const QByteArray& bases,
                   const QByteArray& entries)
{
    return "TF(0001)\nSettings\n(\n\tModuleName(" + module + ")\n\tLanguage(" + language +
           ")\n\tBaseModules(" + bases + ")\n)\nTranslations\n(\n" + entries + ")\n";
}

void AddRows(std::initializer_list<const char*> columns,
             std::initializer_list<std::vector<const char*>> rows)
{
    for (const char* pszColumn : columns) // the table keeps the name's pointer
        QTest::addColumn<QString>(pszColumn);
    for (const auto& row : rows)
    {
        QTestData& data = QTest::newRow(row.at(0));
        for (std::size_t i = 1; i < row.size(); ++i)
            data << QString::fromUtf8(row[i]);
    }
}

} // namespace ZriTest
