#include "FileEditLineData.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

void CFileEditLineData::setupUi(QWidget* pwForm)
{
    if (pwForm->objectName().isEmpty())
        pwForm->setObjectName(QStringLiteral("CFileEditLineData"));
    pwForm->resize(183, 32);
    pwForm->setAutoFillBackground(true);

    gridLayout = new QGridLayout(pwForm);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->setObjectName(QStringLiteral("gridLayout"));
    horizontalLayout = new QHBoxLayout();
    horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));

    m_wCurrentPath = new QLineEdit(pwForm);
    m_wCurrentPath->setObjectName(QStringLiteral("m_wCurrentPath"));
    QSizePolicy pathPolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    pathPolicy.setHorizontalStretch(1);
    pathPolicy.setVerticalStretch(0);
    pathPolicy.setHeightForWidth(m_wCurrentPath->sizePolicy().hasHeightForWidth());
    m_wCurrentPath->setSizePolicy(pathPolicy);
    m_wCurrentPath->setMinimumSize(QSize(150, 0));
    m_wCurrentPath->setSizeIncrement(QSize(1, 0));
    horizontalLayout->addWidget(m_wCurrentPath);

    m_wFileDialogButton = new QPushButton(pwForm);
    m_wFileDialogButton->setObjectName(QStringLiteral("m_wFileDialogButton"));
    QSizePolicy buttonPolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    buttonPolicy.setHorizontalStretch(0);
    buttonPolicy.setVerticalStretch(0);
    buttonPolicy.setHeightForWidth(m_wFileDialogButton->sizePolicy().hasHeightForWidth());
    m_wFileDialogButton->setSizePolicy(buttonPolicy);
    m_wFileDialogButton->setMaximumSize(QSize(25, 16777215));
    m_wFileDialogButton->setSizeIncrement(QSize(0, 0));
    horizontalLayout->addWidget(m_wFileDialogButton);

    gridLayout->addLayout(horizontalLayout, 0, 0, 1, 1);

    retranslateUi(pwForm);

    // String-based, as a generated form would connect: the slots are protected members.
    QObject::connect(m_wFileDialogButton, SIGNAL(clicked()), pwForm,
                     SLOT(_OnFileDialogButtonClicked()));
    QObject::connect(m_wCurrentPath, SIGNAL(editingFinished()), pwForm, SLOT(_OnEditingFinished()));
    QMetaObject::connectSlotsByName(pwForm);
}

void CFileEditLineData::retranslateUi(QWidget* pwForm)
{
    pwForm->setWindowTitle(QCoreApplication::translate("CFileEditLineData", "Form"));
    m_wFileDialogButton->setText(QCoreApplication::translate("CFileEditLineData", "..."));
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
