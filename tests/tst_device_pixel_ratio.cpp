// Controls that keep pictures of what they draw paint the same pixels from them as without
// them, on images of device pixel ratio 1, 1.5 and 2; the controls sit at odd offsets, so at
// 1.5 they begin in the middle of a device pixel. The kept pictures stay within their budget.
#include "TestSupport.h"

#include "ArrowButton.h"
#include "BarScalePercent.h"
#include "BitmapButton.h"
#include "CheckBoxSwitch.h"
#include "KeyboardButton.h"
#include "KeyboardCheckBox.h"
#include "MediaButton.h"
#include "PictureCache.h"

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;

namespace
{

// Variant i of a control: mode, state, lamp and text change with i.
QWidget* Variant(const QString& control, int i)
{
    if (control == "arrow")
    {
        auto* arrow = new CArrowButton;
        arrow->SetMode(CArrowButton::EMode(i));
        arrow->setDown(i % 3 == 0);
        return arrow;
    }
    if (control == "media")
    {
        auto* media = new CMediaButton;
        media->SetMode(CMediaButton::EMode(i));
        media->SetOnOffMode(CMediaButton::EOnOffMode(i % 3));
        media->SetOn(i % 4 != 1);
        media->setEnabled(i != 4);
        return media;
    }
    if (control == "keys")
    {
        // Push keys with two or three legends, scaled or not, then every symbol on check keys.
        auto* key =
            i < 4 ? static_cast<QAbstractButton*>(new CKeyboardButton) : new CKeyboardCheckBox;
        auto* base = dynamic_cast<CKeyboardButtonBase*>(key);
        base->Set("!", i % 2 ? "1" : "", "F1");
        base->SetTextSizeMode(CKeyboardButtonBase::ETextSizeMode(i < 2));
        key->setEnabled(i != 2);
        key->setCheckable(true);
        key->setChecked(i % 2);
        const int symbols[] = {1, 3, 6, 7, 11, 12}; // filled, outline, block, long, corner
        if (i >= 4)
            base->Set(CKeyboardButtonBase::EKeyboardButtonMode(symbols[i - 4]));
        return key;
    }
    if (control == "bitmap")
    {
        QImage bitmap(30 + 6 * i, 20, QImage::Format_ARGB32);
        bitmap.fill(QColor(40, 120, 200, 128)); // see-through: the bevel shows through it
        auto* button = new CBitmapButton;
        button->setText("Fire");
        button->SetBitmap(bitmap, true);
        button->SetMode(CBitmapHelper::EMode(i % 4));
        button->setEnabled(i % 3);
        return button;
    }
    if (control == "switch")
    {
        auto* box = new CCheckBoxSwitch;
        box->setText(i % 4 ? "Pump" : "A text longer than the switch's room");
        box->setChecked(i % 2);
        box->SetDrawMode(CCheckBoxSwitch::EDrawMode(i / 5));
        box->SetTextMode(CCheckBoxSwitch::ETextMode(i % 3));
        return box;
    }
    auto* ruler = new CBarScalePercent;
    ruler->SetScaleMode(i % 2, i % 3);
    ruler->SetSteps(1 + i);
    return ruler;
}

// With a shift of one pixel at ratio 1.5, every control moves by half a device pixel.
QImage Render(QWidget& panel, qreal ratio, int shift = 0)
{
    QImage image((panel.size() + QSize(shift, shift)) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(ZriTest::kCanvas);
    panel.render(&image, QPoint(shift, shift));
    return image;
}

} // namespace

class TestDevicePixelRatio : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Detail::SetPaintCachesEnabled(true);
        QApplication::setPalette(ZriTest::TestPalette());
    }

    void picturesMatchDirectDrawing_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("ratio");
        const QList<QPair<const char*, QSize>> controls = {
            {"arrow", {41, 29}},  {"media", {71, 33}},  {"keys", {61, 45}},
            {"bitmap", {67, 31}}, {"switch", {81, 21}}, {"ruler", {37, 131}}};
        for (const auto& control : controls)
            for (const qreal ratio : {1.0, 1.5, 2.0})
                QTest::addRow("%s at %.1f", control.first, ratio)
                    << QString(control.first) << control.second << ratio;
    }

    // Ten variants of a control, drawn twice (the second time from kept pictures, which must not
    // grow) and a pixel further on; then with Light and Dark swapped and with another text colour,
    // which pictures of the old colours would not show.
    void picturesMatchDirectDrawing()
    {
        QFETCH(QString, control);
        QFETCH(QSize, size);
        QFETCH(qreal, ratio);
        QWidget panel;
        panel.resize(10 * (size.width() + 3), size.height() + 5);
        for (int i = 0; i < 10; ++i)
        {
            QWidget* widget = Variant(control, i);
            widget->setParent(&panel);
            widget->setGeometry(QRect(QPoint(1 + i * (size.width() + 3), 3 + i % 2), size));
        }
        for (const int change : {0, 1, 2})
        {
            QPalette palette = ZriTest::TestPalette();
            palette.setColor(QPalette::Light, change == 1 ? ZriTest::kDark : ZriTest::kLight);
            palette.setColor(QPalette::Dark, change == 1 ? ZriTest::kLight : ZriTest::kDark);
            if (change == 2)
                palette.setColor(QPalette::Active, QPalette::ButtonText, QColor(200, 60, 0));
            QApplication::setPalette(palette);
            const QImage first = Render(panel, ratio);
            const auto kept = Detail::PictureCacheSize();
            QCOMPARE(Render(panel, ratio), first);
            QCOMPARE(Detail::PictureCacheSize().nPictures, kept.nPictures);
            QCOMPARE(Detail::PictureCacheSize().nBytes, kept.nBytes);
            const QImage shifted = Render(panel, ratio, 1);
            Detail::SetPaintCachesEnabled(false);
            QCOMPARE(first, Render(panel, ratio));
            QCOMPARE(shifted, Render(panel, ratio, 1));
            Detail::SetPaintCachesEnabled(true);
        }
    }

    // A lamp at ratio 2 is drawn from a 30-pixel picture, not a doubled 15-pixel one; and many
    // sizes, each kept, never take the pictures past their budget.
    void lampAndBudget()
    {
        CMediaButton button;
        button.resize(120, 40);
        button.SetOnOffMode(CMediaButton::Steady);
        const QImage lamp = Render(button, 2).copy(2 * 99, 2 * 4, 30, 30);
        int oddPixels = 0;
        for (int y = 0; y < 30; y += 2)
            for (int x = 0; x < 30; x += 2)
                oddPixels += lamp.pixel(x, y) != lamp.pixel(x + 1, y + 1);
        QVERIFY2(oddPixels > 20, qPrintable(QString::number(oddPixels)));
        button.SetMode(CMediaButton::DropCrossed);
        for (int width = 200; width < 360; ++width)
        {
            button.resize(width, 200);
            Render(button, 2);
        }
        QVERIFY(Detail::PictureCacheSize().nBytes <= Detail::kPictureBudget);
        QVERIFY(Detail::PictureCacheSize().nPictures < 160);
    }
};

ZRI_TEST_MAIN(TestDevicePixelRatio)
#include "tst_device_pixel_ratio.moc"
