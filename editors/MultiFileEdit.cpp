#include "MultiFileEdit.h"

#include "BandSpec.h"
#include "DialogFilter.h"
#include "MultiFileEditData.h"
#include "QtCompat.h"
#include "TranslatedText.h"
#include "Translator.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>

namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
{

using Varo::Fenra::Internationalisation::Translate;
using Varo::Fenra::ParameterPool::SFileType;

CMultiFileEdit::CMultiFileEdit(const QStringList& rqslSelection, std::list<SFileType> fileTypes,
                               bool bSelectDirectory, bool bAcceptEmpty, bool bExistingFiles,
                               bool bBandSpecifier, QWidget* pwParent)
    : QWidget(pwParent), m_pForm(std::make_unique<Detail::CMultiFileEditData>()),
      m_FileTypes(std::move(fileTypes)), m_bSelectDirectory(bSelectDirectory),
      m_bAcceptEmpty(bAcceptEmpty), m_bExistingFiles(bExistingFiles),
      m_bBandSpecifier(bBandSpecifier)
{
    m_pForm->setupUi(this);
    QListWidget* pwList = m_pForm->m_wSelectedPaths;
    QAbstractItemModel* pModel = pwList->model();
    connect(pModel, &QAbstractItemModel::rowsRemoved, this, &CMultiFileEdit::_OnRowsMoved);
    // Qt 5.15 moves the rows of an internal drag with moveRows(), which reports them as moved
    // and never as removed; the new order must reach the selection all the same.
    connect(pModel, &QAbstractItemModel::rowsMoved, this, &CMultiFileEdit::_OnRowsMoved);
    setAcceptDrops(true);
    pwList->setAcceptDrops(true);
    pwList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pwList, &QWidget::customContextMenuRequested, this, &CMultiFileEdit::OnShowContextMenu);
    // The Delete key in the list does what the remove button does.
    auto* pDelete = new QShortcut(QKeySequence(QKeySequence::Delete), pwList);
    pDelete->setContext(Qt::WidgetShortcut);
    connect(pDelete, &QShortcut::activated, this, &CMultiFileEdit::_OnRemoveButtonClicked);
    OnUpdateSelection(rqslSelection);
}

CMultiFileEdit::CMultiFileEdit(QWidget* pwParent)
    : CMultiFileEdit(QStringList(), {}, false, false, false, false, pwParent)
{
}

CMultiFileEdit::~CMultiFileEdit() = default;

void CMultiFileEdit::dragEnterEvent(QDragEnterEvent* pEvent)
{
    const QMimeData* pData = pEvent->mimeData();
    if (pData && (pData->hasUrls() || pData->hasText()))
        pEvent->accept();
}

void CMultiFileEdit::dragMoveEvent(QDragMoveEvent* pEvent)
{
    const bool bReplace = Detail::DropModifiers(*pEvent) & (Qt::ShiftModifier | Qt::AltModifier);
    pEvent->setDropAction(bReplace ? Qt::LinkAction : Qt::CopyAction);
    pEvent->accept();
}

void CMultiFileEdit::dropEvent(QDropEvent* pEvent)
{
    const QMimeData* pData = pEvent->mimeData();
    if (!pData || (!pData->hasUrls() && !pData->hasText()))
        return;
    // Anything but a copy (Shift or Alt held) replaces the entries instead of appending.
    if (pEvent->dropAction() != Qt::CopyAction)
        m_pForm->m_wSelectedPaths->clear();
    if (pData->hasUrls())
    {
        for (const QUrl& rqUrl : pData->urls())
            _AddCandidate(rqUrl.toLocalFile(), true);
    }
    else
    {
        const QStringList qslParts =
            Detail::SplitKeepingEmptyParts(pData->text(), QStringLiteral("\r|\n|,|;"));
        for (const QString& rqsPart : qslParts)
        {
            QString qsCandidate = rqsPart.trimmed();
            // A blank part stays an empty text, never a null one, so it counts as a path.
            if (qsCandidate.isNull())
                qsCandidate = QString(0, QChar());
            _AddCandidate(qsCandidate, true);
        }
    }
    _EmitSelection();
}

void CMultiFileEdit::OnUpdateSelection(const QStringList& rqslSelection)
{
    blockSignals(true);
    _CreateSelection();
    // A model bound both ways hands every reported list straight back, also from inside this
    // widget's own slots. The list already shown keeps its items: the user's selection survives,
    // and no item that a slot further up still works on is deleted under it.
    if (!rqslSelection.isEmpty() && rqslSelection != m_Selection)
    {
        m_pForm->m_wSelectedPaths->clear();
        m_pForm->m_wSelectedPaths->addItems(rqslSelection);
        _CreateSelection();
    }
    blockSignals(false);
}

void CMultiFileEdit::OnShowContextMenu(const QPoint& rqPos)
{
    if (!m_bBandSpecifier)
        return;
    QMenu menu;
    menu.addAction(Detail::DialogText(staticMetaObject.className(), "Set Band Specifier"), this,
                   SLOT(OnSetBandSpecifier()));
    menu.exec(m_pForm->m_wSelectedPaths->mapToGlobal(rqPos));
}

void CMultiFileEdit::OnSetBandSpecifier()
{
    const QList<QListWidgetItem*> selected = m_pForm->m_wSelectedPaths->selectedItems();
    if (selected.isEmpty())
    {
        // Qt's translation of the class when the application has one, else the library's.
        const char* const pszContext = staticMetaObject.className();
        QMessageBox::warning(this, Detail::DialogText(pszContext, "Cannot set band specifier"),
                             Detail::DialogText(pszContext, "No items have been selected"),
                             QMessageBox::Ok);
        _EmitSelection();
        return;
    }
    const QString qsProposed = QString::fromStdString(
        Varo::Fenra::Strings::GetBandSpec(selected.first()->text().toStdString()));
    bool bAccepted = false;
    const QString qsSpecifier = QInputDialog::getText(
        this, Detail::DialogText(staticMetaObject.className(), "Band Specifier Definition"),
        Detail::DialogText(staticMetaObject.className(), "Specifier"), QLineEdit::Normal,
        qsProposed, &bAccepted);
    if (bAccepted)
    {
        // The list may have been refreshed while the dialog was open: ask it again for the items.
        // Plain concatenation: stripping and appending the entry's own specifier gives it back.
        for (QListWidgetItem* pItem : m_pForm->m_wSelectedPaths->selectedItems())
            pItem->setText(QString::fromStdString(
                               Varo::Fenra::Strings::StripBandSpec(pItem->text().toStdString())) +
                           qsSpecifier);
    }
    _EmitSelection();
}

void CMultiFileEdit::_OnAddButtonClicked()
{
    QString qsReference;
    QString qsStart;
    if (!m_LastPath.isEmpty())
        qsReference = qsStart = m_LastPath;
    else if (m_pForm->m_wSelectedPaths->count() > 0)
        qsReference = qsStart = m_pForm->m_wSelectedPaths->item(0)->text();
    else
        qsStart = QDir::homePath();
    const QString qsSuffix = QStringLiteral(".") + QFileInfo(qsReference).suffix();

    if (m_bSelectDirectory)
    {
        _AddCandidate(QFileDialog::getExistingDirectory(
                          nullptr,
                          QString::fromStdString(Translate("Select an existing directory")),
                          qsStart, QFileDialog::ShowDirsOnly),
                      false);
    }
    else
    {
        const boost::tuple<QString, QString> filter = _CreateDialogFilter(qsSuffix);
        QString qsSelectedFilter = boost::get<1>(filter);
        if (m_bExistingFiles)
        {
            const QStringList qslChosen = QFileDialog::getOpenFileNames(
                nullptr, QString::fromStdString(Translate("Select (an) existing file(s)")), qsStart,
                boost::get<0>(filter), &qsSelectedFilter);
            for (const QString& rqsPath : qslChosen)
                _AddCandidate(rqsPath, false);
        }
        else
        {
            _AddCandidate(QFileDialog::getSaveFileName(
                              nullptr,
                              QString::fromStdString(Translate("Select a file(s) to write to")),
                              qsStart, boost::get<0>(filter), &qsSelectedFilter),
                          false);
        }
    }
    _EmitSelection();
}

void CMultiFileEdit::_OnRemoveButtonClicked()
{
    // One item at a time: each deletion removes its row, which reports the shortened list, and
    // whoever listens may change the list before the next item is taken.
    QListWidget* pwList = m_pForm->m_wSelectedPaths;
    for (QList<QListWidgetItem*> selected = pwList->selectedItems(); !selected.isEmpty();
         selected = pwList->selectedItems())
        delete selected.first();
    _EmitSelection();
}

void CMultiFileEdit::_OnRowsMoved()
{
    const QStringList qslBefore = m_Selection;
    _CreateSelection();
    if (m_Selection != qslBefore)
        emit selectionChanged(m_Selection);
}

boost::tuple<QString, QString> CMultiFileEdit::_CreateDialogFilter(const QString& rqsSuffix)
{
    return Detail::MakeDialogFilter(m_FileTypes, rqsSuffix);
}

void CMultiFileEdit::_CreateSelection()
{
    const QListWidget* pwList = m_pForm->m_wSelectedPaths;
    m_Selection.clear();
    for (int nRow = 0; nRow < pwList->count(); ++nRow)
        m_Selection << pwList->item(nRow)->text();
}

void CMultiFileEdit::_AddCandidate(const QString& rqsCandidate, bool bDropped)
{
    if (bDropped && m_bSelectDirectory && !QFileInfo(rqsCandidate).isDir())
        return;
    if (rqsCandidate.isNull() && !m_bAcceptEmpty)
        return;
    if (bDropped && !m_bSelectDirectory && m_bExistingFiles && !QFile::exists(rqsCandidate))
        return;
    QListWidget* pwList = m_pForm->m_wSelectedPaths;
    pwList->insertItem(pwList->count(), rqsCandidate);
    m_LastPath = rqsCandidate;
}

void CMultiFileEdit::_EmitSelection()
{
    _CreateSelection();
    emit selectionChanged(m_Selection);
}

} // namespace Varo::FenraQtGui::ZuRaradirIzurodudoz
