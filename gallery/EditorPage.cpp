// Editors: each one live, with the signals it emits logged beside it.
#include "Gallery.h"

#include "FileEditLine.h"
#include "LineEdit.h"
#include "MultiFileEdit.h"
#include "RectangleDefinitionEdit.h"

#include <QGridLayout>
#include <QPlainTextEdit>
#include <QWidget>

using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;
using Varo::Fenra::ParameterPool::SFileType;

namespace
{

QPlainTextEdit* MakeLog()
{
    auto* log = new QPlainTextEdit;
    log->setReadOnly(true);
    log->setMaximumBlockCount(200);
    log->setFixedWidth(260);
    log->setPlaceholderText(QStringLiteral("signals appear here"));
    return log;
}

QString RectText(const QRectF& rect)
{
    return QStringLiteral("%1, %2, %3 x %4")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

QWidget* MakeEditorPage()
{
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    int row = 0;
    auto add = [&](const QString& title, QWidget* editor, QPlainTextEdit* log)
    {
        layout->addWidget(ZriGallery::Framed(title, editor), row, 0);
        layout->addWidget(ZriGallery::Framed(QStringLiteral("Signals"), log), row++, 1);
    };

    auto* lineEdit = new CLineEdit(QStringLiteral("Click here, then elsewhere"), nullptr);
    auto* lineLog = MakeLog();
    QObject::connect(lineEdit, &CLineEdit::setFocus,
                     [lineLog] { lineLog->appendPlainText(QStringLiteral("setFocus()")); });
    QObject::connect(lineEdit, &CLineEdit::looseFocus,
                     [lineLog] { lineLog->appendPlainText(QStringLiteral("looseFocus()")); });
    add(QStringLiteral("CLineEdit"), lineEdit, lineLog);

    const std::list<SFileType> types = {{".txt", false, "Text files"}, {".log", true, "Log files"}};
    auto* fileEdit =
        new CFileEditLine(QStringLiteral("/tmp/report.txt"), types, false, false, true, nullptr);
    auto* fileLog = MakeLog();
    QObject::connect(fileEdit, &CFileEditLine::pathChanged,
                     [fileLog](const QString& path) {
                         fileLog->appendPlainText(QStringLiteral("pathChanged(\"%1\")").arg(path));
                     });
    add(QStringLiteral("CFileEditLine (existing file)"), fileEdit, fileLog);

    auto* multiEdit = new CMultiFileEdit(
        {QStringLiteral("/data/scene.tif[1,3-5]"), QStringLiteral("/data/dem.tif")}, types, false,
        false, false, true, nullptr);
    auto* multiLog = MakeLog();
    QObject::connect(
        multiEdit, &CMultiFileEdit::selectionChanged,
        [multiLog](const QStringList& selection)
        {
            multiLog->appendPlainText(
                QStringLiteral("selectionChanged(%1 entries)\n  ").arg(selection.size()) +
                selection.join(QStringLiteral("\n  ")));
        });
    add(QStringLiteral("CMultiFileEdit (drop files here; right-click for band specifiers)"),
        multiEdit, multiLog);

    auto* rectEdit = new CRectangleDefinitionEdit(QRectF(10, 20, 640, 480), nullptr);
    rectEdit->SetUnitString("px");
    auto* rectLog = MakeLog();
    QObject::connect(
        rectEdit, &CRectangleDefinitionEdit::definitionChanged,
        [rectLog](const QRectF& rect)
        { rectLog->appendPlainText(QStringLiteral("definitionChanged(%1)").arg(RectText(rect))); });
    add(QStringLiteral("CRectangleDefinitionEdit"), rectEdit, rectLog);

    layout->setColumnStretch(0, 1);
    layout->setRowStretch(row, 1);
    return page;
}

} // namespace

ZRI_GALLERY_PAGE("08-editors", "Editors", MakeEditorPage);
