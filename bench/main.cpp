// Benchmarks run on the offscreen platform with the Fusion style, like the tests.
#include <benchmark/benchmark.h>

#include "TranslatorRegistry.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTemporaryDir>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Texts that the benchmarks translate are recorded; their file goes to a directory of this
    // run, neither beside the library in the build tree nor where the next run would read it
    // back. Made before the first lookup, the directory outlives the translator that writes.
    static QTemporaryDir s_Scratch;
    Varo::Fenra::Internationalisation::CTranslatorRegistry::SetOutputDirectory(
        s_Scratch.path().toStdString());
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
