#include "PlotExport.h"

#include "PlotPainting.h"
#include "TranslatedText.h"

#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

QString CsvField(QString text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
    {
        return text;
    }
    return QLatin1Char('"') + text.replace(QLatin1String("\""), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

QString CsvNumber(double value)
{
    return std::isnan(value) ? QStringLiteral("")
                             : QString::number(value, 'g', QLocale::FloatingPointShortest);
}

void CopyPictureAndCsv(const QImage& picture, const QString& csv)
{
    auto* data = new QMimeData;
    data->setImageData(picture);
    data->setText(csv);
    data->setData(QStringLiteral("text/csv"), csv.toUtf8());
    QGuiApplication::clipboard()->setMimeData(data);
}

void PopUpPlotMenu(const QContextMenuEvent& event, bool& zoomedBack,
                   const std::function<QMenu*()>& make)
{
    const bool skip = event.reason() == QContextMenuEvent::Mouse && zoomedBack;
    zoomedBack = false;
    if (!skip)
    {
        QMenu* menu = make();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(event.globalPos());
    }
}

bool WriteWhole(const QString& fileName, const QByteArray& data)
{
    QSaveFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();
}

QSize PictureSize(const QSizeF& size)
{
    // A grid of columns as wide as the picture is allocated, and a larger one shows nothing a
    // reader could tell apart.
    const auto side = [](qreal length)
    {
        return std::isfinite(length)
                   ? static_cast<int>(std::clamp(std::round(length), 1.0, qreal(kLargestPicture)))
                   : 1;
    };
    return QSize(side(size.width()), side(size.height()));
}

QImage DrawPicture(const QWidget& plot, const QSize& size, qreal dpr,
                   const std::function<void(QPainter&, const QSize&, qreal)>& paint)
{
    const QSize logical = PictureSize(size.isValid() ? size : plot.size());
    const qreal ratio = PictureRatio(logical, dpr);
    QImage picture(DeviceRect(QRect(QPoint(0, 0), logical), ratio).size().expandedTo({1, 1}),
                   QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    QPainter painter(&picture);
    painter.setFont(plot.font());
    paint(painter, logical, ratio);
    return picture;
}

CExportPainter::CExportPainter(QPainter& painter, const QRectF& target, int dpi, const QFont& font)
    : m_rPainter(painter)
{
    if (!painter.isActive() || !target.isValid() || !std::isfinite(target.width()) ||
        !std::isfinite(target.height()) || !std::isfinite(target.x()) || !std::isfinite(target.y()))
    {
        return;
    }
    const qreal scale = painter.device()->logicalDpiX() / qreal(std::max(dpi, 1));
    m_oSize = PictureSize(target.size() / std::max(scale, 1e-3));
    m_bDrawing = true;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / m_oSize.width(), target.height() / m_oSize.height());
    QFont pixels = font;
    pixels.setPixelSize(QFontInfo(font).pixelSize());
    painter.setFont(pixels);
}

CExportPainter::~CExportPainter()
{
    if (m_bDrawing)
    {
        m_rPainter.restore();
    }
}

qreal PictureRatio(const QSize& size, qreal dpr)
{
    const qreal largest = qreal(kLargestPicture) / std::max({size.width(), size.height(), 1});
    return std::isfinite(dpr) && dpr > 0.0 ? std::min(dpr, largest) : 1.0;
}

bool SavePlot(const QString& fileName, const QSize& size, int dpi, const QString& title,
              const SPlotFileParts& parts)
{
    const QByteArray suffix = QFileInfo(fileName).suffix().toLower().toLatin1();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (suffix == "csv")
    {
        buffer.write(parts.fCsv().toUtf8());
    }
    else if (suffix == "svg")
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setResolution(dpi);
        svg.setTitle(title);
        parts.fRender(svg, QRectF(QPointF(0, 0), size));
    }
    else if (suffix == "pdf")
    {
        // A page as large as the picture, at 1200 dpi.
        QPdfWriter pdf(&buffer);
        pdf.setResolution(1200);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setPageSize(QPageSize(QSizeF(size) * 72.0 / std::max(dpi, 1), QPageSize::Point,
                                  QString(), QPageSize::ExactMatch));
        parts.fRender(pdf, QRectF(0, 0, pdf.width(), pdf.height()));
    }
    else if (!QImageWriter::supportedImageFormats().contains(suffix) ||
             !parts.fPicture(size).save(&buffer, suffix.constData()))
    {
        return false;
    }
    return WriteWhole(fileName, buffer.data());
}

void SaveFromDialog(QWidget& parent, const char* title, const QString& filter,
                    const std::function<bool(const QString&)>& save)
{
    QString chosen;
    QString name =
        QFileDialog::getSaveFileName(&parent, TranslatedText(title), QString(), filter, &chosen);
    // A name typed without a suffix gets the chosen filter's: "report" -> "report.png".
    const int star = chosen.indexOf(QLatin1String("*."));
    if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty() && star >= 0)
    {
        name += chosen.mid(star + 1, chosen.indexOf(QLatin1Char(')'), star) - star - 1);
    }
    if (!name.isEmpty() && !save(name))
    {
        QMessageBox::warning(&parent, TranslatedText(title),
                             TranslatedText("The file could not be written."));
    }
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
