// Painter helpers: shaded lines, frames and text, the button frame and the painter guard.
#include "ButtonFrame.h"
#include "ShadedDrawing.h"
#include "StyleStore.h"
#include "TestSupport.h"

#include <QPainter>
#include <QPushButton>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using ZriTest::kButtonText;
using ZriTest::kCanvas;
using ZriTest::kDark;
using ZriTest::kLight;

namespace
{

// A push button that only runs the frame and keeps what it handed back.
class CFrameButton : public QPushButton
{
public:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        m_oColor = Qt::black;
        m_oRect = QRect(1, 2, 3, 4);
        InitButton(*this, painter, m_oColor, m_oRect, 4, isDefault());
        m_oPen = painter.pen().color();
    }
    QColor m_oColor, m_oPen;
    QRect m_oRect;
};

QFont Font(int pixelSize)
{
    QFont font;
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    return font;
}

} // namespace

class TestFoundation : public QObject
{
    Q_OBJECT

private slots:
    void shadedLine_data()
    {
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<bool>("sunken");
        QTest::addColumn<int>("width");
        QTest::newRow("horizontal raised") << false << false << 1;
        QTest::newRow("horizontal sunken, width 2") << false << true << 2;
        QTest::newRow("vertical sunken, width 3") << true << true << 3;
        QTest::newRow("negative width draws nothing") << true << false << -2;
    }

    // The line at 10 from 0 to 20: `width` rows (or columns) on each side, the middle untouched.
    void shadedLine()
    {
        QFETCH(bool, vertical);
        QFETCH(bool, sunken);
        QFETCH(int, width);
        const QImage image = ZriTest::RenderPainter(
            QSize(30, 30), [&](QPainter& painter)
            { (vertical ? DrawShadedVLine : DrawShadedHLine)(painter, 10, 0, 20, sunken, width); });
        // The pixel at `along` on the line and `across` rows or columns from it.
        const auto at = [&](int along, int across)
        {
            return vertical ? ZriTest::PixelAt(image, 10 + across, along)
                            : ZriTest::PixelAt(image, along, 10 + across);
        };
        for (int along : {0, 7, 20})
        {
            QCOMPARE(at(along, 0), kCanvas);
            for (int k = 1; k <= width; ++k)
            {
                QCOMPARE(at(along, -k), sunken ? kDark : kLight);
                QCOMPARE(at(along, k), sunken ? kLight : kDark);
            }
            QCOMPARE(at(along, -qMax(width, 0) - 1), kCanvas);
            QCOMPARE(at(along, qMax(width, 0) + 1), kCanvas);
        }
        QCOMPARE(at(21, -1), kCanvas);
    }

    void shadedFrame_data()
    {
        QTest::addColumn<bool>("sunken");
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("filled");
        QTest::newRow("raised, width 2") << false << 2 << true;
        QTest::newRow("sunken, width 1, no brush") << true << 1 << false;
        QTest::newRow("width 0 only fills") << false << 0 << true;
    }

    // On (0,0)-(9,9): ring i runs along rows and columns i and 9 - i, first colour left and top,
    // second colour right and bottom (the corners top-right and bottom-left belong to the second).
    void shadedFrame()
    {
        QFETCH(bool, sunken);
        QFETCH(int, width);
        QFETCH(bool, filled);
        const QColor fill(10, 200, 30);
        const QImage image = ZriTest::RenderPainter(
            QSize(12, 12),
            [&](QPainter& painter)
            {
                painter.setBrush(filled ? QBrush(fill) : QBrush(Qt::NoBrush));
                DrawShadedFrame(painter, QRect(QPoint(0, 0), QPoint(9, 9)), sunken, width);
            });
        const QColor inside = filled ? fill : kCanvas;
        for (int i = 0; i < 5; ++i)
        {
            const int far = 9 - i;
            const QColor first = i < width ? (sunken ? kDark : kLight) : inside;
            const QColor second = i < width ? (sunken ? kLight : kDark) : inside;
            for (const QPoint& p : {QPoint(i, i), QPoint(4, i), QPoint(i, 5)})
                QCOMPARE(ZriTest::PixelAt(image, p.x(), p.y()), first);
            for (const QPoint& p :
                 {QPoint(far, i), QPoint(i, far), QPoint(far, 4), QPoint(5, far), QPoint(far, far)})
                QCOMPARE(ZriTest::PixelAt(image, p.x(), p.y()), second);
        }
        QCOMPARE(ZriTest::PixelAt(image, 10, 10), kCanvas);
    }

    void shadedText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<bool>("sunken");
        QTest::addColumn<int>("offset");
        QTest::newRow("sunken, button face")
            << "Fire" << Font(0) << QRect(4, 4, 72, 22) << true << 1;
        QTest::newRow("raised, offset 2")
            << "Hello" << Font(20) << QRect(0, 1, 90, 33) << false << 2;
        QTest::newRow("clipped by the rectangle")
            << "Hello world" << Font(0) << QRect(4, 4, 30, 10) << true << 1;
        QTest::newRow("two lines") << "A\nB" << Font(9) << QRect(2, 2, 60, 40) << false << 1;
    }

    // The text in the pen wins, then the copy moved down-right (second colour), then the copy
    // moved up-left (first colour), exactly as three calls of drawText would paint them. Single
    // lines are laid out once and kept: the second picture comes from the kept layout.
    void shadedText()
    {
        QFETCH(QString, text);
        QFETCH(QFont, font);
        QFETCH(QRect, rect);
        QFETCH(bool, sunken);
        QFETCH(int, offset);
        const auto draw = [&](bool engraved)
        {
            return ZriTest::RenderPainter(
                QSize(100, 50),
                [&](QPainter& painter)
                {
                    painter.setFont(font);
                    painter.setPen(kButtonText);
                    if (engraved)
                        return DrawShadedText(painter, rect, text, sunken, offset);
                    for (int step : {-offset, offset, 0})
                    {
                        painter.setPen(step == 0              ? kButtonText
                                       : (step < 0) == sunken ? kDark
                                                              : kLight);
                        painter.drawText(rect.translated(step, step), Qt::AlignCenter, text);
                    }
                });
        };
        const QImage reference = draw(false);
        QCOMPARE(draw(true), reference);
        QCOMPARE(draw(true), reference);
    }

    void initButton_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<bool>("sunken");
        QTest::addColumn<int>("features");
        QTest::addColumn<QColor>("color");
        const int autoDefault = QStyleOptionButton::AutoDefaultButton;
        QTest::newRow("plain") << "" << false << autoDefault << kButtonText;
        QTest::newRow("pressed") << "down" << true << autoDefault << kButtonText;
        QTest::newRow("checkable, unchecked") << "checkable" << false << autoDefault << kButtonText;
        QTest::newRow("default") << "default" << false
                                 << (autoDefault | QStyleOptionButton::DefaultButton)
                                 << kButtonText;
        QTest::newRow("disabled, checked")
            << "disabled checked" << true << autoDefault << ZriTest::kDisabledButtonText;
    }

    // The style sees a bare Raised or Sunken state: focus, hover, enabled and window flags are
    // dropped; the content rectangle keeps its 32 x 22 size and moves with the bevel.
    void initButton()
    {
        QFETCH(QString, setup);
        QFETCH(bool, sunken);
        QFETCH(int, features);
        QFETCH(QColor, color);
        ZriTest::CRecordingStyle style;
        CFrameButton button;
        button.setStyle(&style);
        button.resize(40, 30);
        button.setCheckable(setup.contains("check"));
        button.setChecked(setup.contains("checked"));
        button.setDown(setup.contains("down"));
        button.setEnabled(!setup.contains("disabled"));
        button.setDefault(setup.contains("default"));
        button.setAttribute(Qt::WA_UnderMouse);
        ZriTest::RenderWidget(button);
        QCOMPARE(style.m_vBevels.size(), 1);
        QCOMPARE(int(style.m_vBevels[0].state),
                 int(sunken ? QStyle::State_Sunken : QStyle::State_Raised));
        QCOMPARE(int(style.m_vBevels[0].features), features);
        QCOMPARE(button.m_oRect, QRect(sunken ? QPoint(5, 5) : QPoint(4, 4), QSize(32, 22)));
        QCOMPARE(button.m_oColor, color);
        QCOMPARE(button.m_oPen, color);
    }

    void guardRestoresState()
    {
        QImage image(20, 20, QImage::Format_RGB32);
        QPainter painter(&image);
        const QPen pen(Qt::red, 3);
        const QBrush brush(Qt::green);
        const QFont font = Font(11);
        painter.setPen(pen);
        painter.setBrush(brush);
        painter.setFont(font);
        {
            CStyleStore store(painter, QColor(Qt::blue));
            QCOMPARE(painter.pen(), QPen(Qt::blue));
            store.SetBrush(QBrush(Qt::yellow));
            store.SetFontPixelSize(23);
            QCOMPARE(painter.font().pixelSize(), 23);
            {
                CStyleStore inner(painter, QBrush(Qt::magenta));
                QCOMPARE(painter.brush(), QBrush(Qt::magenta));
                inner.SetPen(QPen(Qt::cyan, 5));
            }
            // The inner guard gives back what the outer one had set.
            QCOMPARE(painter.pen(), QPen(Qt::blue));
            QCOMPARE(painter.brush(), QBrush(Qt::yellow));
        }
        // The drawing helpers leave the painter as they found it, too.
        DrawShadedHLine(painter, 5, 0, 10, false, 2);
        DrawShadedVLine(painter, 5, 0, 10, true, 2);
        DrawShadedFrame(painter, QRect(0, 0, 10, 10), false, 2);
        DrawShadedText(painter, QRect(0, 0, 10, 10), QStringLiteral("x"), true, 1);
        QCOMPARE(painter.pen(), pen);
        QCOMPARE(painter.brush(), brush);
        QCOMPARE(painter.font(), font);
    }
};

ZRI_TEST_MAIN(TestFoundation)
#include "tst_foundation.moc"
