#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <functional>
#include <utility>
#include <vector>

class QPainter;

namespace ZriDesigner
{

/// What the widget box needs to know about one widget class.
struct SWidgetInfo
{
    QString sClassName;   ///< fully qualified C++ class name
    QString sDisplayName; ///< short name shown in the widget box ("Arrow Button")
    QString sHeader;      ///< installed header, as included by uic-generated code
    QString sToolTip;
    QString sWhatsThis;
    QSize oDefaultSize; ///< geometry of a freshly dropped widget, at least its minimum size hint
    QSize oMinimumSize; ///< keeps the widget usable in a layout; invalid: none
    std::function<QWidget*(QWidget* parent)> fnCreate;
    QSize oIconSize; ///< size at which the widget is painted for its icon
    /// Sets the icon's widget up to show what it is (a legend, a checked state); may be empty.
    std::function<void(QWidget* widget)> fnDecorateIcon;
    /// Draws the icon instead of the widget, for widgets too thin or fine to show at icon size.
    void (*fnDrawIcon)(QPainter& painter) = nullptr;
    /// Text properties a dropped widget starts with (name, value), so that it shows something.
    std::vector<std::pair<QString, QString>> vStartTexts;
};

/// One entry of the widget box, described by an SWidgetInfo.
class CWidgetPlugin : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    CWidgetPlugin(SWidgetInfo info, QObject* parent);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

private:
    QPixmap _PaintIcon() const;

    SWidgetInfo m_oInfo;
    mutable QIcon m_oIcon;
    bool m_bInitialized = false;
};

} // namespace ZriDesigner
