#pragma once

#include "TranslatorRegistry.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDropEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace ZriTest
{

// The editors record their dialog captions in the library's translator, which writes them to a
// translation file at unload. Sent to a directory of the test's own, that file can neither
// litter the build tree nor be read back by a later test. Call before the first dialog opens.
inline void KeepTranslationFileOut()
{
    static QTemporaryDir s_Directory; // lives until exit, after the translator wrote into it
    Varo::Fenra::Internationalisation::CTranslatorRegistry::SetOutputDirectory(
        s_Directory.path().toStdString());
}

// Waits for the next modal dialog, hands it to the answer, and rejects it if the answer left it
// open (a failed check inside the answer must not leave the test hanging).
template <class TDialog> void AnswerModal(std::function<void(TDialog*)> answer, int nAttempts = 500)
{
    QTimer::singleShot(10,
                       [answer, nAttempts]()
                       {
                           QPointer<QDialog> pwDialog =
                               qobject_cast<QDialog*>(QApplication::activeModalWidget());
                           if (!pwDialog)
                           {
                               if (nAttempts > 0)
                                   AnswerModal<TDialog>(answer, nAttempts - 1);
                               return;
                           }
                           if (auto* pTyped = qobject_cast<TDialog*>(pwDialog.data()))
                               answer(pTyped);
                           if (pwDialog && pwDialog->isVisible())
                               pwDialog->reject();
                       });
}

// Chooses paths in an open file dialog as a user types them: one absolute path, or several
// quoted names of the dialog's directory. The dialog lists its directory in the background and
// may reset the name field when the listing arrives, so the name is typed until it sticks;
// done() then skips accept()'s checks, which could ask back in a nested message box.
inline void ChooseInFileDialog(QFileDialog* pDialog, const QStringList& qslPaths)
{
    QString qsTyped = qslPaths.value(0);
    if (qslPaths.size() > 1)
    {
        QStringList qslQuoted;
        for (const QString& rqsPath : qslPaths)
            qslQuoted << QLatin1Char('"') + QFileInfo(rqsPath).fileName() + QLatin1Char('"');
        qsTyped = qslQuoted.join(QLatin1Char(' '));
    }
    auto* pwName = pDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(pwName);
    QTRY_VERIFY((pwName->setText(qsTyped), pDialog->selectedFiles() == qslPaths));
    static_cast<QDialog*>(pDialog)->done(QDialog::Accepted);
}

// A drag that enters the widget, moves and drops, with every action possible; the drop's
// proposed action follows from the modifiers, as for a drop from another application.
inline void Drop(QWidget& target, const QMimeData& data, Qt::KeyboardModifiers modifiers)
{
    const auto actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(QPoint(4, 4), actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(&target, &enter); // makes the widget the drop target
    QVERIFY(enter.isAccepted());
    QDragMoveEvent move(QPoint(4, 4), actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(&target, &move);
    const bool bReplace = modifiers & (Qt::ShiftModifier | Qt::AltModifier);
    QCOMPARE(move.dropAction(), bReplace ? Qt::LinkAction : Qt::CopyAction);
    QDropEvent drop(QPoint(4, 4), actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(&target, &drop);
}

inline QPoint CellCentre(QTableWidget* pwTable, int nRow, int nColumn)
{
    return pwTable->visualItemRect(pwTable->item(nRow, nColumn)).center();
}

/// Double-clicks a cell of a shown table and returns the editor that opened.
inline QWidget* OpenEditor(QTableWidget* pwTable, int nRow, int nColumn)
{
    // A double click follows a press on the same cell.
    const QPoint centre = CellCentre(pwTable, nRow, nColumn);
    QTest::mouseClick(pwTable->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(pwTable->viewport(), Qt::LeftButton, {}, centre);
    return pwTable->indexWidget(pwTable->model()->index(nRow, nColumn));
}

/// The field the user types into: the editor itself or the path field of a file path edit.
inline QLineEdit* TextField(QWidget* pwEditor)
{
    if (auto* pwLine = qobject_cast<QLineEdit*>(pwEditor))
        return pwLine;
    return pwEditor ? pwEditor->findChild<QLineEdit*>(QStringLiteral("m_wCurrentPath")) : nullptr;
}

/// Opens the combo box's list, moves to the entry with the arrow keys and takes it with Return.
inline void PickEntry(QComboBox* pwCombo, const QString& rqsText)
{
    pwCombo->showPopup();
    QAbstractItemView* pwView = pwCombo->view();
    const int nTarget = pwCombo->findText(rqsText);
    pwView->setCurrentIndex(pwView->model()->index(0, 0));
    for (int i = 0; i < nTarget; ++i)
        QTest::keyClick(pwView, Qt::Key_Down);
    QTest::keyClick(pwView, Qt::Key_Return);
}

} // namespace ZriTest
