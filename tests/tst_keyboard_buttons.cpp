// Keyboard keys: symbol outlines, where the legends go and in which size, the pressed shift.
#include "KeyboardButton.h"
#include "KeyboardCheckBox.h"
#include "KeyboardGeometry.h"
#include "TestSupport.h"

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using ZriTest::kButtonText;
using EMode = CKeyboardButtonBase::EKeyboardButtonMode;

Q_DECLARE_METATYPE(EMode)

namespace
{

// The points painted in the symbol colour.
QVector<QPoint> Ink(const QImage& image)
{
    return ZriTest::PixelsOf(image, image.rect(), {kButtonText});
}

QImage RenderKey(QAbstractButton& key, EMode mode, const QSize& size = QSize(60, 50))
{
    key.resize(size);
    dynamic_cast<CKeyboardButtonBase&>(key).Set(mode);
    return ZriTest::RenderWidget(key);
}

} // namespace

class TestKeyboardButtons : public QObject
{
    Q_OBJECT

private slots:
    void symbolPolygon_data()
    {
        QTest::addColumn<EMode>("mode");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("points");
        // Thin arrows stand at L + W / 2 in a face narrower than 24 pixels, else at L + 12.
        QTest::newRow("up, 20 wide") << CKeyboardButtonBase::ArrowUp << QRect(4, 4, 20, 50)
                                     << "14,8 10,20 13,20 13,38 15,38 15,20 19,20 15,8";
        QTest::newRow("up, 24 wide") << CKeyboardButtonBase::ArrowUp << QRect(4, 4, 24, 50)
                                     << "16,8 12,20 15,20 15,38 17,38 17,20 21,20 17,8";
        // 30 high (< 39): the shafts end at the opposite inset edge, B - b = 29 or T + b = 8.
        QTest::newRow("up, short") << CKeyboardButtonBase::ArrowUp << QRect(4, 4, 40, 30)
                                   << "16,8 12,20 15,20 15,29 17,29 17,20 21,20 17,8";
        QTest::newRow("outline down, short")
            << CKeyboardButtonBase::OutlineArrowDown << QRect(4, 4, 40, 30)
            << "16,29 10,19 14,19 14,8 18,8 18,19 23,19 17,29";
        QTest::newRow("right") << CKeyboardButtonBase::ArrowRight << QRect(0, 0, 60, 20)
                               << "34,9 22,5 22,8 4,8 4,10 22,10 22,14 34,10";
        QTest::newRow("long left") << CKeyboardButtonBase::LongArrowLeft << QRect(0, 0, 100, 20)
                                   << "4,10 16,6 16,9 44,9 44,11 16,11 16,15 4,11";
        QTest::newRow("block") << CKeyboardButtonBase::BlockArrowUp3 << QRect(0, 0, 40, 30)
                               << "20,4 35,15 29,15 29,25 10,25 10,15 4,15";
        QTest::newRow("corner") << CKeyboardButtonBase::CornerArrow << QRect(0, 0, 80, 60)
                                << "20,53 32,49 32,52 39,52 39,5 41,5 41,54 32,54 32,58 20,54";
        QTest::newRow("out of range") << EMode(13) << QRect(0, 0, 40, 30) << "";
    }

    void symbolPolygon()
    {
        QFETCH(EMode, mode);
        QFETCH(QRect, rect);
        QFETCH(QString, points);
        QPolygon polygon;
        for (const QString& point : points.split(' ', Qt::SkipEmptyParts))
            polygon << QPoint(point.section(',', 0, 0).toInt(), point.section(',', 1, 1).toInt());
        QCOMPARE(Detail::KeyboardSymbolPolygon(mode, rect, 4), polygon);
    }

    void blockArrowModesLookAlike()
    {
        CKeyboardButton key;
        const QImage first = RenderKey(key, CKeyboardButtonBase::BlockArrowUp1);
        QVERIFY(!Ink(first).isEmpty());
        for (EMode mode : {CKeyboardButtonBase::BlockArrowUp2, CKeyboardButtonBase::BlockArrowUp3,
                           CKeyboardButtonBase::BlockArrowUp4})
            QCOMPARE(RenderKey(key, mode), first);
    }

    // Content (4,4)-(55,45): the thin up arrow's shaft column x = 16 lies inside the filled
    // outline; the hollow block arrow leaves its inside (26,30) unpainted.
    void filledAndHollowSymbols()
    {
        CKeyboardButton key;
        ZRI_COMPARE_PIXEL(RenderKey(key, CKeyboardButtonBase::ArrowUp), 16, 30, kButtonText);
        const QImage block = RenderKey(key, CKeyboardButtonBase::BlockArrowUp1);
        ZRI_COMPARE_PIXEL(block, 20, 41, kButtonText);
        QVERIFY(ZriTest::PixelAt(block, 26, 30) != kButtonText);
    }

    void labelSizes_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("bottomLeft");
        QTest::addColumn<QVector<int>>("pixelSizes");
        // A 100 x 68 key with border 4 has a content rectangle 60 high: H / 3 = 20, H / 4 = 15.
        QTest::newRow("scaled") << "scaled"
                                << "" << QVector<int>{20, 15};
        QTest::newRow("scaled, bottom-left set") << "scaled"
                                                 << "Alt" << QVector<int>{-1, -1, -1};
        QTest::newRow("fixed") << ""
                               << "" << QVector<int>{-1, -1};
        QTest::newRow("check box ignores scaling") << "box scaled"
                                                   << "" << QVector<int>{-1, -1};
        QTest::newRow("check box checked") << "box down"
                                           << "Alt" << QVector<int>{-1, -1, -1};
    }

    // Each legend goes into the content rectangle with its corner's alignment, in the scaled size
    // or the widget's font (pixel size -1); pressing or checking moves the rectangle by (1,1).
    void labelSizes()
    {
        QFETCH(QString, setup);
        QFETCH(QString, bottomLeft);
        QFETCH(QVector<int>, pixelSizes);
        const bool checkBox = setup.contains("box");
        const bool scaled = setup.contains("scaled");
        const bool down = setup.contains("down");
        CKeyboardButton button;
        CKeyboardCheckBox box;
        QAbstractButton& key = checkBox ? static_cast<QAbstractButton&>(box) : button;
        auto& base = dynamic_cast<CKeyboardButtonBase&>(key);
        ZriTest::CRecordingStyle style;
        key.setStyle(&style);
        key.resize(100, 68);
        key.setCheckable(checkBox);
        (checkBox ? key.setChecked(down) : key.setDown(down));
        base.SetTextSizeMode(scaled ? CKeyboardButtonBase::ScaledSize
                                    : CKeyboardButtonBase::FixedSize);
        base.Set("Q", bottomLeft.toStdString(), "q");
        style.m_vTexts.clear();
        ZriTest::RenderWidget(key);

        const QRect content = QRect(4, 4, 92, 60).translated(down ? QPoint(1, 1) : QPoint());
        QStringList texts{"Q", "q"};
        QVector<int> flags{Qt::AlignLeft | Qt::AlignTop, Qt::AlignRight | Qt::AlignBottom};
        if (!bottomLeft.isEmpty())
        {
            texts.insert(1, bottomLeft);
            flags.insert(1, Qt::AlignLeft | Qt::AlignBottom);
        }
        QCOMPARE(int(style.m_vTexts.size()), texts.size());
        for (int i = 0; i < texts.size(); ++i)
        {
            QCOMPARE(style.m_vTexts[i].sText, texts[i]);
            QCOMPARE(style.m_vTexts[i].oRect, content);
            QCOMPARE(style.m_vTexts[i].nFlags, flags[i]);
            QCOMPARE(style.m_vTexts[i].nPixelSize, pixelSizes[i]);
        }
    }

    void pressedShiftsSymbol()
    {
        for (EMode mode : {CKeyboardButtonBase::ArrowDown, CKeyboardButtonBase::CornerArrow})
        {
            CKeyboardButton key;
            const QImage normal = RenderKey(key, mode);
            key.setDown(true);
            CKeyboardCheckBox box;
            box.setCheckable(true);
            box.setChecked(true);
            QVector<QPoint> shifted = Ink(normal);
            for (QPoint& point : shifted)
                point += QPoint(1, 1);
            QCOMPARE(Ink(RenderKey(key, mode)), shifted);
            QCOMPARE(Ink(RenderKey(box, mode)), shifted);
        }
    }

    // A symbol hides the legends without forgetting them; the one-argument Set clears the others.
    // Every setter repaints at once, so no explicit render is needed here.
    void labelsSurviveSymbolMode()
    {
        CKeyboardButton key;
        ZriTest::CRecordingStyle style;
        key.setStyle(&style);
        key.resize(60, 40);
        key.show();
        QVERIFY(QTest::qWaitForWindowExposed(&key));
        key.Set("1", "2", "3");
        style.m_vTexts.clear();
        key.Set(CKeyboardButtonBase::ArrowUp);
        QVERIFY(style.m_vTexts.empty());
        key.Set(CKeyboardButtonBase::Labels);
        QCOMPARE(int(style.m_vTexts.size()), 3);
        style.m_vTexts.clear();
        key.Set("X");
        QCOMPARE(int(style.m_vTexts.size()), 1);
    }

    void checkBoxTogglesAnywhere()
    {
        CKeyboardCheckBox box;
        box.resize(80, 40);
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(79, 39));
        QVERIFY(box.isChecked());
    }
};

ZRI_TEST_MAIN(TestKeyboardButtons)
#include "tst_keyboard_buttons.moc"
