#include "WidgetCollection.h"

namespace ZriDesigner
{

CWidgetCollection::CWidgetCollection(QObject* parent) : QObject(parent)
{
    for (SWidgetInfo& info : OfferedWidgets())
        m_lWidgets.append(new CWidgetPlugin(std::move(info), this));
}

QList<QDesignerCustomWidgetInterface*> CWidgetCollection::customWidgets() const
{
    return m_lWidgets;
}

} // namespace ZriDesigner
