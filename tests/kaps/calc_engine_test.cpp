// The calculator's left-to-right arithmetic, driven key by key as the buttons and the keypad do.
#include <gtest/gtest.h>

#include <string>

#include "kaps/desk/calc/calc_engine.h"

namespace vimo {
namespace {

// Presses the keys of a script: digits, ".", "~" (sign change), "C", "E" (clear entry), "=", "+", "-",
// "*", "/" and "%"; spaces are skipped.
void Type(CalcEngine& calc, const std::string& keys) {
    for (const char c : keys) {
        switch (c) {
        case ' ': break;
        case '.': calc.Press(CalcKey::Point); break;
        case '~': calc.Press(CalcKey::SignChange); break;
        case 'C': calc.Press(CalcKey::ClearAll); break;
        case 'E': calc.Press(CalcKey::ClearEntry); break;
        case '=': calc.Press(CalcKey::Result); break;
        case '+': calc.Press(CalcKey::Add); break;
        case '-': calc.Press(CalcKey::Subtract); break;
        case '*': calc.Press(CalcKey::Multiply); break;
        case '/': calc.Press(CalcKey::Divide); break;
        case '%': calc.Press(CalcKey::Percent); break;
        default: ASSERT_TRUE(c >= '0' && c <= '9') << "bad script key " << c; calc.Press(CalcDigitKey(c - '0'));
        }
    }
}

std::string DisplayAfter(const std::string& keys) {
    CalcEngine calc;
    Type(calc, keys);
    return calc.Display();
}

TEST(CalcEngine, StartsInTheInitialState) {
    const CalcEngine calc;
    EXPECT_EQ(calc.Display(), "0");
    EXPECT_EQ(calc.Accumulator(), 0.0);
    EXPECT_EQ(calc.PendingOperator(), CalcOperator::Add);
    EXPECT_EQ(calc.PressedOperator(), CalcOperator::None);
    EXPECT_TRUE(calc.NewNumber());
    EXPECT_FALSE(calc.OperatorWaiting());
    EXPECT_TRUE(calc.Applied());
}

TEST(CalcEngine, TypingDigitsAndPoint) {
    EXPECT_EQ(DisplayAfter("0"), "0");
    EXPECT_EQ(DisplayAfter("007"), "7") << "a leading zero is replaced";
    EXPECT_EQ(DisplayAfter("120"), "120");
    EXPECT_EQ(DisplayAfter("."), "0.");
    EXPECT_EQ(DisplayAfter(".5"), "0.5");
    EXPECT_EQ(DisplayAfter("1.2.3"), "1.23") << "a second point is ignored";
    EXPECT_EQ(DisplayAfter("0.05"), "0.05");
    EXPECT_EQ(DisplayAfter("5 + ."), "0.") << "the point begins a new number";
    EXPECT_EQ(DisplayAfter("5 + 3"), "3");
}

TEST(CalcEngine, TwelfthCharacterIsDropped) {
    EXPECT_EQ(DisplayAfter("12345678901"), "12345678901");
    EXPECT_EQ(DisplayAfter("123456789012"), "12345678901");
    EXPECT_EQ(DisplayAfter("1234567890.12"), "1234567890.");
    EXPECT_EQ(DisplayAfter("0.1234567891"), "0.123456789");
    EXPECT_EQ(DisplayAfter("~1234567890 1"), "-1234567890") << "the sign counts";
    EXPECT_EQ(DisplayAfter("12345678901 ~"), "12345678901") << "no room for the minus: the number stays whole";
    CalcEngine calc;
    Type(calc, "123456789012 + 1 =");
    EXPECT_EQ(calc.Accumulator(), 12345678902.0) << "the dropped digit is not part of the number";
}

TEST(CalcEngine, LeftToRightEvaluation) {
    CalcEngine calc;
    Type(calc, "2 + 3 *");
    EXPECT_EQ(calc.Display(), "5");
    Type(calc, "4 =");
    EXPECT_EQ(calc.Display(), "20");
    EXPECT_EQ(calc.Accumulator(), 20.0);
    EXPECT_EQ(DisplayAfter("9 - 4 - 10 ="), "-5");
    EXPECT_EQ(DisplayAfter("7 / 2 ="), "3.5");
    EXPECT_EQ(DisplayAfter("50 + 50 ="), "100");
    EXPECT_EQ(DisplayAfter("2.5 * ~4 ="), "-10");
    EXPECT_EQ(DisplayAfter("0.1 + 0.2 ="), "0.3");
}

TEST(CalcEngine, OperatorRightAfterAnOperatorIsIgnored) {
    CalcEngine calc;
    Type(calc, "8 + *");
    EXPECT_EQ(calc.PressedOperator(), CalcOperator::None);
    EXPECT_EQ(calc.PendingOperator(), CalcOperator::Add) << "the first operator stays in force";
    Type(calc, "2 =");
    EXPECT_EQ(calc.Display(), "10");
    EXPECT_EQ(DisplayAfter("8 + = 2 ="), "10") << "= right after an operator is ignored";
    EXPECT_EQ(DisplayAfter("8 * % 2 ="), "16") << "% right after an operator is ignored";
    EXPECT_EQ(DisplayAfter("8 + ~ *"), "-") << "a sign change does not end the wait for a number";
    EXPECT_EQ(DisplayAfter("8 + ~ * 3 ="), "5");
}

TEST(CalcEngine, ResultRepeatedChangesNothing) {
    CalcEngine calc;
    Type(calc, "2 + 3 =");
    EXPECT_EQ(calc.Display(), "5");
    Type(calc, "= =");
    EXPECT_EQ(calc.Display(), "5");
    EXPECT_EQ(calc.Accumulator(), 5.0) << "the last operation is not repeated";
}

TEST(CalcEngine, OperatorAfterResultContinuesFromIt) {
    EXPECT_EQ(DisplayAfter("2 + 3 = * 4 ="), "20");
    EXPECT_EQ(DisplayAfter("1 / 3 = * 3 ="), "1") << "continues from the accumulator, not from the cut display";
    EXPECT_EQ(DisplayAfter("5 + 3 = = - 1 ="), "7");
}

TEST(CalcEngine, NumberTypedAfterResultStartsANewCalculation) {
    EXPECT_EQ(DisplayAfter("5 + 3 = 2 + 1 ="), "3");
    EXPECT_EQ(DisplayAfter("5 + 3 = 2 ="), "2");
    EXPECT_EQ(DisplayAfter("5 + 3 = 2 E + 1 ="), "9") << "a cleared entry continues from the result";
}

TEST(CalcEngine, SignChange) {
    EXPECT_EQ(DisplayAfter("~"), "-") << "the initial display begins a new number";
    EXPECT_EQ(DisplayAfter("~5"), "-5");
    EXPECT_EQ(DisplayAfter("12~"), "-12");
    EXPECT_EQ(DisplayAfter("12~~"), "12");
    EXPECT_EQ(DisplayAfter("1.5~"), "-1.5");
    EXPECT_EQ(DisplayAfter("10 + ~"), "-") << "after an operator a negative number begins";
    EXPECT_EQ(DisplayAfter("10 + ~5"), "-5");
    EXPECT_EQ(DisplayAfter("10 + ~5 ="), "5");
    EXPECT_EQ(DisplayAfter("2 + 3 = ~"), "-") << "after a result too";
    EXPECT_EQ(DisplayAfter("2 + 3 = ~5"), "-5");
    EXPECT_EQ(DisplayAfter("~.5"), "-.5");
    EXPECT_EQ(DisplayAfter("1 + ~.5 ="), "0.5") << "\"-.5\" reads as -0.5";
    EXPECT_EQ(DisplayAfter("7 + ~ 2 ="), "5");
    EXPECT_EQ(DisplayAfter("1234567890~"), "-1234567890");
    EXPECT_EQ(DisplayAfter("1234567890~~"), "1234567890");
    CalcEngine calc;
    Type(calc, "4 +");
    calc.Press(CalcKey::SignChange);
    EXPECT_FALSE(calc.NewNumber());
    EXPECT_TRUE(calc.OperatorWaiting()) << "no flag but new number changes";
    EXPECT_TRUE(calc.Applied());
    Type(calc, "=");
    EXPECT_EQ(calc.Display(), "-") << "so \"=\" is still ignored";
}

TEST(CalcEngine, ClearAllAndClearEntry) {
    CalcEngine calc;
    Type(calc, "5 * 3 C");
    EXPECT_EQ(calc.Display(), "0");
    EXPECT_EQ(calc.Accumulator(), 0.0);
    EXPECT_EQ(calc.Operand(), 0.0);
    EXPECT_EQ(calc.PendingOperator(), CalcOperator::Add);
    EXPECT_TRUE(calc.NewNumber());
    EXPECT_TRUE(calc.Applied());
    Type(calc, "2 + 2 =");
    EXPECT_EQ(calc.Display(), "4");

    EXPECT_EQ(DisplayAfter("5 + 3 E 4 ="), "9") << "clear entry keeps the accumulator and the pending operator";
    EXPECT_EQ(DisplayAfter("5 * 3 E"), "0");
    EXPECT_EQ(DisplayAfter("5 * E 4 ="), "20") << "clear entry ends the wait for a number without applying";
    CalcEngine entry;
    Type(entry, "5 + E");
    EXPECT_FALSE(entry.OperatorWaiting());
    EXPECT_EQ(entry.Accumulator(), 5.0);
    Type(entry, "=");
    EXPECT_EQ(entry.Display(), "0") << "= after clear entry has nothing to apply";
    EXPECT_EQ(entry.Accumulator(), 5.0);
}

TEST(CalcEngine, DivisionByZeroKeepsTheDividend) {
    CalcEngine calc;
    Type(calc, "8 / 0 =");
    EXPECT_EQ(calc.Display(), "0") << "the display keeps the typed zero";
    EXPECT_EQ(calc.Accumulator(), 8.0);
    EXPECT_EQ(calc.PendingOperator(), CalcOperator::Result) << "the pending operator moves on";
    Type(calc, "+ 2 =");
    EXPECT_EQ(calc.Display(), "10");
    EXPECT_EQ(DisplayAfter("8 / 0.0 ="), "0.0");
    EXPECT_EQ(DisplayAfter("8 / 0 * 3 ="), "24");
}

TEST(CalcEngine, Percent) {
    EXPECT_EQ(DisplayAfter("200 + 10 %"), "220");
    EXPECT_EQ(DisplayAfter("200 - 10 %"), "180");
    EXPECT_EQ(DisplayAfter("200 * 10 %"), "20");
    EXPECT_EQ(DisplayAfter("50 / 200 %"), "25") << "a as a percentage of b";
    EXPECT_EQ(DisplayAfter("1 / 8 %"), "12.5");
    CalcEngine byZero;
    Type(byZero, "50 / 0 %");
    EXPECT_EQ(byZero.Accumulator(), 50.0) << "a percentage of zero keeps the dividend";
    EXPECT_EQ(byZero.Display(), "50");
    EXPECT_EQ(byZero.PendingOperator(), CalcOperator::None);

    CalcEngine calc;
    Type(calc, "200 + 10 %");
    EXPECT_EQ(calc.PendingOperator(), CalcOperator::None);
    EXPECT_EQ(calc.PressedOperator(), CalcOperator::None);
    EXPECT_EQ(calc.Operand(), 0.0);
    EXPECT_TRUE(calc.NewNumber());
    Type(calc, "* 2 =");
    EXPECT_EQ(calc.Display(), "440") << "the next operator continues from the percent result";

    EXPECT_EQ(DisplayAfter("200 + 10 % 7 + 1 ="), "8") << "a number typed after a percent starts anew";
    EXPECT_EQ(DisplayAfter("200 + 10 = %"), "210") << "nothing pending: the result stays";
    EXPECT_EQ(DisplayAfter("200 + 10 = 7 %"), "7");
    EXPECT_EQ(DisplayAfter("200 + 10 % %"), "220");
}

TEST(CalcEngine, TinyValuesShowZeroButStayInTheAccumulator) {
    CalcEngine calc;
    Type(calc, "0.000000001 / 10 =");
    EXPECT_EQ(calc.Display(), "0");
    EXPECT_DOUBLE_EQ(calc.Accumulator(), 1e-10);
    Type(calc, "* 10000000000 =");
    EXPECT_EQ(calc.Display(), "1");
    EXPECT_EQ(DisplayAfter("0.000000001 / 10 = * ~1 ="), "0") << "no minus sign on a value that shows as zero";
}

TEST(CalcEngine, ResultsOnTheDisplay) {
    EXPECT_EQ(DisplayAfter("1 / 3 ="), "0.333333333");
    EXPECT_EQ(DisplayAfter("2 / 3 ="), "0.666666666") << "cut, not rounded";
    EXPECT_EQ(DisplayAfter("1 / ~3 ="), "-0.33333333");
    EXPECT_EQ(DisplayAfter("100000 * 100000 ="), "10000000000") << "eleven digits show all their zeros";
    EXPECT_EQ(DisplayAfter("99999999999 + 1 ="), "1e11");
    EXPECT_EQ(DisplayAfter("1000000 * ~100000 ="), "-1e11");
    EXPECT_EQ(DisplayAfter("100000 * ~100000 ="), "-1e10") << "eleven digits do not fit beside the sign";
}

TEST(CalcEngine, OverflowShowsErrorUntilCleared) {
    CalcEngine calc;
    Type(calc, "99999999999");
    for (int i = 0; i < 40; ++i) Type(calc, "* 99999999999 =");
    EXPECT_EQ(calc.Display(), "Error");
    Type(calc, "C 1 + 1 =");
    EXPECT_EQ(calc.Display(), "2");
}

} // namespace
} // namespace vimo
