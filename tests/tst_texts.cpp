// Values as text and text as values: band specifiers, quoting and numbers of the strings library,
// the display records, the logger enumerations both ways with their documented examples, and
// the parse error whose format passes through the translator.
#include "BandSpec.h"
#include "DataListMode.h"
#include "LoggerDefinition.h"
#include "TestSupport.h"
#include "TranslatorRegistry.h"
#include "TrendDisplayMarker.h"

using namespace Varo::Fenra::Strings;
using namespace Varo::Fenra::Progress;
using namespace Varo::FenraQtGui::ZuRaradirIzurodudoz;

namespace
{

template <typename T> QString Text(T value, int nIndent = 0)
{
    return QString::fromStdString(Varo::Fenra::Strings::Detail::SMakeValueStringImpl<T>()(
        value, SMakeValueStringParameter().GetIndentShift(nIndent)));
}

// The texts of the values from -1 to nLast + 1, blank-separated.
template <typename T> QString Texts(int nLast)
{
    QStringList texts;
    for (int value = -1; value <= nLast + 1; ++value)
        texts << Text(T(value));
    return texts.join(' ');
}

// "ok:<value>" or "<line>:<message>" of the one entry of the failure.
template <typename T> QString Parse(const std::string& rsText, bool bSkipSpaces)
{
    try
    {
        return "ok:" + QString::number(MakeValue<T>(rsText, bSkipSpaces));
    }
    catch (const Varo::Fenra::CBasicException& rError)
    {
        const auto& entry = rError.GetEntries().at(0);
        if (rError.GetEntries().size() != 1 || entry.m_nCode != 0 || !entry.m_Text.empty() ||
            !QString::fromStdString(entry.m_File).endsWith("/MakeValue.h"))
            return "bad entry";
        return QString("%1:%2").arg(entry.m_nLine).arg(QString::fromStdString(entry.m_Message));
    }
}

} // namespace

class TestTexts : public QObject
{
    Q_OBJECT

private slots:
    // The parse error's format is translated: German, from the translation file of the run.
    void initTestCase()
    {
        Varo::Fenra::Internationalisation::CTranslatorRegistry::SetLanguage("German");
        ZriTest::WriteAll(ZriTest::TranslationDirectory() + "/libZuRaradirIzurodudozGerman.trl",
                          ZriTest::TrlText("\"libZuRaradirIzurodudoz\"", "\"German\"", "",
                                           "\"Error parsing %1% from \\\"%2%\\\" at position "
                                           "\\\"%3%\\\"\"=\"%1% nicht in \\\"%2%\\\" ab "
                                           "\\\"%3%\\\"\"\n"));
    }

    void bandSpec_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("specifier");
        QTest::newRow("list and range") << "image.tif[1,3-5]"
                                        << "[1,3-5]";
        QTest::newRow("none") << "image.tif"
                              << "";
        QTest::newRow("empty brackets, blanks") << "a.tif[ 1 - 3 ][]"
                                                << "[]";
        QTest::newRow("words are no bands") << "notes[draft]"
                                            << "";
        QTest::newRow("text after the bracket") << "file[a].txt]"
                                                << "";
        QTest::newRow("last of two") << "a[1][2]"
                                     << "[2]";
        QTest::newRow("no file before") << "[1]"
                                        << "";
    }

    void bandSpec()
    {
        QFETCH(QString, entry);
        QFETCH(QString, specifier);
        QCOMPARE(QString::fromStdString(GetBandSpec(entry.toStdString())), specifier);
        QCOMPARE(QString::fromStdString(StripBandSpec(entry.toStdString())),
                 entry.left(entry.size() - specifier.size()));
    }

    void texts_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const auto quoted = [](const char* p)
        { return QString::fromStdString(MakeQuotedString(p)); };
        // Without an escaped backslash, \" and " inside would give the same text.
        QTest::newRow("quoted") << quoted("a\"b\\'\t") << "\"a\\\"b\\\\'\t\"";
        QTest::newRow("numbers: six digits")
            << Text(100.0 / 3) + ' ' + Text(1e7) + ' ' + Text(-7) << "33.3333 1e+07 -7";
        const auto record = [](int mode, const char* label, int indent) {
            return Text(SDataListMode{{255, 128, 0}, 2, EHistogramDrawMode(mode), label}, indent);
        };
        QTest::newRow("record") << record(1, "a\"\\", 0) << "(255, 128, 0), 2, 1, \"a\\\"\\\\\"";
        // Only the colour's inner separators carry the indentation.
        QTest::newRow("record nested")
            << record(-3, "", 1) << "(255, \n    128, \n    0), 2, -3, \"\"";
        QTest::newRow("draw mode, marker")
            << Text(EHistogramDrawMode(-7)) + ' ' + Text(TrendMarkerSquare) << "-7 3";
        QTest::newRow("logger types")
            << Texts<ELoggerType>(5) << "unknown none gui stdout file console network unknown";
        QTest::newRow("levels") << Texts<_EVerbosityLevel>(7)
                                << "Unknown None Fatal Error Warning Info Log Debug Trace Unknown";
        const QString type = "Varo::Fenra::Progress::ELoggerType";
        const QString level = "Varo::Fenra::Progress::_EVerbosityLevel";
        const auto failed =
            [](int line, const QString& name, const QString& text, const QString& rest)
        { return QString("%1:%2 nicht in \"%3\" ab \"%4\"").arg(line).arg(name, text, rest); };
        QTest::newRow("File") << Parse<ELoggerType>("File", false) << "ok:3";
        QTest::newRow("ne: the shortest word") << Parse<ELoggerType>("ne", false) << "ok:5";
        QTest::newRow("n: no type") << Parse<ELoggerType>("n", false) << failed(44, type, "n", "n");
        QTest::newRow("networks: text after the word")
            << Parse<ELoggerType>("networks", false) << failed(50, type, "networks", "s");
        QTest::newRow("guix") << Parse<ELoggerType>("guix", false) << failed(50, type, "guix", "x");
        QTest::newRow("n: no level") << Parse<_EVerbosityLevel>("n", false) << "ok:0";
        QTest::newRow("warn ing") << Parse<_EVerbosityLevel>("warn ing", false)
                                  << failed(50, level, "warn ing", " ing");
        QTest::newRow("blank first")
            << Parse<_EVerbosityLevel>(" info", false) << failed(44, level, " info", " info");
        QTest::newRow("blanks skipped") << Parse<_EVerbosityLevel>(" info ", true) << "ok:4";
        QTest::newRow("empty") << Parse<_EVerbosityLevel>("", false) << failed(44, level, "", "");
        QTest::newRow("ends at zero")
            << Parse<_EVerbosityLevel>(std::string("info\0junk", 9), false) << "ok:4";
    }

    void texts()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }
};

ZRI_TEST_MAIN(TestTexts)
#include "tst_texts.moc"
