#pragma once

#include "TranslatorRegistry.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
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

} // namespace ZriTest
