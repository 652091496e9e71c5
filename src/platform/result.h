#pragma once

#include <string>
#include <utility>
#include <variant>

namespace platform {

// A failure that a command reports to the user: what could not be done, in plain words.
struct Fault {
    std::string message;
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
