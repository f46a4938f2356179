#include "RectangleDefinitionEditData.h"

#include "AccessibleTexts.h"

#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

namespace
{

QLabel* MakeLabel(QWidget* pwForm, QGridLayout* pLayout, const char* pszName, int nRow, int nColumn)
{
    auto* pwLabel = new QLabel(pwForm);
    pwLabel->setObjectName(QString::fromLatin1(pszName));
    pLayout->addWidget(pwLabel, nRow, nColumn, 1, 1);
    return pwLabel;
}

QDoubleSpinBox* MakeField(QWidget* pwForm, QGridLayout* pLayout, const char* pszName, int nRow,
                          int nColumn, double dMaximum)
{
    auto* pwField = new QDoubleSpinBox(pwForm);
    pwField->setObjectName(QString::fromLatin1(pszName));
    pwField->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pwField->setDecimals(0);
    pwField->setMinimum(-100000000.0);
    pwField->setMaximum(dMaximum);
    pLayout->addWidget(pwField, nRow, nColumn, 1, 1);
    return pwField;
}

} // namespace

void CRectangleDefinitionEditData::setupUi(QWidget* pwForm)
{
    if (pwForm->objectName().isEmpty())
        pwForm->setObjectName(QStringLiteral("CRectangleDefinitionEditData"));
    pwForm->resize(316, 90);
    QSizePolicy formPolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    formPolicy.setHorizontalStretch(0);
    formPolicy.setVerticalStretch(0);
    formPolicy.setHeightForWidth(pwForm->sizePolicy().hasHeightForWidth());
    pwForm->setSizePolicy(formPolicy);

    gridLayout_2 = new QGridLayout(pwForm);
    gridLayout_2->setObjectName(QStringLiteral("gridLayout_2"));
    gridLayout = new QGridLayout();
    gridLayout->setObjectName(QStringLiteral("gridLayout"));

    label_2 = MakeLabel(pwForm, gridLayout, "label_2", 0, 0);
    label_4 = MakeLabel(pwForm, gridLayout, "label_4", 0, 2);
    label_3 = MakeLabel(pwForm, gridLayout, "label_3", 1, 0);
    label_5 = MakeLabel(pwForm, gridLayout, "label_5", 1, 2);

    m_wXCoord = MakeField(pwForm, gridLayout, "m_wXCoord", 0, 1, 50000000.0);
    m_wWidth = MakeField(pwForm, gridLayout, "m_wWidth", 0, 3, 100000000.0);
    m_wHeight = MakeField(pwForm, gridLayout, "m_wHeight", 1, 3, 100000000.0);
    m_wHeight->setValue(0.0);
    m_wYCoord = MakeField(pwForm, gridLayout, "m_wYCoord", 1, 1, 50000000.0);

    gridLayout->setColumnStretch(1, 1);
    gridLayout->setColumnStretch(3, 1);
    gridLayout_2->addLayout(gridLayout, 0, 0, 1, 1);

    label_2->setBuddy(m_wXCoord);
    label_4->setBuddy(m_wWidth);
    label_3->setBuddy(m_wYCoord);
    label_5->setBuddy(m_wHeight);

    QWidget::setTabOrder(m_wXCoord, m_wYCoord);
    QWidget::setTabOrder(m_wYCoord, m_wWidth);
    QWidget::setTabOrder(m_wWidth, m_wHeight);

    retranslateUi(pwForm);

    for (QDoubleSpinBox* pwField : {m_wXCoord, m_wWidth, m_wHeight, m_wYCoord})
        QObject::connect(pwField, SIGNAL(editingFinished()), pwForm, SLOT(_OnCoordinateChanged()));
    QMetaObject::connectSlotsByName(pwForm);
}

void CRectangleDefinitionEditData::retranslateUi(QWidget* pwForm)
{
    const char* const pszContext = "CRectangleDefinitionEditData";
    pwForm->setWindowTitle(QCoreApplication::translate(pszContext, "Form"));
    label_2->setText(FormText(pszContext, "&X"));
    label_4->setText(FormText(pszContext, "W&idth"));
    label_3->setText(FormText(pszContext, "&Y"));
    label_5->setText(FormText(pszContext, "Hei&ght"));
    // The fields take their names from their buddy labels; the editor needs one of its own.
    SetAccessibleTexts(pwForm, "Rectangle");
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
