// Bitmap buttons: where the bitmap lands and which part of it shows, the engraved text, sizes.
#include "BitmapButton.h"
#include "BitmapCheckBox.h"
#include "BitmapGeometry.h"
#include "TestSupport.h"

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
QImage RenderBitmapButton(const QImage& bitmap, EAlignment alignment)
{
    return ZriTest::Render<CBitmapButton>(QSize(58, 28),
                                          [&](CBitmapButton& button)
                                          {
                                              button.SetBitmap(bitmap, true);
                                              button.SetBitmapDefaultAlignment(alignment);
                                          });
}

} // namespace

class TestBitmapButtons : public QObject
{
    Q_OBJECT

private slots:
    void placement_data()
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
            << aligned << CBitmapHelper::CenterAligned << QSize(60, 30) << true
            << QRect(4, 4, 50, 20) << QRect(5, 5, 50, 20);
        QTest::newRow("icon size") << CBitmapHelper::IconSize << CBitmapHelper::CenterAligned
                                   << QSize(64, 32) << true << QRect(4, 10, 16, 8) << QRect();
        QTest::newRow("stretched") << CBitmapHelper::Stretched << CBitmapHelper::RightAligned
                                   << QSize(8, 8) << true << QRect(4, 4, 50, 20) << QRect();
        QTest::newRow("no bitmap mode") << CBitmapHelper::NoBitmap << CBitmapHelper::CenterAligned
                                        << QSize(8, 8) << false << QRect() << QRect();
    }

    void placement()
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

    // A 32 x 32 coded bitmap on the 50 x 20 face, bottom aligned: its corners show that it starts
    // at x L + 9 and that the face keeps its last 20 rows.
    void sourcePixelsOnTheFace()
    {
        const QImage image = RenderBitmapButton(CodedBitmap(32, 32), CBitmapHelper::BottomAligned);
        QCOMPARE(SourceAt(image, 13, 4), QPoint(0, 12));
        QCOMPARE(SourceAt(image, 44, 23), QPoint(31, 31));
        for (const QPoint& outside : {QPoint(12, 10), QPoint(45, 10), QPoint(13, 24)})
            QCOMPARE(SourceAt(image, outside.x(), outside.y()), QPoint(-1, -1));
    }

    void disabledBitmapAtTheSamePlace()
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
    void engravedText()
    {
        CBitmapButton button;
        button.resize(80, 30);
        const QImage bare = ZriTest::RenderWidget(button);
        button.setText(QStringLiteral("Hello"));
        const QImage engraved = ZriTest::RenderWidget(button);
        for (const QColor& color : {ZriTest::kDark, ZriTest::kLight})
            QVERIFY(!ZriTest::PixelsOf(engraved, QRect(4, 4, 72, 22), {color}).isEmpty());
        for (EMode mode :
             {CBitmapHelper::NoBitmap, CBitmapHelper::Aligned, CBitmapHelper::Stretched})
        {
            button.SetMode(mode);
            button.SetDrawText(false);
            QCOMPARE(ZriTest::RenderWidget(button), bare);
            button.SetDrawText(true);
        }
    }

    void bitmapSources()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("coded.png"));
        QVERIFY(CodedBitmap(32, 32).save(path));
        const QImage expected =
            RenderBitmapButton(CodedBitmap(32, 32), CBitmapHelper::CenterAligned);
        CBitmapButton button;
        button.resize(58, 28);
        button.SetBitmap(path, true);
        QCOMPARE(ZriTest::RenderWidget(button), expected);
        button.SetBitmap(QPixmap::fromImage(CodedBitmap(32, 32)), true);
        QCOMPARE(ZriTest::RenderWidget(button), expected);
        button.SetBitmap(dir.filePath(QStringLiteral("missing.png")), true);
        QCOMPARE(ZriTest::RenderWidget(button), RenderBitmapButton(QImage(), {}));
    }

    void resizeToTheLargerBitmap()
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

    void checkBoxTogglesAnywhere()
    {
        CBitmapCheckBox box;
        box.resize(60, 30);
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(59, 29));
        QVERIFY(box.isChecked());
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(0, 0));
        QVERIFY(!box.isChecked());
    }

    // A 0 x 0 button never paints, but its face (4,4)-(-5,-5) must still place to nothing or to a
    // valid rectangle, whatever the mode, alignment and icon size.
    void degenerateFacePlacesNothingInvalid()
    {
        for (const QSize& icon : {QSize(0, 0), QSize(-2, 5), QSize(16, 16)})
            for (int mode = -1; mode <= 4; ++mode)
                for (int alignment = -1; alignment <= 5; ++alignment)
                {
                    const auto placement = Detail::BitmapPlacement(
                        EMode(mode), EAlignment(alignment), QRect(QPoint(4, 4), QPoint(-5, -5)),
                        QSize(12, 7), icon);
                    QVERIFY(!placement.bDraw || placement.oTarget.isValid());
                }
    }
};

ZRI_TEST_MAIN(TestBitmapButtons)
#include "tst_bitmap_buttons.moc"
