#pragma once

#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace platform {

namespace detail {
template <class E> inline constexpr char faultDomain = 0;
}

// Which fault happened, as a value of one subsystem's own enum; empty when a fault has no code.
class FaultCode {
public:
    constexpr FaultCode() = default;
    template <class E>
    requires std::is_enum_v<E>
    constexpr FaultCode(E code) : domain_(&detail::faultDomain<E>), value_(static_cast<int>(code)) {}

    bool empty() const { return domain_ == nullptr; }
    template <class E> std::optional<E> as() const {
        if (domain_ != &detail::faultDomain<E>) return std::nullopt;
        return static_cast<E>(value_);
    }
    friend bool operator==(const FaultCode&, const FaultCode&) = default;

private:
    const char* domain_ = nullptr;
    int value_ = 0;
};

// A failure that a command reports to the user: what could not be done, in plain words, and which
// fault it is, so that callers and tests can tell faults apart without reading the words.
struct Fault {
    Fault() = default;
    explicit Fault(std::string message, FaultCode code = {}, int line = 0)
        : message(std::move(message)), code(code), line(line) {}

    std::string message;
    FaultCode code;
    // The line of a file the fault is about, counted from 1; 0 for none.
    int line = 0;

    template <class E> bool is(E e) const { return code == FaultCode(e); }
};

template <class T> class [[nodiscard]] Result {
public:
    Result(T value) : v_(std::move(value)) {}
    Result(Fault fault) : v_(std::move(fault)) {}

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& value() { return std::get<0>(v_); }
    const T& value() const { return std::get<0>(v_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    const Fault& fault() const { return std::get<1>(v_); }

private:
    std::variant<T, Fault> v_;
};

template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Fault fault) : fault_(std::move(fault)), ok_(false) {}

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const Fault& fault() const { return fault_; }

private:
    Fault fault_;
    bool ok_ = true;
};

using Status = Result<void>;

} // namespace platform
