#pragma once
// The calculator's arithmetic: a four-function pocket calculator that evaluates strictly from left to
// right with one accumulator, in double precision, and shows at most 11 characters. The state is never
// saved; a new engine is in the initial state.
#include <string>

#include "kaps/desk/calc/calc_keys.h"

namespace vimo {

// The operation an operator key applies. Result is "=": it keeps the accumulator.
enum class CalcOperator { None, Add, Subtract, Multiply, Divide, Result };

class CalcEngine {
public:
    // Handles one key. The display may change; the screen shows Display() afterwards.
    void Press(CalcKey key);

    // The number being typed or the last result, as text; at most kCalcDisplayWidth characters.
    const std::string& Display() const { return display_; }
    double Accumulator() const { return accumulator_; }
    double Operand() const { return operand_; }
    CalcOperator PendingOperator() const { return pending_; }
    CalcOperator PressedOperator() const { return pressed_; }
    bool NewNumber() const { return newNumber_; }
    bool OperatorWaiting() const { return operatorWaiting_; }
    bool Applied() const { return applied_; }

private:
    void Digit(int digit);
    void Point();
    void SignChange();
    void ClearAll();
    void ClearEntry();
    void OperatorKey(CalcOperator op);
    void ResultKey();
    void PercentKey();
    void StartFromTypedNumber();
    void Apply();
    void Show();

    std::string display_ = "0";
    double accumulator_ = 0;
    double operand_ = 0;
    CalcOperator pending_ = CalcOperator::Add;  // what the next operator key applies
    CalcOperator pressed_ = CalcOperator::None; // the key just pressed; becomes pending once applied
    bool newNumber_ = true;                     // the next digit replaces the display
    bool operatorWaiting_ = false;              // an operator key was just pressed: operator, "=" and "%" are ignored
    bool applied_ = true;                       // the pending operation has been applied: applying is skipped
};

} // namespace vimo
