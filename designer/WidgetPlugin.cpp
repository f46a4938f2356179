#include "WidgetPlugin.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <algorithm>
#include <memory>

namespace ZriDesigner
{

CWidgetPlugin::CWidgetPlugin(SWidgetInfo info, QObject* parent)
    : QObject(parent), m_oInfo(std::move(info))
{
}

QString CWidgetPlugin::name() const
{
    return m_oInfo.sClassName;
}

QString CWidgetPlugin::group() const
{
    return QStringLiteral("ZuRaradirIzurodudoz");
}

QString CWidgetPlugin::toolTip() const
{
    return m_oInfo.sToolTip;
}

QString CWidgetPlugin::whatsThis() const
{
    return m_oInfo.sWhatsThis;
}

QString CWidgetPlugin::includeFile() const
{
    return m_oInfo.sHeader;
}

QIcon CWidgetPlugin::icon() const
{
    if (m_oIcon.isNull())
        m_oIcon = QIcon(_PaintIcon());
    return m_oIcon;
}

// The icon is the widget itself, so it always matches what the form will show: set up to show
// what it is, painted at a size where it looks like itself, and scaled into 22 x 22 pixels by
// the painter (drawn small, not resampled from a large picture).
QPixmap CWidgetPlugin::_PaintIcon() const
{
    constexpr int kSide = 22;
    if (m_oInfo.fnDrawIcon)
    {
        QPixmap icon(kSide, kSide);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        m_oInfo.fnDrawIcon(painter);
        return icon;
    }
    std::unique_ptr<QWidget> widget(m_oInfo.fnCreate(nullptr));
    widget->resize(m_oInfo.oIconSize);
    if (m_oInfo.fnDecorateIcon)
        m_oInfo.fnDecorateIcon(widget.get());
    QPixmap icon(kSide, kSide);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    const QSizeF size = m_oInfo.oIconSize;
    const qreal scale = std::min(kSide / size.width(), kSide / size.height());
    painter.translate((kSide - size.width() * scale) / 2, (kSide - size.height() * scale) / 2);
    painter.scale(scale, scale);
    widget->render(&painter, QPoint(), QRegion(),
                   QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return icon;
}

bool CWidgetPlugin::isContainer() const
{
    return false;
}

QWidget* CWidgetPlugin::createWidget(QWidget* parent)
{
    return m_oInfo.fnCreate(parent);
}

bool CWidgetPlugin::isInitialized() const
{
    return m_bInitialized;
}

void CWidgetPlugin::initialize(QDesignerFormEditorInterface*)
{
    m_bInitialized = true;
}

// The display name is what the widget box shows; the minimum size keeps a check box, a key or a
// switch dropped into a layout large enough to see and to click; start texts give a dropped key
// a legend. A dropped widget is never smaller than the widget's own minimum.
QString CWidgetPlugin::domXml() const
{
    const std::unique_ptr<QWidget> widget(m_oInfo.fnCreate(nullptr));
    const QSize size =
        m_oInfo.oDefaultSize.expandedTo(widget->minimumSizeHint()).expandedTo(m_oInfo.oMinimumSize);
    const QString object = m_oInfo.sClassName.section(QStringLiteral("::"), -1).mid(1);
    QString properties;
    if (m_oInfo.oMinimumSize.isValid())
        properties = QStringLiteral("  <property name=\"minimumSize\">\n"
                                    "   <size><width>%1</width><height>%2</height></size>\n"
                                    "  </property>\n")
                         .arg(m_oInfo.oMinimumSize.width())
                         .arg(m_oInfo.oMinimumSize.height());
    for (const auto& [name, value] : m_oInfo.vStartTexts)
        properties += QStringLiteral("  <property name=\"%1\">\n   <string>%2</string>\n"
                                     "  </property>\n")
                          .arg(name, value.toHtmlEscaped());
    return QStringLiteral("<ui language=\"c++\" displayname=\"%1\">\n"
                          " <widget class=\"%2\" name=\"%3\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>%4</width><height>%5</height></rect>\n"
                          "  </property>\n"
                          "%6"
                          " </widget>\n"
                          " <customwidgets>\n"
                          "  <customwidget>\n"
                          "   <class>%2</class>\n"
                          "   <header location=\"global\">%7</header>\n"
                          "  </customwidget>\n"
                          " </customwidgets>\n"
                          "</ui>\n")
        .arg(m_oInfo.sDisplayName, m_oInfo.sClassName, object.left(1).toLower() + object.mid(1))
        .arg(size.width())
        .arg(size.height())
        .arg(properties, m_oInfo.sHeader);
}

} // namespace ZriDesigner
