// The texts the library shows itself, in the language chosen with --language: the error of a
// logger type that cannot be read, live as it is typed, and the caption of the file dialog that
// the path editor opens. A screenshot cannot show a dialog's title bar, so in a screenshot run
// the page opens the dialog once and shows its caption above a picture of it.
#include "Gallery.h"

#include "FileEditLine.h"
#include "LoggerDefinition.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using Varo::Fenra::ParameterPool::SFileType;

namespace
{

QString ParseResult(const QString& text)
{
    using namespace Varo::Fenra::Progress;
    try
    {
        const ELoggerType eType =
            Varo::Fenra::Strings::MakeValue<ELoggerType>(text.toStdString(), false);
        const Varo::Fenra::Strings::SMakeValueStringParameter parameter;
        return QStringLiteral("= ") +
               QString::fromStdString(
                   Varo::Fenra::Strings::Detail::SMakeValueStringImpl<ELoggerType>()(eType,
                                                                                     parameter));
    }
    catch (const Varo::Fenra::CBasicException& error)
    {
        return QString::fromStdString(error.GetEntries().at(0).m_Message);
    }
}

QWidget* MakeParseBox()
{
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    auto* edit = new QLineEdit(QStringLiteral("printer"));
    auto* result = new QLabel(ParseResult(edit->text()));
    result->setWordWrap(true);
    QObject::connect(edit, &QLineEdit::textChanged, result,
                     [result](const QString& text) { result->setText(ParseResult(text)); });
    layout->addWidget(edit);
    layout->addWidget(result);
    return ZriGallery::Framed(QStringLiteral("A logger type read from text (try \"file\")"), box);
}

// Clicks the button, catches the file dialog it opens and gives back the dialog's caption in a
// bar above a picture of the dialog, which is then cancelled.
QWidget* CatchDialog(QPushButton* button)
{
    auto* caught = new QWidget;
    auto* layout = new QVBoxLayout(caught);
    layout->setSpacing(0);
    auto* caption = new QLabel;
    caption->setAutoFillBackground(true);
    caption->setBackgroundRole(QPalette::Highlight);
    caption->setForegroundRole(QPalette::HighlightedText);
    caption->setMargin(4);
    auto* picture = new QLabel;
    layout->addWidget(caption);
    layout->addWidget(picture);
    QTimer::singleShot(0, caught,
                       [caption, picture]
                       {
                           auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                           if (dialog == nullptr)
                               return;
                           caption->setText(dialog->windowTitle());
                           picture->setPixmap(
                               dialog->grab().scaledToWidth(480, Qt::SmoothTransformation));
                           dialog->reject();
                       });
    button->click();
    return caught;
}

QWidget* MakeDialogBox()
{
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    const std::list<SFileType> types = {{".txt", false, "Text files"}};
    auto* edit =
        new CFileEditLine(QStringLiteral("/tmp/report.txt"), types, false, false, true, nullptr);
    layout->addWidget(edit);
    auto* button = edit->findChild<QPushButton*>();
    // Offscreen, Qt's own dialog opens; a native one could not be caught and closed.
    if (ZriGallery::IsScreenshotRun() && button != nullptr &&
        QGuiApplication::platformName() == QLatin1String("offscreen"))
        layout->addWidget(CatchDialog(button));
    return ZriGallery::Framed(QStringLiteral("The caption of the dialog behind \"...\""), box);
}

QWidget* MakeTextsPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(MakeParseBox());
    layout->addWidget(MakeDialogBox());
    layout->addStretch(1);
    return page;
}

} // namespace

ZRI_GALLERY_PAGE("11-texts", "Texts", MakeTextsPage);
