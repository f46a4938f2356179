// Benchmarks run on the offscreen platform with the Fusion style, like the tests.
#include <benchmark/benchmark.h>

#include "TranslatorRegistry.h"

#include <QApplication>
#include <QDir>
#include <QStyleFactory>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Texts that the benchmarks translate are recorded; their file belongs in the scratch
    // directory, not beside the library in the build tree.
    Varo::Fenra::Internationalisation::CTranslatorRegistry::SetOutputDirectory(
        QDir::tempPath().toStdString());
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
