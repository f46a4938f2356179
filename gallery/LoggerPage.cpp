// The logger definitions table with definitions of every type. Edits are live: the line under
// the table shows the list as the widget last announced it.
#include "Gallery.h"

#include "LoggerDefinitionsEdit.h"

#include <QLabel>
#include <QVBoxLayout>

using namespace Varo::Fenra::Progress;
using Varo::FenraQtGui::ZuRaradirIzurodudoz::CLoggerDefinitionsEdit;

namespace
{

QString Describe(const std::vector<CLoggerDefinition>& definitions)
{
    const Varo::Fenra::Strings::SMakeValueStringParameter parameter;
    QStringList rows;
    for (const CLoggerDefinition& definition : definitions)
    {
        using Varo::Fenra::Strings::Detail::SMakeValueStringImpl;
        rows << QStringLiteral("%1/%2 [%3] %4")
                    .arg(QString::fromStdString(
                        SMakeValueStringImpl<ELoggerType>()(definition.m_eType, parameter)))
                    .arg(QString::fromStdString(
                        SMakeValueStringImpl<_EVerbosityLevel>()(definition.m_eLevel, parameter)))
                    .arg(QString::fromStdString(definition.m_sName))
                    .arg(definition.m_nPort);
    }
    return QStringLiteral("Announced: ") + rows.join(QStringLiteral("; "));
}

QWidget* MakeLoggerPage()
{
    const std::vector<CLoggerDefinition> definitions = {
        {LoggerNone, VerbosityInfo, "", 5432},
        {LoggerGui, VerbosityWarning, "", 5432},
        {LoggerStdout, VerbosityError, "", 5432},
        {LoggerFile, VerbosityDebug, "/var/log/application.log", 5432},
        {LoggerFile, VerbosityTrace, "/tmp/trace.log", 5432},
        {LoggerConsole, VerbosityLog, "", 5432},
        {LoggerNetwork, VerbosityFatal, "logs.example.org", 7001},
        {LoggerNetwork, VerbosityInfo, "localhost", 5432},
    };
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* edit = new CLoggerDefinitionsEdit(definitions);
    edit->setMinimumSize(700, 330); // every column whole, a typical path too
    auto* announced = new QLabel(Describe(definitions));
    announced->setWordWrap(true);
    QObject::connect(edit, &CLoggerDefinitionsEdit::definitionsChanged, announced,
                     [announced](const std::vector<CLoggerDefinition>& current)
                     { announced->setText(Describe(current)); });
    layout->addWidget(ZriGallery::Framed(QStringLiteral("Double-click a cell to edit it"), edit));
    layout->addWidget(announced);
    layout->addStretch(1);
    return page;
}

} // namespace

ZRI_GALLERY_PAGE("09-logger-definitions", "Logger definitions", MakeLoggerPage);
