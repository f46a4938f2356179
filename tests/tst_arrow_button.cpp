// The arrow button: symbol geometry of every mode and the engraved pixels it paints.
#include "ArrowButton.h"
#include "ArrowGeometry.h"
#include "TestSupport.h"

#include <QPainter>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using ZriTest::kButtonText;
using ZriTest::kDark;
using ZriTest::kLight;

Q_DECLARE_METATYPE(CArrowButton::EMode)
Q_DECLARE_METATYPE(CArrowButton::EFitMode)

namespace
{

// A 40 x 30 button: content (4,4)-(35,25), symbol square (9,4)-(30,25).
QImage RenderArrow(CArrowButton::EMode mode, const QString& state = QString())
{
    return ZriTest::Render<CArrowButton>(QSize(40, 30),
                                         [&](CArrowButton& button)
                                         {
                                             button.SetMode(mode);
                                             button.setDown(state == "down");
                                             button.setEnabled(state != "disabled");
                                         });
}

} // namespace

class TestArrowButton : public QObject
{
    Q_OBJECT

private slots:
    void symbolRect_data()
    {
        QTest::addColumn<QRect>("content");
        QTest::addColumn<CArrowButton::EFitMode>("fit");
        QTest::addColumn<QRect>("symbol");
        const QRect wide(QPoint(4, 4), QPoint(35, 25));
        QTest::newRow("wide, square")
            << wide << CArrowButton::Square << QRect(QPoint(9, 4), QPoint(30, 25));
        QTest::newRow("tall, square")
            << QRect(0, 0, 10, 21) << CArrowButton::Square << QRect(0, 5, 10, 10);
        QTest::newRow("out-of-range fit stretches") << wide << CArrowButton::EFitMode(7) << wide;
    }

    void symbolRect()
    {
        QFETCH(QRect, content);
        QFETCH(CArrowButton::EFitMode, fit);
        QFETCH(QRect, symbol);
        QCOMPARE(Detail::ArrowSymbolRect(content, fit), symbol);
    }

    // The 40 x 30 button: tip (20,8), head base (13,15)-(26,15), shaft x 14 to 25 down to y 21.
    void upArrowPoints()
    {
        const auto shapes =
            Detail::ArrowShapes(CArrowButton::Up, QRect(QPoint(9, 4), QPoint(30, 25)));
        QCOMPARE(shapes.size(), size_t(1));
        QCOMPARE(shapes[0].oPolygon,
                 QPolygon({{13, 15}, {20, 8}, {26, 15}, {25, 15}, {25, 21}, {14, 21}, {14, 15}}));
        const std::vector<QPolygon> light{QPolygon({{26, 15}, {25, 15}, {25, 21}, {14, 21}}),
                                          QPolygon(QVector<QPoint>{{14, 15}, {13, 15}})};
        const std::vector<QPolygon> dark{QPolygon({{13, 15}, {20, 8}, {26, 15}}),
                                         QPolygon(QVector<QPoint>{{14, 21}, {14, 15}})};
        QCOMPARE(shapes[0].vLight, light);
        QCOMPARE(shapes[0].vDark, dark);
    }

    void doubleArrowTriangles_data()
    {
        QTest::addColumn<CArrowButton::EMode>("mode");
        QTest::addColumn<QPolygon>("first");
        QTest::addColumn<QPolygon>("second");
        QTest::newRow("double down")
            << CArrowButton::DoubleDown << QPolygon({{4, 4}, {17, 4}, {11, 11}})
            << QPolygon({{4, 11}, {17, 11}, {11, 18}});
        QTest::newRow("double up")
            << CArrowButton::DoubleUp << QPolygon({{4, 11}, {11, 4}, {17, 11}})
            << QPolygon({{4, 18}, {11, 11}, {17, 18}});
        QTest::newRow("double left")
            << CArrowButton::DoubleLeft << QPolygon({{4, 11}, {11, 4}, {11, 17}})
            << QPolygon({{11, 11}, {18, 4}, {18, 17}});
        QTest::newRow("double right")
            << CArrowButton::DoubleRight << QPolygon({{11, 11}, {4, 17}, {4, 4}})
            << QPolygon({{18, 11}, {11, 17}, {11, 4}});
    }

    // On the square (0,0)-(21,21): dX = dY = 7.
    void doubleArrowTriangles()
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

    void engravedEdges_data()
    {
        QTest::addColumn<CArrowButton::EMode>("mode");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("color");
        const auto up = CArrowButton::Up;
        const auto down = CArrowButton::Down;
        // Edges facing up or left are dark, down or right light.
        QTest::newRow("up: tip") << up << "" << QPoint(20, 8) << kDark;
        QTest::newRow("up: right shaft side") << up << "" << QPoint(25, 18) << kLight;
        QTest::newRow("up: left shaft side") << up << "" << QPoint(14, 18) << kDark;
        QTest::newRow("up: shaft bottom") << up << "" << QPoint(20, 21) << kLight;
        QTest::newRow("up: body") << up << "" << QPoint(20, 17) << kButtonText;
        // Pressed: everything one pixel down and right.
        QTest::newRow("up pressed: shaft bottom") << up << "down" << QPoint(21, 22) << kLight;
        QTest::newRow("up pressed: body") << up << "down" << QPoint(21, 18) << kButtonText;
        // Disabled: only the body takes the disabled text colour.
        QTest::newRow("up disabled: body")
            << up << "disabled" << QPoint(20, 17) << ZriTest::kDisabledButtonText;
        QTest::newRow("up disabled: tip") << up << "disabled" << QPoint(20, 8) << kDark;
        // Down: p0 (13,15), p1 (20,21), p2 (26,15), shaft x 14 to 25 from y 8.
        QTest::newRow("down: tip") << down << "" << QPoint(20, 21) << kLight;
        QTest::newRow("down: shaft top") << down << "" << QPoint(20, 8) << kDark;
        QTest::newRow("down: right shaft side") << down << "" << QPoint(25, 11) << kLight;
        QTest::newRow("down: body") << down << "" << QPoint(20, 14) << kButtonText;
        // Double down: triangles (13,8),(26,8),(20,14) and 7 rows lower; the lower one is drawn
        // too.
        QTest::newRow("double down: upper top edge")
            << CArrowButton::DoubleDown << "" << QPoint(20, 8) << kDark;
        QTest::newRow("double down: lower tip")
            << CArrowButton::DoubleDown << "" << QPoint(20, 21) << kLight;
    }

    void engravedEdges()
    {
        QFETCH(CArrowButton::EMode, mode);
        QFETCH(QString, state);
        QFETCH(QPoint, point);
        QFETCH(QColor, color);
        ZRI_COMPARE_PIXEL(RenderArrow(mode, state), point.x(), point.y(), color);
    }

    // The painted symbol is exactly the shapes drawn in place: drawing them again over the
    // button, pressed or disabled, in any size, changes no pixel.
    void pictureEqualsShapesDrawnInPlace()
    {
        for (int mode = CArrowButton::Up; mode <= CArrowButton::DoubleRight; ++mode)
            for (const QSize& size : {QSize(40, 30), QSize(23, 61), QSize(9, 9)})
                for (bool down : {false, true})
                {
                    CArrowButton button;
                    button.resize(size);
                    button.SetMode(CArrowButton::EMode(mode));
                    button.SetFitMode(size.height() > 50 ? CArrowButton::Stretch
                                                         : CArrowButton::Square);
                    // Disabling releases a pressed button, so the state comes first.
                    button.setEnabled(!down || size.width() != 40);
                    button.setDown(down);
                    const QImage painted = ZriTest::RenderWidget(button);
                    QImage redrawn = painted;
                    QPainter painter(&redrawn);
                    const QColor body =
                        button.isEnabled() ? kButtonText : ZriTest::kDisabledButtonText;
                    painter.setPen(body);
                    painter.setBrush(body);
                    const int m = down ? 5 : 4;
                    const QRect content(m, m, size.width() - 8, size.height() - 8);
                    for (const auto& shape :
                         Detail::ArrowShapes(CArrowButton::EMode(mode),
                                             Detail::ArrowSymbolRect(content, button.GetFitMode())))
                    {
                        painter.setPen(body);
                        painter.drawPolygon(shape.oPolygon, Qt::OddEvenFill);
                        painter.setPen(kLight);
                        for (const QPolygon& line : shape.vLight)
                            painter.drawPolyline(line);
                        painter.setPen(kDark);
                        for (const QPolygon& line : shape.vDark)
                            painter.drawPolyline(line);
                    }
                    painter.end();
                    QVERIFY2(painted == redrawn, qPrintable(QStringLiteral("mode %1, %2x%3")
                                                                .arg(mode)
                                                                .arg(size.width())
                                                                .arg(size.height())));
                }
    }

    void outOfRangeModePaintsBevelOnly()
    {
        for (int mode : {-1, 8})
        {
            QVERIFY(Detail::ArrowShapes(CArrowButton::EMode(mode), QRect(0, 0, 30, 30)).empty());
            const QImage image = RenderArrow(CArrowButton::EMode(mode));
            QCOMPARE(ZriTest::PixelsOf(image, QRect(4, 4, 32, 22), {kButtonText, kLight, kDark}),
                     QVector<QPoint>());
        }
    }

    void focusAndHoverDoNotChangeThePicture()
    {
        CArrowButton button;
        button.resize(40, 30);
        button.SetMode(CArrowButton::Right);
        button.setAttribute(Qt::WA_UnderMouse);
        button.show();
        QApplication::setActiveWindow(&button);
        button.setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&button));
        QVERIFY(button.hasFocus());
        QCOMPARE(ZriTest::RenderWidget(button), RenderArrow(CArrowButton::Right));
    }

    // Both setters repaint synchronously, even with the value the button already has.
    void settersRepaintAtOnce()
    {
        ZriTest::CPaintCounter<CArrowButton> button(QSize(40, 30));
        const int before = button.m_nPaints;
        button.SetMode(CArrowButton::Up);
        button.SetFitMode(CArrowButton::Square);
        QCOMPARE(button.m_nPaints, before + 2);
    }

    void metaObjectName()
    {
        QCOMPARE(QString(CArrowButton::staticMetaObject.className()),
                 "Varo::FenraQtGui::ZuRaradirIzurodudoz::CArrowButton");
    }
};

ZRI_TEST_MAIN(TestArrowButton)
#include "tst_arrow_button.moc"
