// Display bases: a small histogram built on CHistogramDisplayBase with working scroll bars.
#include "Gallery.h"

#include "DataListMode.h"
#include "HistogramDisplayBase.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QVBoxLayout>

#include <cmath>

namespace ZRI = Varo::FenraQtGui::ZuRaradirIzurodudoz;
namespace Strings = Varo::Fenra::Strings;

namespace
{

constexpr int kClasses = 60;
constexpr int kVisible = 20;
constexpr int kBar = 16; // thickness of a scroll bar

// Classes of two overlapping bell curves. The horizontal bar picks the first visible class,
// the vertical one zooms the value axis.
class CGalleryHistogram : public ZRI::CHistogramDisplayBase
{
public:
    explicit CGalleryHistogram(QLabel* pStatus) : m_pStatus(pStatus)
    {
        for (int i = 0; i < kClasses; ++i)
        {
            const double a = std::exp(-std::pow((i - 18) / 7.0, 2));
            const double b = 0.6 * std::exp(-std::pow((i - 42) / 5.0, 2));
            m_Counts.push_back(static_cast<int>(1000 * (a + b)));
        }
        m_oMode.m_oColor = Varo::Fenra::Color::CRGBColor<unsigned char>(40, 110, 200);
        m_oMode.m_sLabel = "two bells";
        m_oHScrollBar.setRange(0, kClasses - kVisible);
        m_oVScrollBar.setRange(0, 90);
        setMinimumSize(360, 220);
        m_oHScrollBar.setValue(8); // through _HScrollSlot, like a user's move
        _ShowMode();
    }

protected:
    void _HScrollSlot(int nSliderPos) override
    {
        m_nFirst = nSliderPos;
        _ShowMode();
        update();
    }
    void _VScrollSlot(int nSliderPos) override
    {
        m_nZoom = nSliderPos;
        _ShowMode();
        update();
    }
    void resizeEvent(QResizeEvent*) override
    {
        m_oHScrollBar.setGeometry(0, height() - kBar, width() - kBar, kBar);
        m_oVScrollBar.setGeometry(width() - kBar, 0, kBar, height() - kBar);
    }
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QPalette palette = QGuiApplication::palette();
        const QRect plot(0, 0, width() - kBar, height() - kBar);
        painter.fillRect(plot, palette.color(QPalette::Base));
        const double top = 1000.0 * (100 - m_nZoom) / 100.0;
        const int slot = plot.width() / kVisible;
        const QColor color(m_oMode.m_oColor.GetRed(), m_oMode.m_oColor.GetGreen(),
                           m_oMode.m_oColor.GetBlue());
        for (int i = 0; i < kVisible && m_nFirst + i < kClasses; ++i)
        {
            const int value = m_Counts[static_cast<std::size_t>(m_nFirst + i)];
            const int h = std::min(plot.height(), static_cast<int>(plot.height() * value / top));
            painter.fillRect(QRect(i * slot + 1, plot.bottom() - h + 1, slot - 2, h), color);
        }
    }

private:
    // The record text of the current mode, as the strings library writes it.
    void _ShowMode()
    {
        m_oMode.m_nValue = static_cast<unsigned int>(m_nFirst);
        m_oMode.m_eDisplayMode = ZRI::HistogramBars;
        const Strings::SMakeValueStringParameter parameter;
        m_pStatus->setText(QString::fromStdString(
            "SDataListMode: " +
            Strings::Detail::SMakeValueStringImpl<ZRI::SDataListMode>()(m_oMode, parameter)));
    }

    QLabel* m_pStatus;
    std::vector<int> m_Counts;
    ZRI::SDataListMode m_oMode;
    int m_nFirst = 0;
    int m_nZoom = 0;
};

QWidget* MakeDisplayPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* status = new QLabel;
    auto* histogram = new CGalleryHistogram(status);
    layout->addWidget(ZriGallery::Framed("CHistogramDisplayBase: scroll sideways, zoom with the "
                                         "vertical bar",
                                         histogram));
    layout->addWidget(status);
    layout->addStretch();
    return page;
}

} // namespace

ZRI_GALLERY_PAGE("07-display-bases", "Display bases", MakeDisplayPage);
