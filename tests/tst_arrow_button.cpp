// The arrow button: symbol geometry of every mode and the engraved pixels it paints.
#include "ArrowButton.h"
#include "ArrowGeometry.h"
#include "TestSupport.h"

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using ZriTest::kButtonText;
using ZriTest::kDark;
using ZriTest::kLight;

Q_DECLARE_METATYPE(CArrowButton::EMode)
Q_DECLARE_METATYPE(CArrowButton::EFitMode)

namespace
{

class CCountingArrowButton : public CArrowButton
{
public:
    using CArrowButton::CArrowButton;
    int m_nPaints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++m_nPaints;
        CArrowButton::paintEvent(event);
    }
};

QImage RenderArrow(CArrowButton::EMode mode, bool down = false, bool enabled = true)
{
    CArrowButton button;
    button.resize(40, 30);
    button.SetMode(mode);
    button.setDown(down);
    button.setEnabled(enabled);
    return ZriTest::RenderWidget(button);
}

} // namespace

class TestArrowButton : public QObject
{
    Q_OBJECT

private slots:
    void symbolRect_data();
    void symbolRect();
    void upArrowPoints();
    void doubleArrowTriangles_data();
    void doubleArrowTriangles();
    void outOfRangeModeHasNoShapes();
    void engravedEdges_data();
    void engravedEdges();
    void pressedShiftsSymbol();
    void disabledBodyColour();
    void outOfRangeModePaintsBevelOnly();
    void focusAndHoverDoNotChangeThePicture();
    void settersRepaintAtOnce();
    void metaObjectName();
};

void TestArrowButton::symbolRect_data()
{
    QTest::addColumn<QRect>("content");
    QTest::addColumn<CArrowButton::EFitMode>("fit");
    QTest::addColumn<QRect>("symbol");
    const QRect wide(QPoint(4, 4), QPoint(35, 25));
    QTest::newRow("wide, square") << wide << CArrowButton::Square
                                  << QRect(QPoint(9, 4), QPoint(30, 25));
    QTest::newRow("wide, stretch") << wide << CArrowButton::Stretch << wide;
    QTest::newRow("out-of-range fit stretches") << wide << CArrowButton::EFitMode(7) << wide;
    QTest::newRow("tall, square") << QRect(0, 0, 10, 21) << CArrowButton::Square
                                  << QRect(0, 5, 10, 10);
    QTest::newRow("square stays") << QRect(3, 3, 12, 12) << CArrowButton::Square
                                  << QRect(3, 3, 12, 12);
}

void TestArrowButton::symbolRect()
{
    QFETCH(QRect, content);
    QFETCH(CArrowButton::EFitMode, fit);
    QFETCH(QRect, symbol);
    QCOMPARE(Detail::ArrowSymbolRect(content, fit), symbol);
}

// The 40 x 30 button: symbol square (9,4)-(30,25), tip (20,8), head base (13,15)-(26,15),
// shaft x 14 to 25 down to y 21.
void TestArrowButton::upArrowPoints()
{
    const auto shapes = Detail::ArrowShapes(CArrowButton::Up, QRect(QPoint(9, 4), QPoint(30, 25)));
    QCOMPARE(shapes.size(), size_t(1));
    const QPolygon expected({{13, 15}, {20, 8}, {26, 15}, {25, 15}, {25, 21}, {14, 21}, {14, 15}});
    QCOMPARE(shapes[0].oPolygon, expected);
    QCOMPARE(shapes[0].vLight.size(), size_t(2));
    QCOMPARE(shapes[0].vLight[0], QPolygon(QVector<QPoint>{{26, 15}, {25, 15}, {25, 21}, {14, 21}}));
    QCOMPARE(shapes[0].vLight[1], QPolygon(QVector<QPoint>{{14, 15}, {13, 15}}));
    QCOMPARE(shapes[0].vDark[0], QPolygon({{13, 15}, {20, 8}, {26, 15}}));
    QCOMPARE(shapes[0].vDark[1], QPolygon(QVector<QPoint>{{14, 21}, {14, 15}}));
}

void TestArrowButton::doubleArrowTriangles_data()
{
    QTest::addColumn<CArrowButton::EMode>("mode");
    QTest::addColumn<QPolygon>("first");
    QTest::addColumn<QPolygon>("second");
    QTest::newRow("double down") << CArrowButton::DoubleDown << QPolygon({{4, 4}, {17, 4}, {11, 11}})
                                 << QPolygon({{4, 11}, {17, 11}, {11, 18}});
    QTest::newRow("double up") << CArrowButton::DoubleUp << QPolygon({{4, 11}, {11, 4}, {17, 11}})
                               << QPolygon({{4, 18}, {11, 11}, {17, 18}});
    QTest::newRow("double left") << CArrowButton::DoubleLeft
                                 << QPolygon({{4, 11}, {11, 4}, {11, 17}})
                                 << QPolygon({{11, 11}, {18, 4}, {18, 17}});
    QTest::newRow("double right") << CArrowButton::DoubleRight
                                  << QPolygon({{11, 11}, {4, 17}, {4, 4}})
                                  << QPolygon({{18, 11}, {11, 17}, {11, 4}});
}

// On the square (0,0)-(21,21): dX = dY = 7.
void TestArrowButton::doubleArrowTriangles()
{
    QFETCH(CArrowButton::EMode, mode);
    QFETCH(QPolygon, first);
    QFETCH(QPolygon, second);
    const auto shapes = Detail::ArrowShapes(mode, QRect(QPoint(0, 0), QPoint(21, 21)));
    QCOMPARE(shapes.size(), size_t(2));
    QCOMPARE(shapes[0].oPolygon, first);
    QCOMPARE(shapes[1].oPolygon, second);
    // The edges move with their triangle.
    QCOMPARE(shapes[1].vDark[0].first() - shapes[0].vDark[0].first(),
             second.first() - first.first());
}

void TestArrowButton::outOfRangeModeHasNoShapes()
{
    for (int mode : {-1, 8, 1000})
        QVERIFY(Detail::ArrowShapes(CArrowButton::EMode(mode), QRect(0, 0, 30, 30)).empty());
}

void TestArrowButton::engravedEdges_data()
{
    QTest::addColumn<CArrowButton::EMode>("mode");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("color");
    // Up on (9,4)-(30,25): edges facing up or left are dark, down or right light.
    QTest::newRow("up: tip") << CArrowButton::Up << QPoint(20, 8) << kDark;
    QTest::newRow("up: left slope") << CArrowButton::Up << QPoint(16, 12) << kDark;
    QTest::newRow("up: right shaft side") << CArrowButton::Up << QPoint(25, 18) << kLight;
    QTest::newRow("up: left shaft side") << CArrowButton::Up << QPoint(14, 18) << kDark;
    QTest::newRow("up: shaft bottom") << CArrowButton::Up << QPoint(20, 21) << kLight;
    QTest::newRow("up: body") << CArrowButton::Up << QPoint(20, 17) << kButtonText;
    // Down: p0 (13,15), p1 (20,21), p2 (26,15), shaft x 14 to 25 from y 8.
    QTest::newRow("down: tip") << CArrowButton::Down << QPoint(20, 21) << kLight;
    QTest::newRow("down: shaft top") << CArrowButton::Down << QPoint(20, 8) << kDark;
    QTest::newRow("down: right shaft side") << CArrowButton::Down << QPoint(25, 11) << kLight;
    QTest::newRow("down: body") << CArrowButton::Down << QPoint(20, 14) << kButtonText;
    // Double down: triangles (13,8),(26,8),(20,14) and 7 rows lower.
    QTest::newRow("double down: top edge") << CArrowButton::DoubleDown << QPoint(20, 8) << kDark;
    QTest::newRow("double down: lower tip") << CArrowButton::DoubleDown << QPoint(20, 21)
                                            << kLight;
}

void TestArrowButton::engravedEdges()
{
    QFETCH(CArrowButton::EMode, mode);
    QFETCH(QPoint, point);
    QFETCH(QColor, color);
    const QImage image = RenderArrow(mode);
    ZRI_COMPARE_PIXEL(image, point.x(), point.y(), color);
}

void TestArrowButton::pressedShiftsSymbol()
{
    const QImage image = RenderArrow(CArrowButton::Up, true);
    ZRI_COMPARE_PIXEL(image, 21, 9, kDark);
    ZRI_COMPARE_PIXEL(image, 26, 19, kLight);
    ZRI_COMPARE_PIXEL(image, 21, 22, kLight);
    ZRI_COMPARE_PIXEL(image, 21, 18, kButtonText);
    QVERIFY(ZriTest::PixelAt(image, 20, 8) != kDark);
}

void TestArrowButton::disabledBodyColour()
{
    const QImage image = RenderArrow(CArrowButton::Up, false, false);
    ZRI_COMPARE_PIXEL(image, 20, 17, ZriTest::kDisabledButtonText);
    ZRI_COMPARE_PIXEL(image, 20, 8, kDark);
    ZRI_COMPARE_PIXEL(image, 25, 18, kLight);
}

void TestArrowButton::outOfRangeModePaintsBevelOnly()
{
    const QImage image = RenderArrow(CArrowButton::EMode(8));
    for (int y = 4; y <= 25; ++y)
        for (int x = 4; x <= 35; ++x)
        {
            const QColor pixel = ZriTest::PixelAt(image, x, y);
            QVERIFY2(pixel != kButtonText && pixel != kLight && pixel != kDark,
                     qPrintable(QStringLiteral("symbol pixel at %1,%2").arg(x).arg(y)));
        }
}

void TestArrowButton::focusAndHoverDoNotChangeThePicture()
{
    const QImage plain = RenderArrow(CArrowButton::Right);
    CArrowButton button;
    button.resize(40, 30);
    button.SetMode(CArrowButton::Right);
    button.setAttribute(Qt::WA_UnderMouse);
    button.show();
    QApplication::setActiveWindow(&button);
    button.setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&button));
    QVERIFY(button.hasFocus());
    QCOMPARE(ZriTest::RenderWidget(button), plain);
}

// Both setters repaint synchronously, even with the value the button already has.
void TestArrowButton::settersRepaintAtOnce()
{
    CCountingArrowButton button;
    button.resize(40, 30);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QCoreApplication::processEvents();
    const int before = button.m_nPaints;
    button.SetMode(CArrowButton::Up);
    QCOMPARE(button.m_nPaints, before + 1);
    button.SetFitMode(CArrowButton::Square);
    QCOMPARE(button.m_nPaints, before + 2);
    button.SetMode(CArrowButton::DoubleLeft);
    QCOMPARE(button.GetMode(), CArrowButton::DoubleLeft);
    QCOMPARE(button.m_nPaints, before + 3);
}

void TestArrowButton::metaObjectName()
{
    QCOMPARE(QString::fromLatin1(CArrowButton::staticMetaObject.className()),
             QStringLiteral("Varo::FenraQtGui::ZuRaradirIzurodudoz::CArrowButton"));
}

ZRI_TEST_MAIN(TestArrowButton)
#include "tst_arrow_button.moc"
