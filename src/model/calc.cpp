#include "model/calc.h"

#include <cmath>

#include "platform/runtime.h"

namespace model {

namespace {

platform::Result<float> single(double v, std::string_view name) {
    const float s = platform::toSingle(v);
    if (!std::isfinite(s))
        return platform::Fault{std::string(name) + " の値が大きすぎます。", CalcFault::TooLarge};
    return s;
}

} // namespace

platform::Result<float> readSingle(std::string_view text, std::string_view name) {
    return single(platform::val(text), name);
}

void Calc::read(float& target, const std::string& text, std::string_view name) {
    put(target, platform::val(text), name);
}

void Calc::put(float& target, double v, std::string_view name) {
    if (failed_) return;
    auto s = single(v, name);
    if (!s) {
        fail(s.fault().message, CalcFault::TooLarge);
        return;
    }
    target = *s;
}

double Calc::put(float& target, double v) {
    if (failed_) return 0;
    const float s = platform::toSingle(v);
    if (!std::isfinite(s)) {
        failWith("値が大きすぎます", CalcFault::TooLarge);
        return 0;
    }
    target = s;
    return s;
}

double Calc::put(double& target, double v) {
    if (failed_) return 0;
    if (!std::isfinite(v)) {
        failWith("値が大きすぎます", CalcFault::TooLarge);
        return 0;
    }
    target = v;
    return v;
}

double Calc::div(double a, double b, std::string_view divisor) {
    if (failed_) return 0;
    if (b == 0) {
        failWith(std::string(divisor) + " が 0 です", CalcFault::ZeroDivisor);
        return 0;
    }
    return a / b;
}

double Calc::root(double a) {
    if (failed_) return 0;
    if (!(a >= 0)) {
        failWith("平方根の中が負になります", CalcFault::NegativeRoot);
        return 0;
    }
    return std::sqrt(a);
}

void Calc::requireNonRightAngle(double cosine, std::string_view angle) {
    // cos(90 × 3.14159 / 180) is about 1.3E-06; no angle of a real wall comes that close to 90°.
    if (failed_ || std::fabs(cosine) >= 1e-5) return;
    failWith(std::string(angle) + " が 90° です", CalcFault::RightAngle);
}

void Calc::fail(std::string message, platform::FaultCode code) {
    if (failed_) return;
    failed_ = true;
    message_ = std::move(message);
    code_ = code;
}

void Calc::failWith(std::string_view reason, CalcFault code) {
    fail(std::string(topic_) + "を計算できません（" + std::string(reason) + "）。", code);
}

platform::Status Calc::status() const {
    if (!failed_) return {};
    return platform::Fault{message_, code_};
}

} // namespace model
