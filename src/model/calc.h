#pragma once

#include <string>
#include <string_view>

#include "platform/result.h"

namespace model {

// What stopped a calculation; fault messages name the quantity, these tell the kind.
enum class CalcFault { TooLarge = 1, ZeroDivisor, NegativeRoot, RightAngle };

// The leading number of a box's text (platform::val) as a design value stores it; a number beyond the
// single range is a fault "<name> の値が大きすぎます。" (TooLarge). Every box read for a design value
// goes through here, so that no infinity is ever stored.
platform::Result<float> readSingle(std::string_view text, std::string_view name);

// Checked arithmetic of the copy steps and the engine: every formula is evaluated in double from the stored
// single values and rounded to single where it is stored. A zero divisor, a negative root or a value beyond
// the single range stops the calculation with a fault that names the quantity being computed (the
// topic). After the first fault the later steps still run but harmlessly (divisions give 0, nothing
// more is stored); the engine works on a copy of the design data that its caller discards on a fault,
// so nothing half-computed is ever seen.
class Calc {
public:
    explicit Calc(std::string_view topic) : topic_(topic) {}

    // What the following steps compute, for the fault's message.
    void topic(std::string_view t) { topic_ = t; }

    // Reads the leading number of a box's text; a number beyond the single range stops with
    // "<name> の値が大きすぎます。"
    void read(float& target, const std::string& text, std::string_view name);
    // Stores v rounded to single; beyond the single range stops with "<name> の値が大きすぎます。"
    void put(float& target, double v, std::string_view name);
    // Stores v (rounded to single for a float) and returns the stored value.
    double put(float& target, double v);
    double put(double& target, double v);
    // a / b; b = 0 stops with "<topic>を計算できません（<divisor> が 0 です）。"
    double div(double a, double b, std::string_view divisor);
    double root(double a);
    // A cosine in a denominator whose angle is 90° (with π taken as 3.14159 it is not exactly 0).
    void requireNonRightAngle(double cosine, std::string_view angle);

    // Stops with a message of the caller's; `code` tells callers and tests which fault it is.
    void fail(std::string message, platform::FaultCode code = {});
    bool failed() const { return failed_; }
    platform::Status status() const;

private:
    void failWith(std::string_view reason, CalcFault code);

    std::string_view topic_;
    std::string message_;
    platform::FaultCode code_;
    bool failed_ = false;
};

} // namespace model
