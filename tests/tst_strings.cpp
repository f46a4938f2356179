// The strings library: band specifiers, quoting, value texts and the parse template.
#include "BandSpec.h"
#include "MakeValue.h"
#include "MakeValueString.h"
#include "TestSupport.h"

#include <boost/spirit/include/classic_assign_actor.hpp>
#include <boost/spirit/include/classic_symbols.hpp>

#include <atomic>
#include <climits>
#include <locale>
#include <thread>

using namespace Varo::Fenra::Strings;

namespace ZriStringsTest
{
// "net" is a prefix of "network", so the longest match matters.
enum EShape
{
    Net = 1,
    Network = 2,
    Square = 3
};
} // namespace ZriStringsTest
using ZriStringsTest::EShape;

static std::atomic<int> g_nTranslation{0}; // 1: German

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
        static thread_local std::string sAsIs;
        sAsIs = pText;
        return g_nTranslation == 1 ? sGerman : sAsIs;
    }
    EShape& m_rResult;
};
} // namespace Varo::Fenra::Strings::Detail

namespace
{

template <typename T> QString Text(T value, int nIndent = 0)
{
    return QString::fromStdString(Detail::SMakeValueStringImpl<T>()(
        value, SMakeValueStringParameter().GetIndentShift(nIndent)));
}

// "ok:<value>" or "<line>:<message>", checking the entry's file, code and further text.
std::string ParseOutcome(const std::string& rsText, bool bSkipSpaces)
{
    try
    {
        return "ok:" + std::to_string(MakeValue<EShape>(rsText, bSkipSpaces));
    }
    catch (const Varo::Fenra::CBasicException& rError)
    {
        const auto& entries = rError.GetEntries();
        const std::string& rsFile = entries.at(0).m_File;
        if (entries.size() != 1 || entries[0].m_nCode != 0 || !entries[0].m_Text.empty() ||
            rsFile.size() < 12 || rsFile.substr(rsFile.size() - 12) != "/MakeValue.h")
            return "bad entry";
        return std::to_string(entries[0].m_nLine) + ":" + entries[0].m_Message;
    }
}

QString Failure(int nLine, const QString& rsText, const QString& rsRest)
{
    return QString("%1:Error parsing ZriStringsTest::EShape from \"%2\" at position \"%3\"")
        .arg(nLine)
        .arg(rsText, rsRest);
}

} // namespace

class TestStrings : public QObject
{
    Q_OBJECT

private slots:
    void bandSpec_data();
    void bandSpec();
    void bandSpecSplitsEveryEntryConsistently();
    void texts_data();
    void texts();
    void makeValue_data();
    void makeValue();
    void errorFormatIsTranslated();
    void callsFromSeveralThreads();
};

void TestStrings::bandSpec_data()
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
    QTest::newRow("text after brackets") << "a[1]b"
                                         << "";
    QTest::newRow("last of two") << "a[1][2]"
                                 << "[2]";
    QTest::newRow("no file before") << "[1]"
                                    << "";
}

void TestStrings::bandSpec()
{
    QFETCH(QString, entry);
    QFETCH(QString, specifier);
    QCOMPARE(QString::fromStdString(GetBandSpec(entry.toStdString())), specifier);
    QCOMPARE(QString::fromStdString(StripBandSpec(entry.toStdString())),
             entry.left(entry.size() - specifier.size()));
}

void TestStrings::bandSpecSplitsEveryEntryConsistently()
{
    std::vector<std::string> entries{""}; // every entry of up to five of these characters
    for (std::size_t n = 0; n < entries.size() && entries[n].size() < 5; ++n)
        for (const char c : std::string("a[]1,-"))
            entries.push_back(entries[n] + c);
    QCOMPARE(entries.size(), std::size_t(9331));
    for (const std::string& rsEntry : entries)
    {
        const std::string sSpec = GetBandSpec(rsEntry), sStripped = StripBandSpec(rsEntry);
        QCOMPARE(sStripped + sSpec, rsEntry);
        // A specifier replaced by appending a new one to the stripped entry reads back.
        if (!sSpec.empty())
            QCOMPARE(GetBandSpec(sStripped + "[7]"), std::string("[7]"));
    }
}

void TestStrings::texts_data()
{
    QTest::addColumn<QString>("actual");
    QTest::addColumn<QString>("expected");
    const auto quoted = [](const char* p) { return QString::fromStdString(MakeQuotedString(p)); };
    QTest::newRow("quoted plain") << quoted("abc") << "\"abc\"";
    // Without an escaped backslash, \" and " inside would give the same text.
    QTest::newRow("quoted quote, backslash") << quoted("a\"b\\") << "\"a\\\"b\\\\\"";
    QTest::newRow("quoted others stay") << quoted("\\\"'\t") << "\"\\\\\\\"'\t\"";
    QTest::newRow("int") << Text(INT_MIN) << "-2147483648";
    QTest::newRow("unsigned") << Text(UINT_MAX) << "4294967295";
    QTest::newRow("unsigned char is a number") << Text<unsigned char>(65) << "65";
    QTest::newRow("zero") << Text(0.0) << "0";
    QTest::newRow("negative zero") << Text(-0.0) << "0";
    QTest::newRow("hundred") << Text(100.0) << "100";
    QTest::newRow("a third") << Text(100.0 / 3) << "33.3333";
    QTest::newRow("two thirds") << Text(200.0 / 3) << "66.6667";
    QTest::newRow("large") << Text(1e7) << "1e+07";
    QTest::newRow("indent 2") << QString::fromStdString(Detail::_GetIndentString(
                                     SMakeValueStringParameter().GetIndentShift(1).GetIndentShift(
                                         1)))
                              << "\n        ";
    // A decimal comma in the global locale must not reach the text.
    struct SCommaPunct : std::numpunct<char>
    {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale previous = std::locale::global(std::locale(std::locale(), new SCommaPunct));
    const QString sCommaLocale = Text(33.25);
    std::locale::global(previous);
    QTest::newRow("locale") << sCommaLocale << "33.25";
}

void TestStrings::texts()
{
    QFETCH(QString, actual);
    QFETCH(QString, expected);
    QCOMPARE(actual, expected);
}

void TestStrings::makeValue_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("skip");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("word") << QByteArray("net") << false << "ok:1";
    QTest::newRow("short form, mixed case") << QByteArray("sQ") << false << "ok:3";
    QTest::newRow("longest word, trailing s")
        << QByteArray("networks") << false << Failure(50, "networks", "s");
    QTest::newRow("shorter word, trailing w")
        << QByteArray("netw") << false << Failure(50, "netw", "w");
    QTest::newRow("empty") << QByteArray("") << false << Failure(44, "", "");
    QTest::newRow("prefix of no word") << QByteArray("ne") << false << Failure(44, "ne", "ne");
    QTest::newRow("leading blank") << QByteArray(" net") << false << Failure(44, " net", " net");
    QTest::newRow("trailing blank") << QByteArray("net ") << false << Failure(50, "net ", " ");
    QTest::newRow("blanks skipped") << QByteArray("\t net \n") << true << "ok:1";
    QTest::newRow("rest after blanks")
        << QByteArray(" net x") << true << Failure(50, " net x", "x");
    QTest::newRow("blanks only") << QByteArray("   ") << true << Failure(44, "   ", "");
    QTest::newRow("no word after blanks") << QByteArray(" xy") << true << Failure(44, " xy", "xy");
    QTest::newRow("ends at zero") << QByteArray("net\0xx", 6) << false << "ok:1";
    QTest::newRow("zero cuts the text")
        << QByteArray("nets\0x", 6) << false << Failure(50, "nets", "s");
}

void TestStrings::makeValue()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, skip);
    QFETCH(QString, outcome);
    QCOMPARE(QString::fromStdString(ParseOutcome(text.toStdString(), skip)), outcome);
}

void TestStrings::errorFormatIsTranslated()
{
    g_nTranslation = 1;
    const std::string sGerman = ParseOutcome("netz", false);
    g_nTranslation = 0;
    QCOMPARE(sGerman, std::string("50:ZriStringsTest::EShape nicht in \"netz\" ab \"z\""));
}

void TestStrings::callsFromSeveralThreads()
{
    std::atomic<int> nWrong{0};
    const std::string sFailure = Failure(50, "squares", "s").toStdString();
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back(
            [&]
            {
                for (int i = 0; i < 300; ++i)
                    nWrong += (ParseOutcome(" Network ", true) != "ok:2") +
                              (ParseOutcome("squares", false) != sFailure) +
                              (Text(100.0 / 3) != "33.3333") +
                              (GetBandSpec("a.tif[1-3]") != "[1-3]");
            });
    for (std::thread& rThread : threads)
        rThread.join();
    QCOMPARE(nWrong.load(), 0);
}

ZRI_TEST_MAIN(TestStrings)
#include "tst_strings.moc"
