// The strings library: band specifiers, quoting, value texts and the parse template.
#include "BandSpec.h"
#include "MakeValue.h"
#include "MakeValueString.h"
#include "TestSupport.h"

#include <boost/format/exceptions.hpp>
#include <boost/spirit/include/classic_assign_actor.hpp>
#include <boost/spirit/include/classic_symbols.hpp>

#include <atomic>
#include <climits>
#include <locale>
#include <thread>

using namespace Varo::Fenra::Strings;

namespace ZriStringsTest
{
// Words chosen so that a longer word extends a shorter one ("net", "network").
enum EShape
{
    None = 0,
    Net = 1,
    Network = 2,
    Square = 3
};
} // namespace ZriStringsTest

using ZriStringsTest::EShape;

namespace
{
std::atomic<int> g_nTranslation{0};
} // namespace

namespace Varo::Fenra::Strings::Detail
{

template <> struct SGrammar<EShape> : boost::spirit::classic::grammar<SGrammar<EShape>>
{
    explicit SGrammar(EShape& rResult) : m_rResult(rResult) {}

    template <typename ScannerT> struct definition
    {
        explicit definition(const SGrammar& rSelf)
        {
            using namespace boost::spirit::classic;
            m_Words.add("net", ZriStringsTest::Net)("network", ZriStringsTest::Network);
            m_Words.add("sq", ZriStringsTest::Square)("square", ZriStringsTest::Square);
            m_Rule = as_lower_d[m_Words[assign_a(rSelf.m_rResult)]];
        }
        const boost::spirit::classic::rule<ScannerT>& start() const { return m_Rule; }

        boost::spirit::classic::symbols<EShape> m_Words;
        boost::spirit::classic::rule<ScannerT> m_Rule;
    };

    static const std::string& Translate(const char* pText)
    {
        static const std::string sGerman = "%1% nicht in \"%2%\" ab \"%3%\"";
        static const std::string sBroken = "%1% in %2%";
        static thread_local std::string sEnglish;
        sEnglish = pText;
        return g_nTranslation == 1 ? sGerman : g_nTranslation == 2 ? sBroken : sEnglish;
    }

    EShape& m_rResult;
};

} // namespace Varo::Fenra::Strings::Detail

namespace
{

// A decimal comma for every stream that does not choose its own locale.
struct SCommaPunct : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
};

std::string DoubleText(double dValue)
{
    const SMakeValueStringParameter parameter;
    return Detail::SMakeValueStringImpl<double>()(dValue, parameter);
}

// "ok:<value>" or "<line>:<message>", so that one string compares a whole outcome.
std::string ParseOutcome(const std::string& rsText, bool bSkipSpaces)
{
    try
    {
        return "ok:" + std::to_string(MakeValue<EShape>(rsText, bSkipSpaces));
    }
    catch (const Varo::Fenra::CBasicException& rError)
    {
        const auto& entries = rError.GetEntries();
        if (entries.size() != 1 || entries[0].m_nCode != 0 || !entries[0].m_Text.empty())
        {
            return "bad entries";
        }
        return std::to_string(entries[0].m_nLine) + ":" + entries[0].m_Message;
    }
}

std::string Failure(int nLine, const std::string& rsText, const std::string& rsRest)
{
    return std::to_string(nLine) + ":Error parsing ZriStringsTest::EShape from \"" + rsText +
           "\" at position \"" + rsRest + "\"";
}

} // namespace

class TestStrings : public QObject
{
    Q_OBJECT

private slots:
    void bandSpec_data();
    void bandSpec();
    void bandSpecSplitsEveryEntryConsistently();
    void quoting_data();
    void quoting();
    void integerTexts();
    void doubleTexts_data();
    void doubleTexts();
    void doubleTextIgnoresGlobalLocale();
    void indentation();
    void makeValue_data();
    void makeValue();
    void raisesFromTheParseTemplate();
    void errorFormatIsTranslated();
    void brokenTranslationRaisesFormatError();
    void callsFromSeveralThreads();
};

void TestStrings::bandSpec_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("spec");
    QTest::newRow("list and range") << "image.tif[1,3-5]"
                                    << "[1,3-5]";
    QTest::newRow("none") << "image.tif"
                          << "";
    QTest::newRow("empty entry") << ""
                                 << "";
    QTest::newRow("empty brackets") << "a.tif[]"
                                    << "[]";
    QTest::newRow("blanks inside") << "a.tif[ 1 - 3 ]"
                                   << "[ 1 - 3 ]";
    QTest::newRow("words are no bands") << "notes[draft]"
                                        << "";
    QTest::newRow("text after brackets") << "a[1]b"
                                         << "";
    QTest::newRow("only the last brackets") << "a[1][2]"
                                            << "[2]";
    QTest::newRow("unbalanced before") << "a[x[2]"
                                       << "[2]";
    QTest::newRow("brackets in a folder") << "dir[1]/f.tif"
                                          << "";
    QTest::newRow("no file before") << "[1]"
                                    << "";
    QTest::newRow("unclosed") << "f.tif[1,2"
                              << "";
    QTest::newRow("closing only") << "f.tif]"
                                  << "";
}

void TestStrings::bandSpec()
{
    QFETCH(QString, entry);
    QFETCH(QString, spec);
    const std::string sEntry = entry.toStdString();
    QCOMPARE(QString::fromStdString(GetBandSpec(sEntry)), spec);
    QCOMPARE(QString::fromStdString(StripBandSpec(sEntry)), entry.left(entry.size() - spec.size()));
}

void TestStrings::bandSpecSplitsEveryEntryConsistently()
{
    // Every entry of up to five characters over the letters that matter.
    const std::string sAlphabet = "a[]1,-";
    std::vector<std::string> entries{""};
    for (std::size_t nFirst = 0; nFirst < entries.size() && entries[nFirst].size() < 5; ++nFirst)
    {
        for (const char c : sAlphabet)
        {
            entries.push_back(entries[nFirst] + c);
        }
    }
    QCOMPARE(entries.size(), std::size_t(1 + 6 + 36 + 216 + 1296 + 7776));
    for (const std::string& rsEntry : entries)
    {
        const std::string sSpec = GetBandSpec(rsEntry);
        const std::string sStripped = StripBandSpec(rsEntry);
        QCOMPARE(sStripped + sSpec, rsEntry);
        if (!sSpec.empty())
        {
            QCOMPARE(sSpec.front(), '[');
            QCOMPARE(sSpec.back(), ']');
            // The multi-file edit replaces a specifier by appending a new one to the stripped
            // entry; it must read back as the new one.
            QCOMPARE(GetBandSpec(sStripped + "[7]"), std::string("[7]"));
        }
    }
}

void TestStrings::quoting_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("quoted");
    QTest::newRow("empty") << ""
                           << "\"\"";
    QTest::newRow("plain") << "abc"
                           << "\"abc\"";
    QTest::newRow("quote") << "a\"b"
                           << "\"a\\\"b\"";
    QTest::newRow("backslash") << "a\\b"
                               << "\"a\\\\b\"";
    // Without escaping the backslash, these two would give the same text.
    QTest::newRow("backslash before quote") << "\\\""
                                            << "\"\\\\\\\"\"";
    QTest::newRow("trailing backslash") << "x\\"
                                        << "\"x\\\\\"";
    QTest::newRow("other characters stay") << "a'b\tc"
                                           << "\"a'b\tc\"";
}

void TestStrings::quoting()
{
    QFETCH(QString, text);
    QFETCH(QString, quoted);
    QCOMPARE(QString::fromStdString(MakeQuotedString(text.toStdString())), quoted);
}

void TestStrings::integerTexts()
{
    const SMakeValueStringParameter parameter;
    QCOMPARE(Detail::SMakeValueStringImpl<int>()(-5, parameter), std::string("-5"));
    QCOMPARE(Detail::SMakeValueStringImpl<int>()(INT_MIN, parameter), std::string("-2147483648"));
    QCOMPARE(Detail::SMakeValueStringImpl<unsigned int>()(UINT_MAX, parameter),
             std::string("4294967295"));
    // A number, not the character 'A'.
    QCOMPARE(Detail::SMakeValueStringImpl<unsigned char>()(65, parameter), std::string("65"));
    QCOMPARE(Detail::SMakeValueStringImpl<unsigned char>()(0, parameter), std::string("0"));
    QCOMPARE(Detail::SMakeValueStringImpl<unsigned char>()(255, parameter), std::string("255"));
}

void TestStrings::doubleTexts_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("ten") << 10.0 << "10";
    QTest::newRow("hundred") << 100.0 << "100";
    QTest::newRow("a third") << 100.0 / 3 << "33.3333";
    QTest::newRow("two thirds") << 200.0 / 3 << "66.6667";
    QTest::newRow("half") << 2.5 << "2.5";
    QTest::newRow("tenth") << 0.1 << "0.1";
    QTest::newRow("negative") << -12.5 << "-12.5";
    QTest::newRow("large") << 1e7 << "1e+07";
}

void TestStrings::doubleTexts()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(DoubleText(value)), text);
}

void TestStrings::doubleTextIgnoresGlobalLocale()
{
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new SCommaPunct));
    const std::string sText = DoubleText(33.25);
    std::locale::global(previous);
    QCOMPARE(sText, std::string("33.25"));
}

void TestStrings::indentation()
{
    const SMakeValueStringParameter top;
    QCOMPARE(Detail::_GetIndentString(top), std::string());
    QCOMPARE(Detail::_GetIndentString(top.GetIndentShift(1)), std::string("\n    "));
    QCOMPARE(Detail::_GetIndentString(top.GetIndentShift(1).GetIndentShift(1)),
             std::string("\n        "));
    // Shifting returns a copy.
    QCOMPARE(top.GetIndentLevel(), 0);
}

void TestStrings::makeValue_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("skip");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("word") << QByteArray("net") << false << "ok:1";
    QTest::newRow("capitals") << QByteArray("NETWORK") << false << "ok:2";
    QTest::newRow("mixed case") << QByteArray("NetWork") << false << "ok:2";
    QTest::newRow("short form") << QByteArray("Sq") << false << "ok:3";
    QTest::newRow("longest word wins, then trailing s")
        << QByteArray("networks") << false << Failure(50, "networks", "s").c_str();
    QTest::newRow("shorter word, trailing rest")
        << QByteArray("netw") << false << Failure(50, "netw", "w").c_str();
    QTest::newRow("empty") << QByteArray("") << false << Failure(44, "", "").c_str();
    QTest::newRow("prefix of no word")
        << QByteArray("ne") << false << Failure(44, "ne", "ne").c_str();
    QTest::newRow("leading blank kept")
        << QByteArray(" net") << false << Failure(44, " net", " net").c_str();
    QTest::newRow("trailing blank kept")
        << QByteArray("net ") << false << Failure(50, "net ", " ").c_str();
    QTest::newRow("blanks skipped") << QByteArray("\t net \n") << true << "ok:1";
    QTest::newRow("rest after skipped blanks")
        << QByteArray(" net x") << true << Failure(50, " net x", "x").c_str();
    QTest::newRow("blanks only") << QByteArray("   ") << true << Failure(44, "   ", "").c_str();
    QTest::newRow("no match after blanks")
        << QByteArray("  xy") << true << Failure(44, "  xy", "xy").c_str();
    QTest::newRow("text ends at zero") << QByteArray("net\0xx", 6) << false << "ok:1";
    QTest::newRow("zero cuts the quoted text")
        << QByteArray("nets\0xx", 7) << false << Failure(50, "nets", "s").c_str();
}

void TestStrings::makeValue()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, skip);
    QFETCH(QString, outcome);
    QCOMPARE(QString::fromStdString(ParseOutcome(text.toStdString(), skip)), outcome);
}

void TestStrings::raisesFromTheParseTemplate()
{
    for (const char* pText : {"x", "netx"})
    {
        try
        {
            MakeValue<EShape>(pText, false);
            QFAIL("no exception");
        }
        catch (const CMakeValueException& rError)
        {
            const std::string& rsFile = rError.GetEntries().at(0).m_File;
            QVERIFY(rsFile.size() >= 12);
            QCOMPARE(rsFile.substr(rsFile.size() - 12), std::string("/MakeValue.h"));
        }
    }
}

void TestStrings::errorFormatIsTranslated()
{
    g_nTranslation = 1;
    const std::string sOutcome = ParseOutcome("netz", false);
    g_nTranslation = 0;
    QCOMPARE(sOutcome, std::string("50:ZriStringsTest::EShape nicht in \"netz\" ab \"z\""));
}

void TestStrings::brokenTranslationRaisesFormatError()
{
    g_nTranslation = 2;
    bool bFormatError = false;
    try
    {
        MakeValue<EShape>("q", false);
    }
    catch (const boost::io::too_many_args&)
    {
        bFormatError = true;
    }
    catch (...)
    {
    }
    g_nTranslation = 0;
    QVERIFY(bFormatError);
}

void TestStrings::callsFromSeveralThreads()
{
    std::atomic<int> nWrong{0};
    const auto work = [&nWrong]()
    {
        for (int i = 0; i < 300; ++i)
        {
            nWrong += ParseOutcome(" Network ", true) != "ok:2";
            nWrong += ParseOutcome("squares", false) != Failure(50, "squares", "s");
            nWrong += ParseOutcome("", false) != Failure(44, "", "");
            nWrong += DoubleText(100.0 / 3) != "33.3333";
            nWrong += GetBandSpec("a.tif[1-3]") != "[1-3]";
            nWrong += MakeQuotedString("a\"") != "\"a\\\"\"";
        }
    };
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i)
    {
        threads.emplace_back(work);
    }
    for (std::thread& rThread : threads)
    {
        rThread.join();
    }
    QCOMPARE(nWrong.load(), 0);
}

ZRI_TEST_MAIN(TestStrings)
#include "tst_strings.moc"
