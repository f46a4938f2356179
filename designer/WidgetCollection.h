#pragma once

#include "WidgetPlugin.h"

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

#include <vector>

namespace ZriDesigner
{

/// The widgets offered to Designer; the list itself lives in Widgets.cpp.
std::vector<SWidgetInfo> OfferedWidgets();

class CWidgetCollection : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit CWidgetCollection(QObject* parent = nullptr);
    QList<QDesignerCustomWidgetInterface*> customWidgets() const override;

private:
    QList<QDesignerCustomWidgetInterface*> m_lWidgets;
};

} // namespace ZriDesigner
