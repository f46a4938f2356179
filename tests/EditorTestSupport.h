#pragma once

#include "TranslatorRegistry.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

// Editor tests open real modal dialogs. AnswerModal schedules a check that waits for the next
// modal widget, hands it to the test's answer and rejects the dialog if the answer left it open
// (a failed check inside the answer must not leave the test hanging).
namespace ZriTest
{

// The editors record their dialog captions in the library's translator, which writes them to a
// translation file at unload. Sent to a directory of the test's own, that file can neither
// litter the build tree nor be read back by a later test. Call before the first dialog opens.
inline void KeepTranslationFileOut()
{
    // Lives until exit, after the library's translator has written into it.
    static QTemporaryDir s_Directory;
    Varo::Fenra::Internationalisation::CTranslatorRegistry::SetOutputDirectory(
        s_Directory.path().toStdString());
}

template <class TDialog> void AnswerModal(std::function<void(TDialog*)> answer, int nAttempts = 500)
{
    QTimer::singleShot(10,
                       [answer, nAttempts]()
                       {
                           QWidget* pwModal = QApplication::activeModalWidget();
                           if (!pwModal)
                           {
                               if (nAttempts > 0)
                                   AnswerModal<TDialog>(answer, nAttempts - 1);
                               return;
                           }
                           QPointer<QDialog> pwDialog = qobject_cast<QDialog*>(pwModal);
                           if (auto* pTyped = qobject_cast<TDialog*>(pwModal))
                               answer(pTyped);
                           else
                               qWarning("unexpected modal widget %s",
                                        pwModal->metaObject()->className());
                           if (pwDialog && pwDialog->isVisible())
                               pwDialog->reject();
                           // An accept that the dialog refused must not leave it open either.
                           QTimer::singleShot(200,
                                              [pwDialog]()
                                              {
                                                  if (pwDialog && pwDialog->isVisible())
                                                      pwDialog->reject();
                                              });
                       });
}

} // namespace ZriTest
