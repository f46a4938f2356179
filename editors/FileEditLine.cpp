#include "FileEditLine.h"

#include "DialogFilter.h"
#include "FileEditLineData.h"
#include "Translator.h"

#include <QFileDialog>
#include <QLineEdit>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

using Varo::Fenra::Internationalisation::Translate;
using Varo::Fenra::ParameterPool::SFileType;

CFileEditLine::CFileEditLine(const QString& rqsPath, std::list<SFileType> fileTypes,
                             bool bSelectDirectory, bool bAcceptEmpty, bool bExistingFile,
                             QWidget* pwParent)
    : QWidget(pwParent), m_pForm(std::make_unique<Detail::CFileEditLineData>()),
      m_FileTypes(std::move(fileTypes)), m_bSelectDirectory(bSelectDirectory),
      m_bAcceptEmpty(bAcceptEmpty), m_bExistingFile(bExistingFile)
{
    m_pForm->setupUi(this);
    m_pForm->m_wCurrentPath->setText(rqsPath);
}

CFileEditLine::CFileEditLine(QWidget* pwParent)
    : CFileEditLine(QString(), {}, false, false, false, pwParent)
{
}

CFileEditLine::~CFileEditLine() = default;

QString CFileEditLine::GetCurrentPath()
{
    return m_pForm->m_wCurrentPath->text();
}

void CFileEditLine::OnPathChanged(const QString& rqsPath)
{
    m_pForm->m_wCurrentPath->setText(rqsPath);
}

void CFileEditLine::_OnEditingFinished()
{
    emit pathChanged(m_pForm->m_wCurrentPath->text());
}

void CFileEditLine::_OnFileDialogButtonClicked()
{
    const QString qsStart = m_pForm->m_wCurrentPath->text();
    QString qsChosen;
    if (m_bSelectDirectory)
        qsChosen = QFileDialog::getExistingDirectory(
            nullptr, QString::fromStdString(Translate("Select an existing directory")), qsStart,
            QFileDialog::ShowDirsOnly);
    else if (m_bExistingFile)
        qsChosen = QFileDialog::getOpenFileName(
            nullptr, QString::fromStdString(Translate("Select an existing file")), qsStart,
            _CreateDialogFilter());
    else
        qsChosen = QFileDialog::getSaveFileName(
            nullptr, QString::fromStdString(Translate("Select a file to write to")), qsStart,
            _CreateDialogFilter());

    // A null result is a cancelled dialog; an accepted one is never null.
    if (!qsChosen.isNull() || m_bAcceptEmpty)
        m_pForm->m_wCurrentPath->setText(qsChosen);
    emit pathChanged(m_pForm->m_wCurrentPath->text());
}

QString CFileEditLine::_CreateDialogFilter()
{
    return boost::get<0>(Detail::MakeDialogFilter(m_FileTypes, QString()));
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
