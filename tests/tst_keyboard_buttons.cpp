// Keyboard keys: symbol outlines, where the legends go and in which size, the pressed shift.
#include "KeyboardButton.h"
#include "KeyboardCheckBox.h"
#include "KeyboardGeometry.h"
#include "TestSupport.h"

#include <QPainter>
#include <QProxyStyle>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using ZriTest::kButtonText;
using EMode = CKeyboardButtonBase::EKeyboardButtonMode;

Q_DECLARE_METATYPE(EMode)

namespace
{

struct SDrawnLabel
{
    QString sText;
    QRect oRect;
    int nFlags;
    int nPixelSize;
};

// Remembers every legend the key hands to the style, with the font it is drawn in.
class CRecordingStyle : public QProxyStyle
{
public:
    CRecordingStyle() : QProxyStyle(QStringLiteral("Fusion")) {}
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                      bool enabled, const QString& text, QPalette::ColorRole role) const override
    {
        if (!text.isEmpty()) // the bevel asks for its own (empty) label too
            m_vLabels.push_back({text, rect, flags, painter->font().pixelSize()});
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, role);
    }
    mutable std::vector<SDrawnLabel> m_vLabels;
};

class CCountingKey : public CKeyboardButton
{
public:
    using CKeyboardButton::CKeyboardButton;
    int m_nPaints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++m_nPaints;
        CKeyboardButton::paintEvent(event);
    }
};

// The points painted in the symbol colour, moved by offset.
QSet<QPair<int, int>> InkPoints(const QImage& image, const QPoint& offset = QPoint())
{
    QSet<QPair<int, int>> points;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (ZriTest::PixelAt(image, x, y) == kButtonText)
                points.insert({x + offset.x(), y + offset.y()});
    return points;
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
    void symbolPolygon_data();
    void symbolPolygon();
    void blockArrowModesLookAlike();
    void filledAndHollowSymbols();
    void labelSizes_data();
    void labelSizes();
    void pressedShiftsSymbol();
    void labelsSurviveSymbolMode();
    void labelInkStaysInItsCorner();
    void assignmentCopiesTheFace();
    void checkBoxTogglesAnywhere();
    void mixInCast();
    void degenerateSizesAndValues();
};

void TestKeyboardButtons::symbolPolygon_data()
{
    QTest::addColumn<EMode>("mode");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QPolygon>("polygon");
    // Thin arrows stand at L + W / 2 in a face narrower than 24 pixels, else at L + 12.
    QTest::newRow("up, 20 wide")
        << CKeyboardButtonBase::ArrowUp << QRect(4, 4, 20, 50)
        << QPolygon({{14, 8}, {10, 20}, {13, 20}, {13, 38}, {15, 38}, {15, 20}, {19, 20}, {15, 8}});
    QTest::newRow("up, 24 wide")
        << CKeyboardButtonBase::ArrowUp << QRect(4, 4, 24, 50)
        << QPolygon({{16, 8}, {12, 20}, {15, 20}, {15, 38}, {17, 38}, {17, 20}, {21, 20}, {17, 8}});
    // 30 high (< 39): the shafts end at the opposite inset edge, B - b = 29 or T + b = 8.
    QTest::newRow("up, short")
        << CKeyboardButtonBase::ArrowUp << QRect(4, 4, 40, 30)
        << QPolygon({{16, 8}, {12, 20}, {15, 20}, {15, 29}, {17, 29}, {17, 20}, {21, 20}, {17, 8}});
    QTest::newRow("down, short")
        << CKeyboardButtonBase::ArrowDown << QRect(4, 4, 40, 30)
        << QPolygon({{16, 29}, {12, 17}, {15, 17}, {15, 8}, {17, 8}, {17, 17}, {21, 17}, {17, 29}});
    QTest::newRow("outline up")
        << CKeyboardButtonBase::OutlineArrowUp << QRect(0, 0, 40, 60)
        << QPolygon({{12, 4}, {6, 14}, {10, 14}, {10, 34}, {14, 34}, {14, 14}, {19, 14}, {13, 4}});
    QTest::newRow("outline down, short")
        << CKeyboardButtonBase::OutlineArrowDown << QRect(0, 0, 40, 30)
        << QPolygon({{12, 25}, {6, 15}, {10, 15}, {10, 4}, {14, 4}, {14, 15}, {19, 15}, {13, 25}});
    QTest::newRow("left")
        << CKeyboardButtonBase::ArrowLeft << QRect(0, 0, 60, 20)
        << QPolygon({{4, 9}, {16, 5}, {16, 8}, {34, 8}, {34, 10}, {16, 10}, {16, 14}, {4, 10}});
    QTest::newRow("right, narrow")
        << CKeyboardButtonBase::ArrowRight << QRect(0, 0, 30, 20)
        << QPolygon({{25, 9}, {13, 5}, {13, 8}, {4, 8}, {4, 10}, {13, 10}, {13, 14}, {25, 10}});
    QTest::newRow("long left")
        << CKeyboardButtonBase::LongArrowLeft << QRect(0, 0, 100, 20)
        << QPolygon({{4, 10}, {16, 6}, {16, 9}, {44, 9}, {44, 11}, {16, 11}, {16, 15}, {4, 11}});
    QTest::newRow("block")
        << CKeyboardButtonBase::BlockArrowUp3 << QRect(0, 0, 40, 30)
        << QPolygon({{20, 4}, {35, 15}, {29, 15}, {29, 25}, {10, 25}, {10, 15}, {4, 15}});
    QTest::newRow("corner") << CKeyboardButtonBase::CornerArrow << QRect(0, 0, 80, 60)
                            << QPolygon({{20, 53},
                                         {32, 49},
                                         {32, 52},
                                         {39, 52},
                                         {39, 5},
                                         {41, 5},
                                         {41, 54},
                                         {32, 54},
                                         {32, 58},
                                         {20, 54}});
    QTest::newRow("labels") << CKeyboardButtonBase::Labels << QRect(0, 0, 40, 30) << QPolygon();
    QTest::newRow("13") << EMode(13) << QRect(0, 0, 40, 30) << QPolygon();
    QTest::newRow("-1") << EMode(-1) << QRect(0, 0, 40, 30) << QPolygon();
}

void TestKeyboardButtons::symbolPolygon()
{
    QFETCH(EMode, mode);
    QFETCH(QRect, rect);
    QFETCH(QPolygon, polygon);
    QCOMPARE(Detail::KeyboardSymbolPolygon(mode, rect, 4), polygon);
}

void TestKeyboardButtons::blockArrowModesLookAlike()
{
    CKeyboardButton key;
    const QImage first = RenderKey(key, CKeyboardButtonBase::BlockArrowUp1);
    QVERIFY(!InkPoints(first).isEmpty());
    for (EMode mode : {CKeyboardButtonBase::BlockArrowUp2, CKeyboardButtonBase::BlockArrowUp3,
                       CKeyboardButtonBase::BlockArrowUp4})
        QCOMPARE(RenderKey(key, mode), first);
}

// Content (4,4)-(55,45): the thin up arrow's shaft column x = 16 lies inside the filled
// outline; the hollow block arrow leaves its inside (26,30) unpainted.
void TestKeyboardButtons::filledAndHollowSymbols()
{
    CKeyboardButton key;
    ZRI_COMPARE_PIXEL(RenderKey(key, CKeyboardButtonBase::ArrowUp), 16, 30, kButtonText);
    const QImage block = RenderKey(key, CKeyboardButtonBase::BlockArrowUp1);
    ZRI_COMPARE_PIXEL(block, 20, 41, kButtonText);
    QVERIFY(ZriTest::PixelAt(block, 26, 30) != kButtonText);
}

void TestKeyboardButtons::labelSizes_data()
{
    QTest::addColumn<bool>("checkBox");
    QTest::addColumn<bool>("scaled");
    QTest::addColumn<QString>("bottomLeft");
    QTest::addColumn<bool>("down");
    QTest::addColumn<QVector<int>>("pixelSizes");
    // A 100 x 68 key with border 4 has a content rectangle 60 high: H / 3 = 20, H / 4 = 15.
    QTest::newRow("scaled") << false << true << "" << false << QVector<int>{20, 15};
    QTest::newRow("scaled, pressed") << false << true << "" << true << QVector<int>{20, 15};
    QTest::newRow("scaled, bottom-left set")
        << false << true << "Alt" << false << QVector<int>{-1, -1, -1};
    QTest::newRow("fixed") << false << false << "" << false << QVector<int>{-1, -1};
    QTest::newRow("check box ignores scaling")
        << true << true << "" << false << QVector<int>{-1, -1};
    QTest::newRow("check box checked")
        << true << false << "Alt" << true << QVector<int>{-1, -1, -1};
}

// Each legend goes into the content rectangle with its corner's alignment, in the scaled size
// or the widget's font (pixel size -1); pressing or checking moves the rectangle by (1,1).
void TestKeyboardButtons::labelSizes()
{
    QFETCH(bool, checkBox);
    QFETCH(bool, scaled);
    QFETCH(QString, bottomLeft);
    QFETCH(bool, down);
    QFETCH(QVector<int>, pixelSizes);
    CKeyboardButton button;
    CKeyboardCheckBox box;
    QAbstractButton& key = checkBox ? static_cast<QAbstractButton&>(box) : button;
    auto& base = dynamic_cast<CKeyboardButtonBase&>(key);
    CRecordingStyle style;
    key.setStyle(&style);
    key.resize(100, 68);
    key.setCheckable(checkBox);
    (checkBox ? key.setChecked(down) : key.setDown(down));
    base.SetTextSizeMode(scaled ? CKeyboardButtonBase::ScaledSize : CKeyboardButtonBase::FixedSize);
    base.Set("Q", bottomLeft.toStdString(), "q");
    style.m_vLabels.clear();
    ZriTest::RenderWidget(key);

    const QRect content = QRect(4, 4, 92, 60).translated(down ? QPoint(1, 1) : QPoint());
    QStringList texts{"Q", "q"};
    QVector<int> flags{Qt::AlignLeft | Qt::AlignTop, Qt::AlignRight | Qt::AlignBottom};
    if (!bottomLeft.isEmpty())
    {
        texts.insert(1, bottomLeft);
        flags.insert(1, Qt::AlignLeft | Qt::AlignBottom);
    }
    QCOMPARE(int(style.m_vLabels.size()), texts.size());
    for (int i = 0; i < texts.size(); ++i)
    {
        QCOMPARE(style.m_vLabels[i].sText, texts[i]);
        QCOMPARE(style.m_vLabels[i].oRect, content);
        QCOMPARE(style.m_vLabels[i].nFlags, flags[i]);
        QCOMPARE(style.m_vLabels[i].nPixelSize, pixelSizes[i]);
    }
}

void TestKeyboardButtons::pressedShiftsSymbol()
{
    for (EMode mode : {CKeyboardButtonBase::ArrowDown, CKeyboardButtonBase::CornerArrow})
    {
        CKeyboardButton key;
        const QImage normal = RenderKey(key, mode);
        key.setDown(true);
        QCOMPARE(InkPoints(RenderKey(key, mode)), InkPoints(normal, QPoint(1, 1)));
        CKeyboardCheckBox box;
        box.setCheckable(true);
        box.setChecked(true);
        QCOMPARE(InkPoints(RenderKey(box, mode)), InkPoints(normal, QPoint(1, 1)));
    }
}

// A symbol hides the legends without forgetting them; the one-argument Set clears the others.
void TestKeyboardButtons::labelsSurviveSymbolMode()
{
    CCountingKey key;
    CRecordingStyle style;
    key.setStyle(&style);
    key.resize(60, 40);
    key.show();
    QVERIFY(QTest::qWaitForWindowExposed(&key));
    const int paints = key.m_nPaints;
    key.Set("1", "2", "3");
    key.Set(CKeyboardButtonBase::ArrowUp);
    QCOMPARE(key.m_nPaints, paints + 2);
    style.m_vLabels.clear();
    ZriTest::RenderWidget(key);
    QVERIFY(style.m_vLabels.empty());
    key.Set(CKeyboardButtonBase::Labels);
    QCOMPARE(int(style.m_vLabels.size()), 3);
    key.Set(CKeyboardButtonBase::ArrowDown);
    style.m_vLabels.clear();
    key.Set("X");
    QCOMPARE(int(style.m_vLabels.size()), 1);
    QCOMPARE(style.m_vLabels[0].sText, QStringLiteral("X"));
}

// Real pixels: a top-left legend inks only the upper left, a bottom-right one the lower right.
void TestKeyboardButtons::labelInkStaysInItsCorner()
{
    CKeyboardButton key;
    key.resize(120, 60);
    key.Set("M", "", "");
    const auto topLeft = InkPoints(ZriTest::RenderWidget(key));
    key.Set("", "", "M");
    const auto bottomRight = InkPoints(ZriTest::RenderWidget(key));
    QVERIFY(!topLeft.isEmpty() && !bottomRight.isEmpty());
    for (const auto& point : topLeft)
        QVERIFY(point.first >= 4 && point.first < 60 && point.second >= 4 && point.second < 30);
    for (const auto& point : bottomRight)
        QVERIFY(point.first >= 60 && point.first <= 115 && point.second >= 30 &&
                point.second <= 55);
}

void TestKeyboardButtons::assignmentCopiesTheFace()
{
    CKeyboardButton source;
    source.SetTextBorder(9);
    source.Set(CKeyboardButtonBase::ArrowRight);
    CCountingKey copy;
    const int paints = copy.m_nPaints;
    static_cast<CKeyboardButtonBase&>(copy) = source;
    QCOMPARE(copy.m_nPaints, paints);
    QCOMPARE(RenderKey(copy, CKeyboardButtonBase::ArrowRight),
             RenderKey(source, CKeyboardButtonBase::ArrowRight));
}

void TestKeyboardButtons::checkBoxTogglesAnywhere()
{
    CKeyboardCheckBox box;
    box.resize(80, 40);
    for (const QPoint& point : {QPoint(0, 0), QPoint(79, 39), QPoint(40, 20)})
    {
        const bool before = box.isChecked();
        QTest::mouseClick(&box, Qt::LeftButton, {}, point);
        QCOMPARE(box.isChecked(), !before);
    }
}

void TestKeyboardButtons::mixInCast()
{
    CKeyboardButton button;
    CKeyboardCheckBox box;
    QCOMPARE(button.qt_metacast("CKeyboardButtonBase"),
             static_cast<void*>(static_cast<CKeyboardButtonBase*>(&button)));
    QCOMPARE(box.qt_metacast("CKeyboardButtonBase"),
             static_cast<void*>(static_cast<CKeyboardButtonBase*>(&box)));
    QCOMPARE(QString::fromLatin1(box.metaObject()->className()),
             QStringLiteral("Varo::FenraQtGui::ZuRaradirIzurodudoz::CKeyboardCheckBox"));
}

// Every mode and border, in range or not, on sizes down to nothing: painting must survive.
void TestKeyboardButtons::degenerateSizesAndValues()
{
    CKeyboardButton button;
    CKeyboardCheckBox box;
    button.SetTextSizeMode(CKeyboardButtonBase::ScaledSize);
    for (QAbstractButton* key :
         {static_cast<QAbstractButton*>(&button), static_cast<QAbstractButton*>(&box)})
        for (const QSize& size : {QSize(1, 1), QSize(7, 3), QSize(30, 9)})
            for (int border : {-3, 0, 4, 50})
                for (int mode : {-1, 0, 1, 2, 3, 4, 5, 6, 7, 11, 12, 13, 99})
                {
                    auto& base = dynamic_cast<CKeyboardButtonBase&>(*key);
                    base.Set("Top", "", "R");
                    base.SetTextBorder(border);
                    RenderKey(*key, EMode(mode), size);
                    // A 0 x 0 widget never gets a paint event: its geometry must still hold.
                    Detail::KeyboardSymbolPolygon(EMode(mode), QRect(), border);
                }
}

ZRI_TEST_MAIN(TestKeyboardButtons)
#include "tst_keyboard_buttons.moc"
