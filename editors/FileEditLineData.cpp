#include "FileEditLineData.h"

#include "AccessibleTexts.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

namespace
{

// Both children keep their height and take at least their width from the row.
void SetRowPolicy(QWidget* pw, int nHorizontalStretch)
{
    QSizePolicy policy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    policy.setHorizontalStretch(nHorizontalStretch);
    policy.setVerticalStretch(0);
    policy.setHeightForWidth(pw->sizePolicy().hasHeightForWidth());
    pw->setSizePolicy(policy);
}

} // namespace

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
    SetRowPolicy(m_wCurrentPath, 1);
    m_wCurrentPath->setMinimumSize(QSize(150, 0));
    m_wCurrentPath->setSizeIncrement(QSize(1, 0));
    horizontalLayout->addWidget(m_wCurrentPath);

    m_wFileDialogButton = new QPushButton(pwForm);
    m_wFileDialogButton->setObjectName(QStringLiteral("m_wFileDialogButton"));
    SetRowPolicy(m_wFileDialogButton, 0);
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
    // Screen readers would otherwise call the editor by its window title and the button "...".
    SetAccessibleTexts(pwForm, "File path");
    SetAccessibleTexts(m_wCurrentPath, "Path");
    SetAccessibleTexts(m_wFileDialogButton, "Browse", "Browse",
                       "Opens a dialog to choose the path");
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
