#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <functional>

namespace ZriDesigner
{

/// What the widget box needs to know about one widget class.
struct SWidgetInfo
{
    QString sClassName; ///< fully qualified C++ class name
    QString sHeader;    ///< installed header, as included by uic-generated code
    QString sToolTip;
    QString sWhatsThis;
    QSize oDefaultSize; ///< geometry of a freshly dropped widget
    std::function<QWidget*(QWidget* parent)> fnCreate;
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
    SWidgetInfo m_oInfo;
    mutable QIcon m_oIcon;
    bool m_bInitialized = false;
};

} // namespace ZriDesigner
