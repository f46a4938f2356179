// Painter helpers: shaded lines, frames and text, the button frame and the painter guard.
#include "ButtonFrame.h"
#include "ShadedDrawing.h"
#include "StyleStore.h"
#include "TestSupport.h"

#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOptionButton>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using ZriTest::kCanvas;
using ZriTest::kDark;
using ZriTest::kLight;

namespace
{

// Records what the button frame asks the style to draw.
class CRecordingStyle : public QProxyStyle
{
public:
    CRecordingStyle() : QProxyStyle(QStringLiteral("Fusion")) {}
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element == CE_PushButton)
        {
            m_nCalls++;
            m_eState = option->state;
            m_eFeatures = qstyleoption_cast<const QStyleOptionButton*>(option)->features;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
    mutable int m_nCalls = 0;
    mutable QStyle::State m_eState;
    mutable QStyleOptionButton::ButtonFeatures m_eFeatures;
};

// A push button that only runs the frame and keeps what it handed back.
class CFrameButton : public QPushButton
{
public:
    using QPushButton::QPushButton;
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        m_oColor = Qt::black;
        m_oRect = QRect(1, 2, 3, 4);
        InitButton(*this, painter, m_oColor, m_oRect, 4, isDefault());
        m_oPen = painter.pen().color();
    }
    QColor m_oColor;
    QRect m_oRect;
    QColor m_oPen;
};

} // namespace

class TestFoundation : public QObject
{
    Q_OBJECT

private slots:
    void shadedLine_data();
    void shadedLine();
    void shadedFrame_data();
    void shadedFrame();
    void shadedText_data();
    void shadedText();
    void initButton_data();
    void initButton();
    void guardRestoresState();
    void nestedGuards();
    void drawingLeavesPainterState();
};

void TestFoundation::shadedLine_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<bool>("sunken");
    QTest::addColumn<int>("width");
    QTest::addColumn<QColor>("before");
    QTest::addColumn<QColor>("after");
    QTest::newRow("horizontal raised") << false << false << 1 << kLight << kDark;
    QTest::newRow("horizontal sunken") << false << true << 1 << kDark << kLight;
    QTest::newRow("horizontal raised, width 2") << false << false << 2 << kLight << kDark;
    QTest::newRow("vertical raised") << true << false << 1 << kLight << kDark;
    QTest::newRow("vertical sunken, width 3") << true << true << 3 << kDark << kLight;
    QTest::newRow("width 0 draws nothing") << false << false << 0 << kCanvas << kCanvas;
    QTest::newRow("negative width draws nothing") << true << true << -2 << kCanvas << kCanvas;
}

// The line at 10 from 0 to 20: `width` rows (or columns) on each side, the middle untouched.
void TestFoundation::shadedLine()
{
    QFETCH(bool, vertical);
    QFETCH(bool, sunken);
    QFETCH(int, width);
    QFETCH(QColor, before);
    QFETCH(QColor, after);
    const QImage image = ZriTest::RenderPainter(QSize(30, 30), [&](QPainter& painter) {
        if (vertical)
            DrawShadedVLine(painter, 10, 0, 20, sunken, width);
        else
            DrawShadedHLine(painter, 10, 0, 20, sunken, width);
    });
    // Reads the pixel at `along` on the line and `across` rows or columns from it.
    const auto at = [&](int along, int across) {
        return vertical ? ZriTest::PixelAt(image, 10 + across, along)
                        : ZriTest::PixelAt(image, along, 10 + across);
    };
    for (int along : {0, 7, 20})
    {
        QCOMPARE(at(along, 0), kCanvas);
        for (int k = 1; k <= width; ++k)
        {
            QCOMPARE(at(along, -k), before);
            QCOMPARE(at(along, k), after);
        }
        QCOMPARE(at(along, -qMax(width, 0) - 1), kCanvas);
        QCOMPARE(at(along, qMax(width, 0) + 1), kCanvas);
    }
    QCOMPARE(at(21, -1), kCanvas);
}

void TestFoundation::shadedFrame_data()
{
    QTest::addColumn<bool>("sunken");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("filled");
    QTest::newRow("raised, width 2") << false << 2 << true;
    QTest::newRow("sunken, width 2") << true << 2 << true;
    QTest::newRow("raised, width 1, no brush") << false << 1 << false;
    QTest::newRow("width 0 only fills") << false << 0 << true;
    QTest::newRow("width 0 without brush draws nothing") << false << 0 << false;
}

// On (0,0)-(9,9): ring i runs along rows and columns i and 9 - i, first colour left and top,
// second colour right and bottom (the corners top-right and bottom-left belong to the second).
void TestFoundation::shadedFrame()
{
    QFETCH(bool, sunken);
    QFETCH(int, width);
    QFETCH(bool, filled);
    const QColor fill(10, 200, 30);
    const QImage image = ZriTest::RenderPainter(QSize(12, 12), [&](QPainter& painter) {
        painter.setBrush(filled ? QBrush(fill) : QBrush(Qt::NoBrush));
        DrawShadedFrame(painter, QRect(QPoint(0, 0), QPoint(9, 9)), sunken, width);
    });
    const QColor first = sunken ? kDark : kLight;
    const QColor second = sunken ? kLight : kDark;
    const QColor inside = filled ? fill : kCanvas;
    for (int i = 0; i < 5; ++i)
    {
        const int far = 9 - i;
        const bool ring = i < width;
        QCOMPARE(ZriTest::PixelAt(image, i, i), ring ? first : inside);
        QCOMPARE(ZriTest::PixelAt(image, 4, i), ring ? first : inside);
        QCOMPARE(ZriTest::PixelAt(image, i, 5), ring ? first : inside);
        QCOMPARE(ZriTest::PixelAt(image, far, i), ring ? second : inside);
        QCOMPARE(ZriTest::PixelAt(image, i, far), ring ? second : inside);
        QCOMPARE(ZriTest::PixelAt(image, far, 4), ring ? second : inside);
        QCOMPARE(ZriTest::PixelAt(image, 5, far), ring ? second : inside);
        QCOMPARE(ZriTest::PixelAt(image, far, far), ring ? second : inside);
    }
    QCOMPARE(ZriTest::PixelAt(image, 10, 10), kCanvas);
}

void TestFoundation::shadedText_data()
{
    QTest::addColumn<bool>("sunken");
    QTest::addColumn<int>("offset");
    QTest::newRow("raised, offset 1") << false << 1;
    QTest::newRow("sunken, offset 1") << true << 1;
    QTest::newRow("raised, offset 2") << false << 2;
}

// Without glyph antialiasing the result is exact: the text in the pen wins, then the copy moved
// down-right (second colour), then the copy moved up-left (first colour).
void TestFoundation::shadedText()
{
    QFETCH(bool, sunken);
    QFETCH(int, offset);
    QFont font;
    font.setPixelSize(18);
    font.setStyleStrategy(QFont::NoAntialias);
    const QRect rect(10, 10, 60, 30);
    const QColor pen(ZriTest::kButtonText);
    const auto prepare = [&](QPainter& painter) {
        painter.setFont(font);
        painter.setPen(pen);
    };
    const QImage plain = ZriTest::RenderPainter(QSize(80, 50), [&](QPainter& painter) {
        prepare(painter);
        painter.drawText(rect, Qt::AlignCenter, QStringLiteral("Hg"));
    });
    const QImage shaded = ZriTest::RenderPainter(QSize(80, 50), [&](QPainter& painter) {
        prepare(painter);
        DrawShadedText(painter, rect, QStringLiteral("Hg"), sunken, offset);
    });
    const QColor first = sunken ? kDark : kLight;
    const QColor second = sunken ? kLight : kDark;
    const auto ink = [&](int x, int y) { return ZriTest::PixelAt(plain, x, y) == pen; };
    int firstCount = 0;
    int secondCount = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 80; ++x)
        {
            QColor expected = kCanvas;
            if (ink(x, y))
                expected = pen;
            else if (ink(x - offset, y - offset))
                expected = second, ++secondCount;
            else if (ink(x + offset, y + offset))
                expected = first, ++firstCount;
            QCOMPARE(ZriTest::PixelAt(shaded, x, y), expected);
        }
    QVERIFY(firstCount > 0);
    QVERIFY(secondCount > 0);
}

void TestFoundation::initButton_data()
{
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("down");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("isDefault");
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("features");
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<QColor>("color");
    const int raised = QStyle::State_Raised;
    const int sunken = QStyle::State_Sunken;
    const int autoDefault = QStyleOptionButton::AutoDefaultButton;
    const int both = autoDefault | QStyleOptionButton::DefaultButton;
    const QColor text = ZriTest::kButtonText;
    const QColor disabled = ZriTest::kDisabledButtonText;
    QTest::newRow("plain") << false << false << false << true << false << raised << autoDefault
                           << QPoint(4, 4) << text;
    QTest::newRow("pressed") << false << false << true << true << false << sunken << autoDefault
                             << QPoint(5, 5) << text;
    QTest::newRow("checked, not pressed")
        << true << true << false << true << false << sunken << autoDefault << QPoint(5, 5) << text;
    QTest::newRow("checkable, unchecked")
        << true << false << false << true << false << raised << autoDefault << QPoint(4, 4) << text;
    QTest::newRow("default") << false << false << false << true << true << raised << both
                             << QPoint(4, 4) << text;
    QTest::newRow("disabled") << false << false << false << false << false << raised
                              << autoDefault << QPoint(4, 4) << disabled;
    QTest::newRow("disabled, checked") << true << true << false << false << false << sunken
                                       << autoDefault << QPoint(5, 5) << disabled;
}

// The style sees a bare Raised or Sunken state: focus, hover, enabled and window flags are
// dropped; the content rectangle keeps its 32 x 22 size and moves with the bevel.
void TestFoundation::initButton()
{
    QFETCH(bool, checkable);
    QFETCH(bool, checked);
    QFETCH(bool, down);
    QFETCH(bool, enabled);
    QFETCH(bool, isDefault);
    QFETCH(int, state);
    QFETCH(int, features);
    QFETCH(QPoint, topLeft);
    QFETCH(QColor, color);
    CRecordingStyle style;
    CFrameButton button;
    button.setStyle(&style);
    button.resize(40, 30);
    button.setCheckable(checkable);
    button.setChecked(checked);
    button.setDown(down);
    button.setEnabled(enabled);
    button.setDefault(isDefault);
    button.setAttribute(Qt::WA_UnderMouse);
    ZriTest::RenderWidget(button);
    QCOMPARE(style.m_nCalls, 1);
    QCOMPARE(int(style.m_eState), state);
    QCOMPARE(int(style.m_eFeatures), features);
    QCOMPARE(button.m_oRect, QRect(topLeft, QSize(32, 22)));
    QCOMPARE(button.m_oColor, color);
    QCOMPARE(button.m_oPen, color);
}

void TestFoundation::guardRestoresState()
{
    QImage image(4, 4, QImage::Format_RGB32);
    QPainter painter(&image);
    const QPen pen(Qt::red, 3);
    const QBrush brush(Qt::green);
    QFont font;
    font.setPixelSize(11);
    painter.setPen(pen);
    painter.setBrush(brush);
    painter.setFont(font);
    {
        CStyleStore store(painter, QColor(Qt::blue));
        QCOMPARE(painter.pen().color(), QColor(Qt::blue));
        QCOMPARE(painter.pen().width(), 1);
        store.SetBrush(QBrush(Qt::yellow));
        store.SetFontPixelSize(23);
        QCOMPARE(painter.font().pixelSize(), 23);
        store.SetPen(QPen(Qt::cyan, 5));
    }
    QCOMPARE(painter.pen(), pen);
    QCOMPARE(painter.brush(), brush);
    QCOMPARE(painter.font(), font);
    {
        CStyleStore store(painter, QBrush(Qt::magenta));
        QCOMPARE(painter.brush(), QBrush(Qt::magenta));
        QCOMPARE(painter.pen(), pen);
    }
    QCOMPARE(painter.brush(), brush);
}

void TestFoundation::nestedGuards()
{
    QImage image(4, 4, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setPen(Qt::red);
    const QBrush brush = painter.brush();
    {
        CStyleStore outer(painter, QPen(Qt::green));
        {
            CStyleStore inner(painter, QBrush(Qt::blue));
            inner.SetPen(QColor(Qt::white));
        }
        // The inner guard gives back what the outer one had set.
        QCOMPARE(painter.pen().color(), QColor(Qt::green));
        QCOMPARE(painter.brush(), brush);
    }
    QCOMPARE(painter.pen().color(), QColor(Qt::red));
}

void TestFoundation::drawingLeavesPainterState()
{
    QImage image(20, 20, QImage::Format_RGB32);
    QPainter painter(&image);
    const QPen pen(Qt::red, 2);
    const QBrush brush(Qt::green);
    QFont font;
    font.setPixelSize(9);
    painter.setPen(pen);
    painter.setBrush(brush);
    painter.setFont(font);
    DrawShadedHLine(painter, 5, 0, 10, false, 2);
    DrawShadedVLine(painter, 5, 0, 10, true, 2);
    DrawShadedFrame(painter, QRect(0, 0, 10, 10), false, 2);
    DrawShadedText(painter, QRect(0, 0, 10, 10), QStringLiteral("x"), true, 1);
    QCOMPARE(painter.pen(), pen);
    QCOMPARE(painter.brush(), brush);
    QCOMPARE(painter.font(), font);
}

ZRI_TEST_MAIN(TestFoundation)
#include "tst_foundation.moc"
