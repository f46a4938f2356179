#include "PlotExport.h"

#include "TranslatedText.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QSaveFile>
#include <QWidget>

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

void CopyPictureAndCsv(QWidget& widget, const QString& csv)
{
    const qreal dpr = widget.devicePixelRatioF();
    QImage picture(widget.size() * dpr, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(dpr);
    widget.render(&picture);
    CopyPictureAndCsv(picture, csv);
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
