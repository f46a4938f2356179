// The widgets offered in Designer's widget box: the Forms subclasses, whose settings are Qt
// properties, and the two widgets that have nothing to set up (the focus line edit and the
// logger definitions table). Abstract bases are not offered.
#include "WidgetCollection.h"

#include "Icons.h"
#include "LineEdit.h"
#include "LoggerDefinitionsEdit.h"

#include <ZuRaradirIzurodudoz/Forms/ArrowButton.h>
#include <ZuRaradirIzurodudoz/Forms/BarGauge.h>
#include <ZuRaradirIzurodudoz/Forms/BarScalePercent.h>
#include <ZuRaradirIzurodudoz/Forms/BitmapButton.h>
#include <ZuRaradirIzurodudoz/Forms/BitmapCheckBox.h>
#include <ZuRaradirIzurodudoz/Forms/CheckBoxSwitch.h>
#include <ZuRaradirIzurodudoz/Forms/FileEditLine.h>
#include <ZuRaradirIzurodudoz/Forms/HistogramDisplay.h>
#include <ZuRaradirIzurodudoz/Forms/KeyboardButton.h>
#include <ZuRaradirIzurodudoz/Forms/KeyboardCheckBox.h>
#include <ZuRaradirIzurodudoz/Forms/MediaButton.h>
#include <ZuRaradirIzurodudoz/Forms/MultiFileEdit.h>
#include <ZuRaradirIzurodudoz/Forms/RangeSlider.h>
#include <ZuRaradirIzurodudoz/Forms/RectangleDefinitionEdit.h>
#include <ZuRaradirIzurodudoz/Forms/TrendDisplay.h>

#include <QImage>

namespace ZriDesigner
{
namespace
{

namespace Zri = Varo::FenraQtGui::ZuRaradirIzurodudoz;
namespace Forms = Zri::Forms;

// One offered class: TWidget is created; className and header name it as a form does.
template <typename TWidget>
SWidgetInfo Offer(const char* className, const char* header, const char* displayName,
                  const char* toolTip, const char* whatsThis, QSize defaultSize, QSize minimumSize,
                  QSize iconSize, std::function<void(TWidget&)> decorate = nullptr)
{
    SWidgetInfo info;
    info.sClassName =
        QStringLiteral("Varo::FenraQtGui::ZuRaradirIzurodudoz::") + QLatin1String(className);
    info.sDisplayName = QLatin1String(displayName);
    info.sHeader = QStringLiteral("ZuRaradirIzurodudoz/") + QLatin1String(header);
    info.sToolTip = QLatin1String(toolTip);
    info.sWhatsThis = QLatin1String(whatsThis);
    info.oDefaultSize = defaultSize;
    info.oMinimumSize = minimumSize;
    info.fnCreate = [](QWidget* parent) -> QWidget* { return new TWidget(parent); };
    info.oIconSize = iconSize;
    if (decorate)
        info.fnDecorateIcon = [decorate](QWidget* widget)
        { decorate(*static_cast<TWidget*>(widget)); };
    return info;
}

SWidgetInfo DrawnIcon(SWidgetInfo info, void (*fnDraw)(QPainter&))
{
    info.fnDrawIcon = fnDraw;
    return info;
}

SWidgetInfo StartText(SWidgetInfo info, const char* name, const char* value)
{
    info.vStartTexts.emplace_back(QLatin1String(name), QLatin1String(value));
    return info;
}

QImage LibraryIcon(const char* name)
{
    return QImage(QStringLiteral(":/LoggerDefinitionsEditData/icons/") + QLatin1String(name));
}

} // namespace

std::vector<SWidgetInfo> OfferedWidgets()
{
    const QSize none;
    return {
        DrawnIcon(Offer<Forms::CArrowButton>(
                      "Forms::CArrowButton", "Forms/ArrowButton.h", "Arrow Button", "Arrow button",
                      "A push button showing an engraved single or double arrow.", QSize(40, 30),
                      QSize(24, 24), QSize(22, 22)),
                  DrawArrowIcon),
        DrawnIcon(Offer<Forms::CMediaButton>("Forms::CMediaButton", "Forms/MediaButton.h",
                                             "Media Button", "Media button",
                                             "A push button showing a media symbol and an optional "
                                             "steady or blinking state lamp.",
                                             QSize(60, 40), QSize(32, 24), QSize(22, 22)),
                  DrawMediaIcon),
        StartText(Offer<Forms::CKeyboardButton>(
                      "Forms::CKeyboardButton", "Forms/KeyboardButton.h", "Keyboard Button",
                      "Keyboard key",
                      "A push button drawn like a keyboard key, with up to three key-cap legends "
                      "or a key symbol.",
                      QSize(60, 40), QSize(32, 32), QSize(22, 22),
                      [](Forms::CKeyboardButton& key) { key.Set("A"); }),
                  "topLeftLabel", "A"),
        StartText(Offer<Forms::CKeyboardCheckBox>(
                      "Forms::CKeyboardCheckBox", "Forms/KeyboardCheckBox.h", "Keyboard Check Box",
                      "Keyboard check key",
                      "A keyboard key that stays pressed while checked; a click anywhere toggles "
                      "it.",
                      QSize(60, 40), QSize(32, 32), QSize(22, 22),
                      [](Forms::CKeyboardCheckBox& key)
                      {
                          key.Set("a");
                          key.setChecked(true);
                      }),
                  "topLeftLabel", "A"),
        Offer<Forms::CBitmapButton>(
            "Forms::CBitmapButton", "Forms/BitmapButton.h", "Bitmap Button", "Bitmap button",
            "A push button showing an enabled or disabled bitmap with optional engraved text.",
            QSize(60, 40), QSize(24, 24), QSize(22, 22),
            [](Forms::CBitmapButton& button)
            {
                button.SetBitmap(LibraryIcon("list-add.png"), true);
                button.SetMode(Zri::CBitmapHelper::Stretched);
            }),
        Offer<Forms::CBitmapCheckBox>("Forms::CBitmapCheckBox", "Forms/BitmapCheckBox.h",
                                      "Bitmap Check Box", "Bitmap check box",
                                      "A bitmap button that stays sunken while checked.",
                                      QSize(60, 40), QSize(24, 24), QSize(22, 22),
                                      [](Forms::CBitmapCheckBox& button)
                                      {
                                          button.SetBitmap(LibraryIcon("list-remove.png"), true);
                                          button.SetMode(Zri::CBitmapHelper::Stretched);
                                          button.setChecked(true);
                                      }),
        Offer<Forms::CCheckBoxSwitch>(
            "Forms::CCheckBoxSwitch", "Forms/CheckBoxSwitch.h", "Switch Check Box",
            "Switch check box",
            "A check box drawn as a slide switch, green when on and red when off, with its text "
            "beside it.",
            QSize(120, 20), QSize(40, 20), QSize(40, 20),
            [](Forms::CCheckBoxSwitch& button)
            {
                button.SetTextMode(Zri::CCheckBoxSwitch::NoText);
                button.setChecked(true);
            }),
        Offer<Forms::CBarScalePercent>(
            "Forms::CBarScalePercent", "Forms/BarScalePercent.h", "Percentage Scale",
            "Percentage ruler",
            "A ruler from 0 to 100 percent with engraved ticks, to stand beside a bar gauge.",
            QSize(50, 200), QSize(30, 80), QSize(22, 22),
            [](Forms::CBarScalePercent& ruler)
            {
                // Small title and footer bands (the widget's font) leave room for the scale.
                QFont bands = ruler.font();
                bands.setPixelSize(3);
                ruler.setFont(bands);
                ruler.SetSteps(1);
                ruler.SetRulerFont(bands.family().toStdString(), 8, false, false);
            }),
        Offer<Forms::CHistogramDisplay>(
            "Forms::CHistogramDisplay", "Forms/HistogramDisplay.h", "Histogram", "Histogram",
            "Class counts of one or more data lists as bars, outlines or lines, with a linear or "
            "logarithmic value axis, a legend, zoom and pan.",
            QSize(320, 200), QSize(120, 80), QSize(40, 24),
            [](Forms::CHistogramDisplay& histogram)
            {
                histogram.SetAxesVisible(false);
                Zri::SDataListMode mode;
                mode.m_oColor = Varo::Fenra::Color::CRGBColor<unsigned char>(40, 90, 200);
                histogram.AddDataList(mode, {1, 3, 6, 9, 7, 4, 2, 1});
            }),
        Offer<Forms::CTrendDisplay>(
            "Forms::CTrendDisplay", "Forms/TrendDisplay.h", "Trend", "Trend",
            "Series of timed samples as lines over a time window that follows the newest sample, "
            "with a history scroll bar.",
            QSize(320, 200), QSize(120, 80), QSize(40, 24),
            [](Forms::CTrendDisplay& trend)
            {
                trend.SetAxesVisible(false);
                trend.SetTimeWindow(8.0);
                trend.Append(trend.AddSeries(QString(), QColor(200, 60, 40)),
                             {{0, 2}, {1, 5}, {2, 3}, {3, 7}, {4, 4}, {5, 8}, {6, 6}, {7, 9}});
            }),
        Offer<Forms::CBarGauge>(
            "Forms::CBarGauge", "Forms/BarGauge.h", "Bar Gauge", "Bar gauge",
            "A fill-level bar with a title, the value below it, alarm levels and markers of the "
            "lowest and highest value seen; it lines up with a percentage scale.",
            QSize(40, 200), QSize(14, 60), QSize(22, 22),
            [](Forms::CBarGauge& gauge)
            {
                QFont bands = gauge.font();
                bands.setPixelSize(3);
                gauge.setFont(bands);
                gauge.SetValue(60);
            }),
        Offer<Forms::CRangeSlider>(
            "Forms::CRangeSlider", "Forms/RangeSlider.h", "Range Slider", "Range slider",
            "A slider with two handles that select a start and an end value; the span between "
            "them is dragged as a whole.",
            QSize(160, 22), QSize(32, 16), QSize(40, 22),
            [](Forms::CRangeSlider& slider) { slider.SetValues(30, 70); }),
        Offer<Zri::CLineEdit>(
            "CLineEdit", "LineEdit.h", "Focus Line Edit", "Focus line edit",
            "A line edit that signals setFocus() and looseFocus() after its own focus handling.",
            QSize(120, 24), none, QSize(60, 24),
            [](Zri::CLineEdit& edit) { edit.setText(QStringLiteral("abc")); }),
        DrawnIcon(Offer<Forms::CFileEditLine>(
                      "Forms::CFileEditLine", "Forms/FileEditLine.h", "File Path Edit",
                      "File path edit",
                      "A path field with a button that opens a directory, open or save dialog.",
                      QSize(240, 28), none, QSize(120, 40)),
                  DrawFilePathIcon),
        Offer<Forms::CMultiFileEdit>(
            "Forms::CMultiFileEdit", "Forms/MultiFileEdit.h", "Multi-File Edit", "Multi-file edit",
            "An ordered list of file paths edited through dialogs, drag and drop, reordering and "
            "band specifiers.",
            QSize(260, 160), none, QSize(120, 120),
            [](Forms::CMultiFileEdit& edit) {
                edit.OnUpdateSelection({"a", "b", "c"});
            }),
        DrawnIcon(Offer<Forms::CRectangleDefinitionEdit>(
                      "Forms::CRectangleDefinitionEdit", "Forms/RectangleDefinitionEdit.h",
                      "Rectangle Edit", "Rectangle edit",
                      "Four whole-number fields for the position and size of a rectangle, with a "
                      "unit.",
                      QSize(220, 90), none, QSize(160, 90)),
                  DrawRectangleIcon),
        DrawnIcon(Offer<Zri::CLoggerDefinitionsEdit>(
                      "CLoggerDefinitionsEdit", "LoggerDefinitionsEdit.h",
                      "Logger Definitions Edit", "Logger definitions edit",
                      "A table of logger definitions (type, level, name, port) with add and "
                      "remove buttons.",
                      QSize(640, 180), none, QSize(200, 150)), // every column shows
                  DrawLoggerIcon),
    };
}

} // namespace ZriDesigner
