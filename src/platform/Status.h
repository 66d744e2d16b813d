#pragma once

#include <optional>
#include <utility>
#include <variant>

#include "platform/Contract.h"
#include "platform/Failure.h"

namespace noma {

// What an operation that can fail returns: success, or the Failure that says why not.
// There is deliberately no conversion to bool, so that no caller can read it backwards.
class [[nodiscard]] Status {
  public:
    Status() = default;
    Status(Failure failure) : failure_(std::move(failure)) {}  // NOLINT: a failure is a status

    static Status success() { return {}; }

    bool ok() const { return !failure_.has_value(); }
    const Failure& failure() const {
        NOMA_EXPECTS(failure_.has_value());
        return *failure_;
    }

  private:
    std::optional<Failure> failure_;
};

// A value, or the Failure that kept the operation from making one.
template <class T>
class [[nodiscard]] Expected {
  public:
    Expected(T value) : state_(std::in_place_index<0>, std::move(value)) {}            // NOLINT
    Expected(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}  // NOLINT

    bool ok() const { return state_.index() == 0; }

    T& value() & {
        NOMA_EXPECTS(ok());
        return std::get<0>(state_);
    }
    const T& value() const& {
        NOMA_EXPECTS(ok());
        return std::get<0>(state_);
    }
    T&& value() && {
        NOMA_EXPECTS(ok());
        return std::get<0>(std::move(state_));
    }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    // The value, or `fallback` when there is none (as std::optional and std::expected have it).
    template <class U>
    T value_or(U&& fallback) const& {
        return ok() ? std::get<0>(state_) : static_cast<T>(std::forward<U>(fallback));
    }

    const Failure& failure() const {
        NOMA_EXPECTS(!ok());
        return std::get<1>(state_);
    }
    Status status() const { return ok() ? Status() : Status(failure()); }

  private:
    std::variant<T, Failure> state_;
};

}  // namespace noma
