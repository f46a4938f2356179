// Bitmap buttons: where the bitmap lands and which part of it shows, the engraved text, sizes.
#include "BitmapButton.h"
#include "BitmapCheckBox.h"
#include "BitmapGeometry.h"
#include "ShadedDrawing.h"
#include "TestSupport.h"

#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using EMode = CBitmapHelper::EMode;
using EAlignment = CBitmapHelper::EBitmapDefaultAlignment;

Q_DECLARE_METATYPE(EMode)
Q_DECLARE_METATYPE(EAlignment)

namespace
{

constexpr int kTag = 90;

// A bitmap whose pixel (x, y) has red 4x, green 4y and a blue tag, so a probe on the widget
// tells which source pixel landed there.
QImage CodedBitmap(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(4 * x, 4 * y, kTag));
    return image;
}

// The source pixel shown at (x, y), or (-1, -1) where no bitmap pixel is.
QPoint SourceAt(const QImage& image, int x, int y)
{
    const QColor color = ZriTest::PixelAt(image, x, y);
    if (color.blue() != kTag)
        return QPoint(-1, -1);
    return QPoint(color.red() / 4, color.green() / 4);
}

// A 58 x 28 button: content rectangle (4,4)-(53,23), 50 x 20.
QImage RenderBitmapButton(const QImage& bitmap, EAlignment alignment, bool enabled = true)
{
    CBitmapButton button;
    button.resize(58, 28);
    button.SetBitmap(bitmap, true);
    button.SetBitmapDefaultAlignment(alignment);
    button.setEnabled(enabled);
    return ZriTest::RenderWidget(button);
}

} // namespace

class TestBitmapButtons : public QObject
{
    Q_OBJECT

private slots:
    void placement_data();
    void placement();
    void sourcePixelsOnTheFace_data();
    void sourcePixelsOnTheFace();
    void disabledBitmapAtTheSamePlace();
    void engravedText();
    void engravedTextLikeDrawText_data();
    void engravedTextLikeDrawText();
    void bitmapSources();
    void resizeToTheLargerBitmap();
    void checkBoxTogglesAnywhere();
    void degenerateSizesAndValues();
};

void TestBitmapButtons::placement_data()
{
    QTest::addColumn<EMode>("mode");
    QTest::addColumn<EAlignment>("alignment");
    QTest::addColumn<QSize>("bitmap");
    QTest::addColumn<bool>("draw");
    QTest::addColumn<QRect>("target");
    QTest::addColumn<QRect>("source");
    const auto aligned = CBitmapHelper::Aligned;
    // Face (4,4) 50 x 20; a 32 x 32 bitmap is 18 narrower and 12 taller than the face.
    QTest::newRow("centre") << aligned << CBitmapHelper::CenterAligned << QSize(32, 32) << true
                            << QRect(13, 4, 32, 20) << QRect(0, 6, 32, 20);
    QTest::newRow("right") << aligned << CBitmapHelper::RightAligned << QSize(32, 32) << true
                           << QRect(22, 4, 32, 20) << QRect(0, 6, 32, 20);
    QTest::newRow("bottom") << aligned << CBitmapHelper::BottomAligned << QSize(32, 32) << true
                            << QRect(13, 4, 32, 20) << QRect(0, 12, 32, 20);
    QTest::newRow("unknown alignment: top left")
        << aligned << EAlignment(9) << QSize(32, 32) << true << QRect(4, 4, 32, 20)
        << QRect(0, 0, 32, 20);
    QTest::newRow("wide bitmap cropped both sides")
        << aligned << CBitmapHelper::CenterAligned << QSize(60, 30) << true << QRect(4, 4, 50, 20)
        << QRect(5, 5, 50, 20);
    QTest::newRow("icon size") << CBitmapHelper::IconSize << CBitmapHelper::CenterAligned
                               << QSize(64, 32) << true << QRect(4, 10, 16, 8) << QRect();
    QTest::newRow("stretched") << CBitmapHelper::Stretched << CBitmapHelper::RightAligned
                               << QSize(8, 8) << true << QRect(4, 4, 50, 20) << QRect();
    QTest::newRow("no bitmap mode") << CBitmapHelper::NoBitmap << CBitmapHelper::CenterAligned
                                    << QSize(8, 8) << false << QRect() << QRect();
}

void TestBitmapButtons::placement()
{
    QFETCH(EMode, mode);
    QFETCH(EAlignment, alignment);
    QFETCH(QSize, bitmap);
    QFETCH(bool, draw);
    QFETCH(QRect, target);
    QFETCH(QRect, source);
    const auto placement =
        Detail::BitmapPlacement(mode, alignment, QRect(4, 4, 50, 20), bitmap, QSize(16, 16));
    QCOMPARE(placement.bDraw, draw);
    if (!draw)
        return;
    QCOMPARE(placement.oTarget, target);
    QCOMPARE(placement.oSource, source);
}

void TestBitmapButtons::sourcePixelsOnTheFace_data()
{
    QTest::addColumn<EAlignment>("alignment");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("firstRow");
    QTest::newRow("centre: x L + 9, rows 6 to 25") << CBitmapHelper::CenterAligned << 13 << 6;
    QTest::newRow("right: x L + 18") << CBitmapHelper::RightAligned << 22 << 6;
    QTest::newRow("bottom: the last 20 rows") << CBitmapHelper::BottomAligned << 13 << 12;
}

// A 32 x 32 coded bitmap on the 50 x 20 face: its corners show where it starts and which rows
// the face crops away.
void TestBitmapButtons::sourcePixelsOnTheFace()
{
    QFETCH(EAlignment, alignment);
    QFETCH(int, left);
    QFETCH(int, firstRow);
    const QImage image = RenderBitmapButton(CodedBitmap(32, 32), alignment);
    QCOMPARE(SourceAt(image, left, 4), QPoint(0, firstRow));
    QCOMPARE(SourceAt(image, left + 31, 23), QPoint(31, firstRow + 19));
    QCOMPARE(SourceAt(image, left - 1, 10), QPoint(-1, -1));
    QCOMPARE(SourceAt(image, left + 32, 10), QPoint(-1, -1));
    QCOMPARE(SourceAt(image, left, 24), QPoint(-1, -1));
}

void TestBitmapButtons::disabledBitmapAtTheSamePlace()
{
    CBitmapButton button;
    button.resize(58, 28);
    button.SetBitmap(CodedBitmap(32, 32), true);
    button.setEnabled(false);
    // Only an enabled bitmap: the disabled button shows none.
    QCOMPARE(SourceAt(ZriTest::RenderWidget(button), 20, 10), QPoint(-1, -1));
    // A smaller disabled bitmap is placed by the larger one's size: at (13,4), rows from 6 on.
    QImage disabled = CodedBitmap(32, 32).copy(0, 0, 16, 16);
    button.SetBitmap(disabled, false);
    const QImage image = ZriTest::RenderWidget(button);
    QCOMPARE(SourceAt(image, 13, 4), QPoint(0, 6));
    QCOMPARE(SourceAt(image, 28, 13), QPoint(15, 15));
    QCOMPARE(SourceAt(image, 29, 13), QPoint(-1, -1));
}

// The text is engraved: dark and light copies beside it, all gone with draw text off.
void TestBitmapButtons::engravedText()
{
    CBitmapButton button;
    button.resize(80, 30);
    const QImage bare = ZriTest::RenderWidget(button);
    button.setText(QStringLiteral("Hello"));
    const QImage engraved = ZriTest::RenderWidget(button).copy(4, 4, 72, 22);
    const QVector<QRgb> pixels(reinterpret_cast<const QRgb*>(engraved.constBits()),
                               reinterpret_cast<const QRgb*>(engraved.constBits()) + 72 * 22);
    QVERIFY(pixels.contains(ZriTest::kDark.rgb()) && pixels.contains(ZriTest::kLight.rgb()));
    for (EMode mode : {CBitmapHelper::NoBitmap, CBitmapHelper::Aligned, CBitmapHelper::Stretched})
    {
        button.SetMode(mode);
        button.SetDrawText(false);
        QCOMPARE(ZriTest::RenderWidget(button), bare);
        button.SetDrawText(true);
    }
}

void TestBitmapButtons::engravedTextLikeDrawText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("button face") << "Fire" << 0 << QRect(4, 4, 72, 22);
    QTest::newRow("large font") << "Hello" << 20 << QRect(0, 1, 90, 33);
    QTest::newRow("clipped by the face") << "Hello world" << 0 << QRect(4, 4, 30, 10);
    QTest::newRow("two lines") << "A\nB" << 9 << QRect(2, 2, 60, 40);
}

// The engraved copies are laid out once and kept; the pixels must stay those of drawText.
void TestBitmapButtons::engravedTextLikeDrawText()
{
    QFETCH(QString, text);
    QFETCH(int, pixelSize);
    QFETCH(QRect, rect);
    QFont font;
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    const auto draw = [&](bool engraved)
    {
        return ZriTest::RenderPainter(QSize(100, 50),
                                      [&](QPainter& painter)
                                      {
                                          painter.setFont(font);
                                          painter.setPen(ZriTest::kButtonText);
                                          if (engraved)
                                              return DrawShadedText(painter, rect, text, true, 1);
                                          for (int offset : {-1, 1, 0})
                                          {
                                              painter.setPen(offset < 0   ? ZriTest::kDark
                                                             : offset > 0 ? ZriTest::kLight
                                                                          : ZriTest::kButtonText);
                                              painter.drawText(rect.translated(offset, offset),
                                                               Qt::AlignCenter, text);
                                          }
                                      });
    };
    const QImage reference = draw(false);
    QCOMPARE(draw(true), reference);
    QCOMPARE(draw(true), reference); // now from the kept layout
}

void TestBitmapButtons::bitmapSources()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("coded.png"));
    QVERIFY(CodedBitmap(32, 32).save(path));
    const QImage expected = RenderBitmapButton(CodedBitmap(32, 32), CBitmapHelper::CenterAligned);
    CBitmapButton button;
    button.resize(58, 28);
    button.SetBitmap(path, true);
    QCOMPARE(ZriTest::RenderWidget(button), expected);
    button.SetBitmap(QPixmap::fromImage(CodedBitmap(32, 32)), true);
    QCOMPARE(ZriTest::RenderWidget(button), expected);
    button.SetBitmap(dir.filePath(QStringLiteral("missing.png")), true);
    QCOMPARE(ZriTest::RenderWidget(button), RenderBitmapButton(QImage(), {}));
}

void TestBitmapButtons::resizeToTheLargerBitmap()
{
    CBitmapButton button;
    CBitmapCheckBox box;
    for (CBitmapHelper* helper :
         {static_cast<CBitmapHelper*>(&button), static_cast<CBitmapHelper*>(&box)})
    {
        helper->SetBitmap(QImage(40, 30, QImage::Format_RGB32), true);
        helper->SetBitmap(QImage(20, 50, QImage::Format_RGB32), false);
    }
    button.ResizeButton();
    box.ResizeCheckBox();
    QCOMPARE(button.size(), QSize(48, 58));
    QCOMPARE(box.size(), QSize(48, 58));
}

void TestBitmapButtons::checkBoxTogglesAnywhere()
{
    CBitmapCheckBox box;
    box.resize(60, 30);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(59, 29));
    QVERIFY(box.isChecked());
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(0, 0));
    QVERIFY(!box.isChecked());
}

void TestBitmapButtons::degenerateSizesAndValues()
{
    CBitmapButton button;
    button.setText(QStringLiteral("Text"));
    button.SetBitmap(CodedBitmap(12, 7), true);
    for (const QSize& size : {QSize(1, 1), QSize(3, 9), QSize(9, 9)})
        for (const QSize& icon : {QSize(0, 0), QSize(-2, 5), QSize(16, 16)})
            for (int mode = -1; mode <= 5; ++mode)
                for (int alignment = -1; alignment <= 6; ++alignment)
                {
                    button.resize(size);
                    button.setIconSize(icon);
                    button.SetMode(EMode(mode));
                    button.SetBitmapDefaultAlignment(EAlignment(alignment));
                    ZriTest::RenderWidget(button);
                    // A 0 x 0 widget never paints: its face (-4,-4)-(-5,-5) must still place.
                    const auto placement = Detail::BitmapPlacement(
                        EMode(mode), EAlignment(alignment), QRect(QPoint(4, 4), QPoint(-5, -5)),
                        QSize(12, 7), icon);
                    QVERIFY(!placement.bDraw || placement.oTarget.isValid());
                }
}

ZRI_TEST_MAIN(TestBitmapButtons)
#include "tst_bitmap_buttons.moc"
