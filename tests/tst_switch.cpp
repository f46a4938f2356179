// The switch check box: track, knob, groove and state colour in both draw modes, text beside.
#include "CheckBoxSwitch.h"
#include "SwitchGeometry.h"
#include "TestSupport.h"

#include <QSignalSpy>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using ZriTest::kDark;
using ZriTest::kLight;
using EDrawMode = CCheckBoxSwitch::EDrawMode;
using ETextMode = CCheckBoxSwitch::ETextMode;

Q_DECLARE_METATYPE(EDrawMode)
Q_DECLARE_METATYPE(ETextMode)

namespace
{

const QColor kGreen(0, 192, 0);
const QColor kRed(192, 0, 0);

QRect Span(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// Columns painted differently from the reference image.
QPair<int, int> ChangedColumns(const QImage& image, const QImage& reference)
{
    int first = image.width();
    int last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != reference.pixel(x, y))
            {
                first = qMin(first, x);
                last = qMax(last, x);
            }
    return {first, last};
}

} // namespace

class TestSwitch : public QObject
{
    Q_OBJECT

private slots:
    void layout_data()
    {
        QTest::addColumn<EDrawMode>("drawMode");
        QTest::addColumn<ETextMode>("textMode");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QVector<QRect>>("rects"); // frame, knob, coloured half, text
        QTest::addColumn<int>("groove");
        const auto lying = CCheckBoxSwitch::Horizontal;
        const auto standing = CCheckBoxSwitch::Vertical;
        // 200 x 20, text at the left: s = 40, frame x 160 to 199, text x 0 to 157.
        QTest::newRow("text left, off")
            << lying << CCheckBoxSwitch::TextLeft << QSize(200, 20) << false
            << QVector<QRect>{Span(160, 0, 199, 19), Span(161, 1, 179, 18), Span(180, 1, 198, 18),
                              Span(0, 0, 157, 19)}
            << 170;
        QTest::newRow("text right, on")
            << lying << CCheckBoxSwitch::TextRight << QSize(100, 20) << true
            << QVector<QRect>{Span(0, 0, 39, 19), Span(20, 1, 38, 18), Span(1, 1, 19, 18),
                              Span(42, 0, 99, 19)}
            << 29;
        // Standing 30 high: 15 wide, knob up (y 1 to 14) and colour below (y 15 to 28) when on.
        QTest::newRow("standing, on")
            << standing << CCheckBoxSwitch::TextRight << QSize(60, 30) << true
            << QVector<QRect>{Span(0, 0, 14, 29), Span(1, 1, 13, 14), Span(1, 15, 13, 28),
                              Span(17, 0, 59, 29)}
            << 7;
        QTest::newRow("unknown modes: lying, text right")
            << EDrawMode(7) << ETextMode(-3) << QSize(100, 20) << false
            << QVector<QRect>{Span(0, 0, 39, 19), Span(1, 1, 19, 18), Span(20, 1, 38, 18),
                              Span(42, 0, 99, 19)}
            << 10;
    }

    void layout()
    {
        QFETCH(EDrawMode, drawMode);
        QFETCH(ETextMode, textMode);
        QFETCH(QSize, size);
        QFETCH(bool, checked);
        QFETCH(QVector<QRect>, rects);
        QFETCH(int, groove);
        const auto layout = Detail::SwitchLayout(drawMode, textMode, size, checked);
        QCOMPARE((QVector<QRect>{layout.oFrame, layout.oKnob, layout.oColoured, layout.oText}),
                 rects);
        QCOMPARE(layout.nGroove, groove);
        QCOMPARE(layout.nTextFlags,
                 int(Qt::AlignVCenter) |
                     (textMode == CCheckBoxSwitch::TextLeft ? Qt::AlignRight : Qt::AlignLeft));
    }

    void pixels_data()
    {
        QTest::addColumn<EDrawMode>("drawMode");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("color");
        const auto lying = CCheckBoxSwitch::Horizontal;
        const auto standing = CCheckBoxSwitch::Vertical;
        // Lying in 100 x 30: track (0,0)-(59,29), halves x 1-29 and 30-58.
        QTest::newRow("off: red right half") << lying << false << QPoint(45, 15) << kRed;
        QTest::newRow("off: track top is dark") << lying << false << QPoint(30, 0) << kDark;
        QTest::newRow("off: knob outer left light") << lying << false << QPoint(1, 15) << kLight;
        QTest::newRow("off: groove left dark") << lying << false << QPoint(14, 15) << kDark;
        QTest::newRow("on: green left half") << lying << true << QPoint(15, 15) << kGreen;
        QTest::newRow("on: knob outer left") << lying << true << QPoint(30, 15) << kLight;
        // Standing in 60 x 30: 15 wide, halves y 1-14 and 15-28.
        QTest::newRow("standing on: green lowest row")
            << standing << true << QPoint(7, 28) << kGreen;
        QTest::newRow("standing on: knob bottom") << standing << true << QPoint(7, 14) << kDark;
        QTest::newRow("standing on: groove above") << standing << true << QPoint(7, 6) << kDark;
        QTest::newRow("standing off: red top row") << standing << false << QPoint(7, 1) << kRed;
    }

    void pixels()
    {
        QFETCH(EDrawMode, drawMode);
        QFETCH(bool, checked);
        QFETCH(QPoint, point);
        QFETCH(QColor, color);
        CCheckBoxSwitch box;
        box.resize(drawMode == CCheckBoxSwitch::Vertical ? QSize(60, 30) : QSize(100, 30));
        box.SetDrawMode(drawMode);
        box.setChecked(checked);
        ZRI_COMPARE_PIXEL(ZriTest::RenderWidget(box), point.x(), point.y(), color);
    }

    void textBesideTheSwitch_data()
    {
        QTest::addColumn<ETextMode>("textMode");
        QTest::addColumn<int>("minX");
        QTest::addColumn<int>("maxX");
        // 200 x 20: the text stays in x 0 to 157, right-aligned, or starts at x 42, left-aligned.
        QTest::newRow("left") << CCheckBoxSwitch::TextLeft << 100 << 157;
        QTest::newRow("right") << CCheckBoxSwitch::TextRight << 42 << 110;
    }

    void textBesideTheSwitch()
    {
        QFETCH(ETextMode, textMode);
        QFETCH(int, minX);
        QFETCH(int, maxX);
        CCheckBoxSwitch box;
        box.resize(200, 20);
        box.SetTextMode(textMode);
        const QImage bare = ZriTest::RenderWidget(box);
        box.setText(QStringLiteral("Power"));
        const auto columns = ChangedColumns(ZriTest::RenderWidget(box), bare);
        QVERIFY2(
            columns.first >= minX && columns.second <= maxX && columns.first < columns.second,
            qPrintable(QStringLiteral("ink in x %1 to %2").arg(columns.first).arg(columns.second)));
        const int edge =
            textMode == CCheckBoxSwitch::TextLeft ? maxX - columns.second : columns.first - minX;
        QVERIFY(edge >= 0 && edge <= 3);
        // NoText hides the text, leaving the bare switch at the left edge.
        box.SetTextMode(CCheckBoxSwitch::NoText);
        QCOMPARE(ChangedColumns(ZriTest::RenderWidget(box), bare).second,
                 textMode == CCheckBoxSwitch::TextLeft ? 199 : -1);
    }

    void clickOnTextToggles()
    {
        CCheckBoxSwitch box;
        box.setText(QStringLiteral("Power"));
        box.resize(200, 20);
        QSignalSpy toggled(&box, &QCheckBox::toggled);
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(150, 10));
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(199, 19));
        QCOMPARE(toggled.count(), 2);
        QCOMPARE(toggled.at(0).at(0).toBool(), true);
        QVERIFY(!box.isChecked());
    }
};

ZRI_TEST_MAIN(TestSwitch)
#include "tst_switch.moc"
