#include "WidgetPlugin.h"

#include <QPixmap>
#include <QWidget>

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

// The icon is the widget itself, painted small: it always matches what the form will show.
QIcon CWidgetPlugin::icon() const
{
    if (m_oIcon.isNull())
    {
        QWidget* widget = m_oInfo.fnCreate(nullptr);
        widget->resize(m_oInfo.oDefaultSize);
        m_oIcon =
            QIcon(widget->grab().scaled(22, 22, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        delete widget;
    }
    return m_oIcon;
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

QString CWidgetPlugin::domXml() const
{
    const QString object = m_oInfo.sClassName.section(QStringLiteral("::"), -1).mid(1);
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
                          "  </property>\n"
                          " </widget>\n"
                          " <customwidgets>\n"
                          "  <customwidget>\n"
                          "   <class>%1</class>\n"
                          "   <header location=\"global\">%5</header>\n"
                          "  </customwidget>\n"
                          " </customwidgets>\n"
                          "</ui>\n")
        .arg(m_oInfo.sClassName, object.left(1).toLower() + object.mid(1))
        .arg(m_oInfo.oDefaultSize.width())
        .arg(m_oInfo.oDefaultSize.height())
        .arg(m_oInfo.sHeader);
}

} // namespace ZriDesigner
