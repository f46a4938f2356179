#include "MultiFileEditData.h"

#include "AccessibleTexts.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QListWidget>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
{

namespace
{

QPushButton* MakeIconButton(QWidget* pwForm, const char* pszName, const char* pszIcon)
{
    auto* pwButton = new QPushButton(pwForm);
    pwButton->setObjectName(QString::fromLatin1(pszName));
    QIcon icon;
    icon.addFile(QString::fromLatin1(pszIcon), QSize(), QIcon::Normal, QIcon::Off);
    pwButton->setIcon(icon);
    return pwButton;
}

} // namespace

void CMultiFileEditData::setupUi(QWidget* pwForm)
{
    if (pwForm->objectName().isEmpty())
        pwForm->setObjectName(QStringLiteral("CMultiFileEditData"));
    pwForm->resize(314, 206);

    gridLayout = new QGridLayout(pwForm);
    gridLayout->setObjectName(QStringLiteral("gridLayout"));
    horizontalLayout = new QHBoxLayout();
    horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));

    m_wSelectedPaths = new QListWidget(pwForm);
    m_wSelectedPaths->setObjectName(QStringLiteral("m_wSelectedPaths"));
    m_wSelectedPaths->setDragDropMode(QAbstractItemView::InternalMove);
    m_wSelectedPaths->setAlternatingRowColors(true);
    m_wSelectedPaths->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_wSelectedPaths->setMovement(QListView::Snap);
    horizontalLayout->addWidget(m_wSelectedPaths);

    verticalLayout = new QVBoxLayout();
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    pushButton =
        MakeIconButton(pwForm, "pushButton", ":/LoggerDefinitionsEditData/icons/list-add.png");
    verticalLayout->addWidget(pushButton);
    pushButton_2 =
        MakeIconButton(pwForm, "pushButton_2", ":/LoggerDefinitionsEditData/icons/list-remove.png");
    verticalLayout->addWidget(pushButton_2);
    verticalSpacer = new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding);
    verticalLayout->addItem(verticalSpacer);

    horizontalLayout->addLayout(verticalLayout);
    gridLayout->addLayout(horizontalLayout, 0, 0, 1, 1);

    retranslateUi(pwForm);

    QObject::connect(pushButton, SIGNAL(clicked()), pwForm, SLOT(_OnAddButtonClicked()));
    QObject::connect(pushButton_2, SIGNAL(clicked()), pwForm, SLOT(_OnRemoveButtonClicked()));
    QMetaObject::connectSlotsByName(pwForm);
}

void CMultiFileEditData::retranslateUi(QWidget* pwForm)
{
    pwForm->setWindowTitle(QCoreApplication::translate("CMultiFileEditData", "Form"));
    pushButton->setText(QString());
    pushButton_2->setText(QString());
    // The buttons show icons only: names and tooltips say what they do.
    SetAccessibleTexts(pwForm, "File list");
    SetAccessibleTexts(m_wSelectedPaths, "Files");
    SetAccessibleTexts(pushButton, "Add files", "Add files",
                       "Opens a dialog to choose files to add to the list");
    SetAccessibleTexts(pushButton_2, "Remove selected files", "Remove selected files",
                       "Removes the selected entries from the list");
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz::Detail
