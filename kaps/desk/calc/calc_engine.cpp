#include "kaps/desk/calc/calc_engine.h"

#include "kaps/desk/calc/calc_format.h"

namespace vimo {

void CalcEngine::Press(CalcKey key) {
    switch (key) {
    case CalcKey::Point: Point(); break;
    case CalcKey::SignChange: SignChange(); break;
    case CalcKey::ClearAll: ClearAll(); break;
    case CalcKey::ClearEntry: ClearEntry(); break;
    case CalcKey::Result: ResultKey(); break;
    case CalcKey::Add: OperatorKey(CalcOperator::Add); break;
    case CalcKey::Subtract: OperatorKey(CalcOperator::Subtract); break;
    case CalcKey::Multiply: OperatorKey(CalcOperator::Multiply); break;
    case CalcKey::Divide: OperatorKey(CalcOperator::Divide); break;
    case CalcKey::Percent: PercentKey(); break;
    default: Digit(CalcKeyDigit(key)); break;
    }
}

void CalcEngine::Digit(int digit) {
    const char c = static_cast<char>('0' + digit);
    if (display_ == "0" || newNumber_) {
        display_.assign(1, c);
    } else {
        display_ += c;
    }
    newNumber_ = operatorWaiting_ = applied_ = false;
    Show();
}

void CalcEngine::Point() {
    if (display_ == "0" || newNumber_) {
        display_ = "0.";
    } else if (display_.find('.') == std::string::npos) {
        display_ += '.';
    }
    newNumber_ = operatorWaiting_ = applied_ = false;
    Show();
}

// Begins a negative number when a new number is due (the display shows "-" until a digit follows);
// otherwise toggles the sign of the number being typed. A number that fills the display keeps its
// sign: the minus would push its last digit out and change its value tenfold. No other state changes.
void CalcEngine::SignChange() {
    if (newNumber_) {
        display_ = "-";
        newNumber_ = false;
    } else if (!display_.empty() && display_[0] == '-') {
        display_.erase(0, 1);
    } else if (display_.size() < kCalcDisplayWidth) {
        display_.insert(0, "-");
    }
    Show();
}

void CalcEngine::ClearAll() {
    accumulator_ = operand_ = 0;
    pending_ = CalcOperator::Add;
    ClearEntry();
}

// The accumulator and the pending operator stay.
void CalcEngine::ClearEntry() {
    display_ = "0";
    pressed_ = CalcOperator::None;
    operatorWaiting_ = false;
    newNumber_ = applied_ = true;
    Show();
}

void CalcEngine::OperatorKey(CalcOperator op) {
    if (operatorWaiting_) return;
    operand_ = ReadCalcDisplay(display_);
    StartFromTypedNumber();
    pressed_ = op;
    operatorWaiting_ = true;
    applied_ = false;
    Apply();
}

// Like an operator key, but it leaves no operator waiting and does not clear the applied flag: "="
// pressed again before any digit changes nothing.
void CalcEngine::ResultKey() {
    if (operatorWaiting_) return;
    operand_ = ReadCalcDisplay(display_);
    if (!applied_) StartFromTypedNumber();
    pressed_ = CalcOperator::Result;
    Apply();
}

// A number typed after a result (or after a percent) starts a new calculation: with no arithmetic
// pending the accumulator takes the operand. Without a typed number (new number still set) the next
// operator continues from the result.
void CalcEngine::StartFromTypedNumber() {
    const bool nothingPending = pending_ == CalcOperator::Result || pending_ == CalcOperator::None;
    if (nothingPending && !newNumber_) accumulator_ = operand_;
}

// With the display b and the accumulator a:
//   a + b %  ->  a increased by b percent        a - b %  ->  a decreased by b percent
//   a x b %  ->  b percent of a                  a / b %  ->  a as a percentage of b (a / b x 100);
//                                                             b = 0 keeps a, as a division by zero does
// With nothing pending, a typed number becomes the accumulator as for an operator key. Afterwards the
// result is shown and no operation is pending, so the next operator key continues from it.
void CalcEngine::PercentKey() {
    if (operatorWaiting_) return;
    const double b = ReadCalcDisplay(display_);
    double& a = accumulator_;
    switch (pending_) {
    case CalcOperator::Add: a = a * (b * 0.01 + 1.0); break;
    case CalcOperator::Subtract: a = a - a * b * 0.01; break;
    case CalcOperator::Multiply: a = b * a * 0.01; break;
    case CalcOperator::Divide:
        if (b != 0) a = a * 100.0 / b;
        break;
    case CalcOperator::Result:
    case CalcOperator::None:
        if (!newNumber_) a = b;
        break;
    }
    pending_ = CalcOperator::Result;
    pressed_ = CalcOperator::None;
    operand_ = 0;
    operatorWaiting_ = false;
    applied_ = false;
    Apply();
}

void CalcEngine::Apply() {
    if (!applied_) {
        bool show = true;
        switch (pending_) {
        case CalcOperator::Add: accumulator_ = operand_ + accumulator_; break;
        case CalcOperator::Subtract: accumulator_ = accumulator_ - operand_; break;
        case CalcOperator::Multiply: accumulator_ = operand_ * accumulator_; break;
        case CalcOperator::Divide:
            // Division by zero computes nothing: the accumulator keeps the dividend and the display
            // the typed zero.
            if (operand_ != 0) {
                accumulator_ = accumulator_ / operand_;
            } else {
                show = false;
            }
            break;
        case CalcOperator::Result: break;
        case CalcOperator::None: show = false; break;
        }
        if (show) display_ = FormatCalcNumber(accumulator_);
        pending_ = pressed_;
        pressed_ = CalcOperator::None;
    }
    applied_ = newNumber_ = true;
    Show();
}

// Typed input stops growing at the display's width, sign and point included.
void CalcEngine::Show() {
    if (display_.size() > kCalcDisplayWidth) display_.resize(kCalcDisplayWidth);
}

} // namespace vimo
