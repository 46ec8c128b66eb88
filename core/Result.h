// The one way an operation reports how it ended: the value it gives back, or a fault that
// says why it failed. Checks and writes that give nothing back return a Result<> (of Done).
#pragma once

#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace nemra {

// Why an operation failed: a text for the user (Thai, or the system's own words).
struct Fault {
    std::string reason;
};

// The value of an operation that gives nothing back.
struct Done {};

template <class T = Done, class F = Fault> class [[nodiscard]] Result {
  public:
    // Success of an operation that gives nothing back: `return {};`.
    Result() requires std::is_same_v<T, Done> : v_(std::in_place_index<0>) {}
    Result(T value) // NOLINT: implicit, so a function can return its value
        : v_(std::in_place_index<0>, std::move(value))
    {
    }
    Result(F fault) // NOLINT: implicit, so a function can return its fault
        : v_(std::in_place_index<1>, std::move(fault))
    {
    }

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T& operator*() { return std::get<0>(v_); }
    const T& operator*() const { return std::get<0>(v_); }
    T* operator->() { return &std::get<0>(v_); }
    const T* operator->() const { return &std::get<0>(v_); }
    const F& fault() const { return std::get<1>(v_); }

  private:
    std::variant<T, F> v_;
};

} // namespace nemra
