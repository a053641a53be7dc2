#include "calculator/calculate_request.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace calculator {
namespace {

const std::string kVariables = "Variables must range from 2-99";
const std::string kSubjects =
    "Number of subjects must be greater than 4. Chi-Square significance test will not be calculated.";
const std::string kSalience = "Salience must be > .00 and less than .9999";
const std::string kNoData1 = "No data  for Factor 1";
const std::string kNoData2 = "No data  for Factor 2";
const std::string kCheck1 = "Please check the accuracy of your Factor 1 data";
const std::string kCheck2 = "Please check the accuracy of your Factor 2 data";
const std::string kZero1 = "Factor 1 loadings are all zero. Please verify data.";
const std::string kZero2 = "Factor 2 loadings are all zero. Please verify data.";

// Blank-separated values as a field holds them: one per line, lines separated by CR.
std::string Column(std::string_view values) {
  std::istringstream in { std::string(values) };
  std::string column;
  for (std::string value; in >> value;) {
    column += (column.empty() ? "" : "\r") + value;
  }
  return column;
}

std::string Repeated(std::string_view value, std::size_t lines) {
  std::string column;
  for (std::size_t k = 0; k < lines; ++k) {
    column += (k == 0 ? "" : "\r") + std::string(value);
  }
  return column;
}

// The block a completed request appends to a column.
std::string EchoBlock(std::string_view values) { return "\r\rData as read\r" + Column(values) + "\r"; }

CalculateOutcome Calculate(const CalculateInput& input) {
  return CalculateRequest(input, [] {});
}

std::vector<std::string_view> FieldsWritten(const CalculateOutcome& outcome) {
  std::vector<std::string_view> fields;
  for (const FieldWrite& write : outcome.writes) {
    fields.push_back(write.field);
  }
  return fields;
}

std::optional<std::string> Written(const CalculateOutcome& outcome, std::string_view field) {
  for (const FieldWrite& write : outcome.writes) {
    if (write.field == field) {
      return write.text;
    }
  }
  return std::nullopt;
}

const std::string kColumnA = Column(".5 .4 .3");
const std::string kColumnB = Column(".5 .4 .2");

// ---- The worked examples, texts in and texts out --------------------------------------------

struct WorkedExample {
  const char* nv;
  const char* N1;
  const char* N2;
  const char* sal;
  const char* factor1;
  const char* factor2;
  std::string rc;
  std::string chi;
  std::string p;
  std::string s;
  double publishedRc;
  double publishedChi;
};

const WorkedExample kWorkedExamples[] = {
  { "5", "100", "100", ".30", ".996 .007 .982 .449 -.004", ".981 .015 .963 .524 -.022", "+ .9985", "7.335", ".01",
    "1.000", 0.9985, 7.335 },
  { "13", "100", "100", ".30", "-.089 .004 -.090 .090 .801 .809 .901 .591 .919 .164 .077 -.177 -.061",
    ".248 .089 -.011 .121 .324 .214 .243 .291 .198 .757 .651 .703 .619", "+ .3613", "29.83", ".001", "0.200", 0.3613,
    29.830 },
  { "11", "128", "97", ".40", ".83 .68 .65 .70 .73 .48 .42 .48 .53 .61 .42",
    ".79 .65 .74 .70 .79 .59 .59 .63 .55 .50 .37", "+ .9904", "1.082", ".50", "0.952", 0.9904, 1.082 },
  { "13", "1940", "1460", ".30", ".60 .67 .47 .67 .65 .64 .55 .37 .75 .49 .79 .78 .79",
    ".61 .69 .49 .71 .63 .64 .58 .31 .75 .52 .78 .78 .77", "+ .9992", "1.328", ".25", "1.000", 0.9992, 1.328 },
};

class WorkedExampleTest : public testing::TestWithParam<WorkedExample> { };

TEST_P(WorkedExampleTest, ShowsThePublishedIndices) {
  const WorkedExample& example = GetParam();
  const CalculateOutcome outcome =
      Calculate({ example.nv, example.N1, example.N2, example.sal, Column(example.factor1), Column(example.factor2) });
  EXPECT_TRUE(outcome.messages.empty());
  EXPECT_EQ(Written(outcome, "rOutFld"), example.rc);
  EXPECT_EQ(Written(outcome, "ChiOutFld"), example.chi);
  EXPECT_EQ(Written(outcome, "pOutFld"), example.p);
  EXPECT_EQ(Written(outcome, "sOutFld"), example.s);
}

// The published values agree with rc and chi as a standard package computes them.
TEST_P(WorkedExampleTest, PublishedValuesAgreeWithTheTextbookFormulas) {
  const WorkedExample& example = GetParam();
  std::istringstream in1 { example.factor1 };
  std::istringstream in2 { example.factor2 };
  double sxy = 0;
  double sxx = 0;
  double syy = 0;
  double sumZ = 0;
  int n = 0;
  for (double x = 0, y = 0; in1 >> x && in2 >> y; ++n) {
    sxy += x * y;
    sxx += x * x;
    syy += y * y;
    sumZ += std::pow(std::atanh(x) - std::atanh(y), 2);
  }
  const double N1 = std::stod(example.N1);
  const double N2 = std::stod(example.N2);
  EXPECT_NEAR(sxy / std::sqrt(sxx * syy), example.publishedRc, 0.00005);
  EXPECT_NEAR(sumZ / n / (1 / (N1 - 3) + 1 / (N2 - 3)), example.publishedChi, 0.0005);
}

INSTANTIATE_TEST_SUITE_P(Published, WorkedExampleTest, testing::ValuesIn(kWorkedExamples));

// ---- Messages, stops and writes ------------------------------------------------------------

enum class Writes { None, WithoutChi, All };

std::vector<std::string_view> FieldsOf(Writes writes) {
  switch (writes) {
    case Writes::None:
      return {};
    case Writes::WithoutChi:
      return { "rOutFld", "sOutFld", "InputFld1", "InputFld2" };
    case Writes::All:
      break;
  }
  return { "rOutFld", "ChiOutFld", "pOutFld", "sOutFld", "InputFld1", "InputFld2" };
}

struct MessageCase {
  const char* name;
  CalculateInput input;
  std::vector<std::string> messages;
  Writes writes;
  std::optional<std::string> rc {};  // checked where given
};

void PrintTo(const MessageCase& c, std::ostream* os) { *os << c.name; }

class MessageOrderTest : public testing::TestWithParam<MessageCase> { };

TEST_P(MessageOrderTest, ShowsItsMessagesThenWritesItsFields) {
  const MessageCase& expected = GetParam();
  const CalculateOutcome outcome = Calculate(expected.input);
  EXPECT_EQ(outcome.messages, expected.messages);
  EXPECT_EQ(outcome.stopped, expected.writes == Writes::None);
  EXPECT_EQ(FieldsWritten(outcome), FieldsOf(expected.writes));
  if (expected.rc) {
    EXPECT_EQ(Written(outcome, "rOutFld"), expected.rc);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MessageOrderTest,
    testing::Values(
        MessageCase { "NvOne", { "1", "100", "100", ".30", kColumnA, kColumnB }, { kVariables }, Writes::None },
        MessageCase { "NvZero", { "0", "100", "100", ".30", kColumnA, kColumnB }, { kVariables }, Writes::None },
        MessageCase { "NvHundred", { "100", "100", "100", ".30", kColumnA, kColumnB }, { kVariables }, Writes::None },
        MessageCase { "NvTwo", { "2", "100", "100", ".30", kColumnA, kColumnB }, {}, Writes::All },
        MessageCase {
            "NvNinetyNine", { "99", "100", "100", ".30", Repeated(".5", 99), Repeated("-.4", 99) }, {}, Writes::All },
        MessageCase {
            "FourSubjects", { "3", "4", "100", ".30", kColumnA, kColumnB }, { kSubjects }, Writes::WithoutChi },
        MessageCase { "FourSubjectsInSample2",
                      { "3", "100", "4", ".30", kColumnA, kColumnB },
                      { kSubjects },
                      Writes::WithoutChi },
        MessageCase { "FiveSubjects", { "3", "5", "5", ".30", kColumnA, kColumnB }, {}, Writes::All },
        MessageCase { "SubjectsThenSalience",
                      { "3", "3", "100", "0", kColumnA, kColumnB },
                      { kSubjects, kSalience },
                      Writes::None },
        // Several inputs bad at once: the checks run in their order and the first stop ends it.
        MessageCase {
            "EverythingBadStopsAtTheVariables", { "1", "3", "3", "0", "", "" }, { kVariables }, Writes::None },
        MessageCase {
            "VariablesAndSalienceBad", { "100", "100", "100", "0", kColumnA, kColumnB }, { kVariables }, Writes::None },
        MessageCase {
            "SubjectsSalienceAndColumnsBad", { "3", "3", "4", "0", "", "" }, { kSubjects, kSalience }, Writes::None },
        MessageCase { "SalienceAndColumnsBad", { "3", "100", "100", "1", "", "" }, { kSalience }, Writes::None },
        MessageCase { "SalienceZero", { "3", "100", "100", "0", kColumnA, kColumnB }, { kSalience }, Writes::None },
        MessageCase {
            "SalienceAtTheBound", { "3", "100", "100", ".9999", kColumnA, kColumnB }, { kSalience }, Writes::None },
        MessageCase { "SalienceAtTheNegativeBound",
                      { "3", "100", "100", "-.9999", kColumnA, kColumnB },
                      { kSalience },
                      Writes::None },
        // The largest Double below .9999 is accepted.
        MessageCase { "SalienceJustBelowTheBound",
                      { "3", "100", "100", fw::Str(std::nextafter(0.9999, 0.0)), kColumnA, kColumnB },
                      {},
                      Writes::All },
        MessageCase {
            "SalienceTypedJustBelowTheBound", { "3", "100", "100", ".9998", kColumnA, kColumnB }, {}, Writes::All },
        MessageCase { "SalienceOne", { "3", "100", "100", "1.0", kColumnA, kColumnB }, { kSalience }, Writes::None },
        MessageCase { "SalienceNegative", { "3", "100", "100", "-.3", kColumnA, kColumnB }, {}, Writes::All },
        MessageCase { "BothColumnsEmpty", { "3", "100", "100", ".30", "", "" }, { kNoData1 }, Writes::None },
        MessageCase { "Factor2Empty", { "3", "100", "100", ".30", kColumnA, "" }, { kNoData2 }, Writes::None },
        // Every line is bad, but the column's message comes once.
        MessageCase { "OnlyLineEnds",
                      { "3", "100", "100", ".30", "\r\r\r", kColumnB },
                      { kCheck1, kZero1 },
                      Writes::All,
                      " error" },
        // Column 1 misses line 3; column 2 is bad from line 4 on.
        MessageCase { "MissingLine",
                      { "4", "100", "100", ".30", Column(".5 .4"), Column(".5 .4 .3 1.5") },
                      { kCheck1, kCheck2 },
                      Writes::All,
                      " error" },
        // Column 1 misses line 4 only, after column 2 went bad at line 2.
        MessageCase { "MissingLastLine",
                      { "4", "100", "100", ".30", Column(".5 .4 .3"), Column(".5 1.5 .3 .2") },
                      { kCheck2, kCheck1 },
                      Writes::All },
        MessageCase { "BoundsAreGood", { "3", "100", "100", ".30", Column("1 -1 .3"), kColumnB }, {}, Writes::All },
        MessageCase { "AboveOne",
                      { "3", "100", "100", ".30", Column("1.5 .4 .3"), kColumnB },
                      { kCheck1 },
                      Writes::All,
                      " error" },
        MessageCase { "BelowMinusOne",
                      { "3", "100", "100", ".30", kColumnA, Column(".5 -1.01 .2") },
                      { kCheck2 },
                      Writes::All,
                      " error" },
        MessageCase { "Factor2BadFirst",
                      { "5", "100", "100", ".30", Column(".5 .4 .3 .2 2"), Column(".5 .4 -2 .2 .1") },
                      { kCheck2, kCheck1 },
                      Writes::All },
        MessageCase { "BothBadOnOneLine",
                      { "3", "100", "100", ".30", Column(".5 9 .3"), Column(".5 9 .2") },
                      { kCheck1, kCheck2 },
                      Writes::All },
        // Columns pasted with a header line: every loading moves down a line, the last is lost.
        MessageCase { "HeaderLines",
                      { "5", "100", "100", ".30", "Factor 1\r.996\r.007\r.982\r.449\r-.004",
                        "F2\r.981\r.015\r.963\r.524\r-.022" },
                      { kCheck1, kCheck2 },
                      Writes::All,
                      " error" },
        // A decimal comma in column 2 at line 2 comes before a unit after a number in column 1
        // at line 3.
        MessageCase { "DecimalCommaThenUnit",
                      { "3", "4", "100", ".30", Column(".5 .4 .3kg"), Column(".5 0,4 .2") },
                      { kSubjects, kCheck2, kCheck1 },
                      Writes::WithoutChi,
                      " error" },
        MessageCase { "Factor1AllZero",
                      { "3", "100", "100", ".30", Column("0 0 0"), kColumnB },
                      { kZero1 },
                      Writes::All,
                      "0.0000" },
        MessageCase { "BothAllZero",
                      { "3", "100", "100", ".30", Column("0 0 0"), Column("0 0 0") },
                      { kZero1, kZero2 },
                      Writes::All,
                      "0.0000" },
        MessageCase { "EveryKindInOrder",
                      { "3", "4", "100", ".30", "0\r0\r", kColumnB },
                      { kSubjects, kCheck1, kZero1 },
                      Writes::WithoutChi,
                      " error" }),
    [](const testing::TestParamInfo<MessageCase>& info) { return std::string(info.param.name); });

// ---- A loading line is one number read whole ----------------------------------------------

// Line 1 of column 1 as pasted or typed. A bad line draws the column's message once and marks
// rc " error"; it is stored, and echoed, as Val reads it. A good line gives the results of the
// value typed plainly.
struct LoadingLineCase {
  const char* name;
  std::string line;
  bool bad;
  std::string stored;  // the echo of the value as read
};

void PrintTo(const LoadingLineCase& c, std::ostream* os) { *os << c.name; }

class LoadingLineTest : public testing::TestWithParam<LoadingLineCase> { };

TEST_P(LoadingLineTest, ABadLineDrawsTheMessageAndIsStoredAsRead) {
  const LoadingLineCase& c = GetParam();
  const std::string column = c.line + "\r.4\r.3";
  const CalculateOutcome outcome = Calculate({ "3", "100", "100", ".30", column, kColumnB });
  EXPECT_EQ(outcome.messages, c.bad ? std::vector<std::string> { kCheck1 } : std::vector<std::string> {});
  const CalculateOutcome typedPlainly = Calculate({ "3", "100", "100", ".30", c.stored + "\r.4\r.3", kColumnB });
  EXPECT_EQ(Written(outcome, "rOutFld"), c.bad ? " error" : Written(typedPlainly, "rOutFld"));
  EXPECT_EQ(Written(outcome, "sOutFld"), Written(typedPlainly, "sOutFld"));
  EXPECT_EQ(Written(outcome, "InputFld1"), column + EchoBlock(c.stored + " 0.4 0.3"));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LoadingLineTest,
    testing::Values(
        LoadingLineCase { "Header", "Factor 1", true, "0" }, LoadingLineCase { "ShortHeader", "F1", true, "0" },
        LoadingLineCase { "DecimalComma", "0,449", true, "0" },
        LoadingLineCase { "LettersAfter", ".007abc", true, "0.007" },
        LoadingLineCase { "NotAvailable", "n/a", true, "0" }, LoadingLineCase { "TwoPoints", ".5.24", true, "0.5" },
        LoadingLineCase { "TypographicMinus", "\u2212.004", true, "0" },
        LoadingLineCase { "TwoNumbers", ".5 .6", true, "0.5" },
        LoadingLineCase { "ExponentWithoutDigits", "1e", true, "1" },
        LoadingLineCase { "OnlyBlanks", "   ", true, "0" }, LoadingLineCase { "Empty", "", true, "0" },
        LoadingLineCase { "AboveOne", "1.5", true, "1.5" }, LoadingLineCase { "BelowMinusOne", "-1.01", true, "-1.01" },
        LoadingLineCase { "Plus", "+.996", false, "0.996" }, LoadingLineCase { "Exponent", "9.96E-01", false, "0.996" },
        LoadingLineCase { "SmallExponent", "7e-3", false, "0.007" },
        LoadingLineCase { "BlanksBefore", "  .007", false, "0.007" },
        LoadingLineCase { "BlanksAfter", ".982  ", false, "0.982" }, LoadingLineCase { "MinusZero", "-0", false, "0" },
        LoadingLineCase { "One", "1", false, "1" }, LoadingLineCase { "MinusOne", "-1", false, "-1" }),
    [](const testing::TestParamInfo<LoadingLineCase>& info) { return std::string(info.param.name); });

// ---- Salience entry -----------------------------------------------------------------------

struct SalienceEntryCase {
  const char* salience;
  std::string factor1;
  std::string factor2;
  std::string s;
};

class SalienceEntryTest : public testing::TestWithParam<SalienceEntryCase> { };

TEST_P(SalienceEntryTest, ReadsTheSalienceAsItsAbsoluteValue) {
  const SalienceEntryCase& entry = GetParam();
  const CalculateOutcome outcome = Calculate({ "2", "100", "100", entry.salience, entry.factor1, entry.factor2 });
  EXPECT_EQ(Written(outcome, "sOutFld"), entry.s);
}

INSTANTIATE_TEST_SUITE_P(Entries, SalienceEntryTest,
                         testing::Values(
                             // .1 and -.1 are salient at ".10": a reflection.
                             SalienceEntryCase { ".10", Column(".1 .05"), Column("-.1 .05"), "-1.000" },
                             // At .3, .2 and -.2 are hyperplane; were the salience smaller they would be salient.
                             SalienceEntryCase { "-.3", Column(".3 .2"), Column(".3 -.2"), "1.000" }));

// ---- Yields ----------------------------------------------------------------------------------

struct YieldCase {
  CalculateInput input;
  int yields;
};

class YieldTest : public testing::TestWithParam<YieldCase> { };

// Reading, the two sums, classify, count and the two echoes pass once per variable; clearing
// the cross table yields twelve times.
TEST_P(YieldTest, YieldsOncePerLoopPass) {
  int yields = 0;
  CalculateRequest(GetParam().input, [&] { ++yields; });
  EXPECT_EQ(yields, GetParam().yields);
}

INSTANTIATE_TEST_SUITE_P(Requests, YieldTest,
                         testing::Values(YieldCase { { "3", "100", "100", ".30", kColumnA, kColumnB }, 7 * 3 + 12 },
                                         YieldCase { { "3", "4", "100", ".30", kColumnA, kColumnB }, 7 * 3 + 12 },
                                         YieldCase { { "99", "100", "100", ".30", kColumnA, kColumnB }, 7 * 99 + 12 },
                                         YieldCase { { "3", "100", "100", ".30", kColumnA, "" }, 0 }));

// ---- Echo of the data as read ----------------------------------------------------------------

TEST(EchoTest, AppendsTheValuesAsReadBelowAHeading) {
  const CalculateOutcome outcome = Calculate({ "2", "100", "100", ".30", Column(".5 .25"), Column("-.5 1") });
  EXPECT_EQ(Written(outcome, "InputFld1"), ".5\r.25" + EchoBlock("0.5 0.25"));
  EXPECT_EQ(Written(outcome, "InputFld2"), "-.5\r1" + EchoBlock("-0.5 1"));
}

TEST(EchoTest, AColumnEndingWithALineEndGetsTwoEmptyLines) {
  const CalculateOutcome outcome = Calculate({ "2", "100", "100", ".30", ".5\r.25\r", Column("-.5 1") });
  EXPECT_EQ(Written(outcome, "InputFld1"), ".5\r.25\r\r\rData as read\r0.5\r0.25\r");
}

TEST(EchoTest, ASecondRequestOnTheEchoedColumnsGivesTheSameResultsAndAnotherBlock) {
  const CalculateInput first { "3", "100", "100", ".30", kColumnA, kColumnB };
  const CalculateOutcome outcome1 = Calculate(first);
  CalculateInput second = first;
  second.factor1 = *Written(outcome1, "InputFld1");
  second.factor2 = *Written(outcome1, "InputFld2");
  const CalculateOutcome outcome2 = Calculate(second);

  for (const std::string_view field : { "rOutFld", "ChiOutFld", "pOutFld", "sOutFld" }) {
    EXPECT_EQ(Written(outcome2, field), Written(outcome1, field)) << field;
  }
  EXPECT_EQ(Written(outcome2, "InputFld1"), second.factor1 + EchoBlock("0.5 0.4 0.3"));
  EXPECT_EQ(Written(outcome2, "InputFld2"), second.factor2 + EchoBlock("0.5 0.4 0.2"));
}

TEST(EchoTest, AllHyperplaneLoadingsStillCompleteTheRequest) {
  const CalculateOutcome outcome = Calculate({ "3", "100", "100", ".30", Column(".1 .1 .1"), Column(".2 .2 .2") });
  EXPECT_EQ(Written(outcome, "sOutFld"), "NaN");
  EXPECT_EQ(Written(outcome, "InputFld1"), Column(".1 .1 .1") + EchoBlock("0.1 0.1 0.1"));
}

// ---- Bad input: no crash, no lost text --------------------------------------------------------

struct BadInputCase {
  const char* name;
  std::string factor1;
  std::vector<std::string> messages;
  std::string echoed;  // the values echoed for factor 1, blank-separated
};

void PrintTo(const BadInputCase& c, std::ostream* os) { *os << c.name; }

class BadInputTest : public testing::TestWithParam<BadInputCase> { };

TEST_P(BadInputTest, EchoesTheValuesAsReadAfterTheUnchangedText) {
  const BadInputCase& bad = GetParam();
  const CalculateOutcome outcome = Calculate({ "3", "100", "100", ".30", bad.factor1, kColumnB });
  EXPECT_EQ(outcome.messages, bad.messages);
  EXPECT_EQ(Written(outcome, "InputFld1"), bad.factor1 + EchoBlock(bad.echoed));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BadInputTest,
    testing::Values(BadInputCase { "Letters", "abc\r.4x\rx.3", { kCheck1 }, "0 0.4 0" },
                    BadInputCase { "LoneMinus", "-\r.4\r.3", { kCheck1 }, "0 0.4 0.3" },
                    BadInputCase { "Huge", "1e999\r.4\r.3", { kCheck1 }, "1.7976931348623157e+308 0.4 0.3" },
                    BadInputCase { "EmptyLine", ".5\r\r.3", { kCheck1 }, "0.5 0 0.3" },
                    // A line feed does not end a value; one left before the number stops Val there.
                    BadInputCase { "LineFeeds", ".5\r\n.4\r\n.3\n", { kCheck1 }, "0.5 0 0" },
                    BadInputCase { "Tabs", ".5\t.4\r.3", {}, "0.5 0.4 0.3" }),
    [](const testing::TestParamInfo<BadInputCase>& info) { return std::string(info.param.name); });

TEST(BadInputTest, APastedColumnOfAHundredThousandLinesReadsItsFirstValues) {
  const std::string pasted = Repeated("-.123", 100'000);
  const CalculateOutcome outcome = Calculate({ "99", "100", "100", ".30", pasted, Repeated(".2", 99) });
  EXPECT_TRUE(outcome.messages.empty());
  EXPECT_EQ(Written(outcome, "InputFld1"), pasted + "\r\rData as read\r" + Repeated("-0.123", 99) + "\r");
}

}  // namespace
}  // namespace calculator
