// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <utility>
#include <variant>

namespace pelicast {

// The reason an Expected holds in place of its value, as std::unexpected.
template <typename E = QString>
struct Unexpected {
    // A constructor, not an aggregate: clang before 16 cannot build an
    // aggregate from parentheses.
    explicit Unexpected(E reason) : error(std::move(reason)) {}
    E error;
};
template <typename E>
Unexpected(E) -> Unexpected<E>;

// A value, or the reason there is none: the part of C++23's std::expected
// that this code uses (GCC 12 has none), under the same names, so that
// moving to std::expected is a change of names only. There is no value()
// that throws: test the result, then use * or ->.
template <typename T, typename E = QString>
class Expected {
public:
    Expected(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Expected(Unexpected<E> failure) : state_(std::in_place_index<1>, std::move(failure.error)) {}

    bool has_value() const { return state_.index() == 0; }
    explicit operator bool() const { return has_value(); }
    T& operator*() { return std::get<0>(state_); }
    const T& operator*() const { return std::get<0>(state_); }
    T* operator->() { return &std::get<0>(state_); }
    const T* operator->() const { return &std::get<0>(state_); }
    const E& error() const { return std::get<1>(state_); }

private:
    std::variant<T, E> state_;
};

// Success without a value, or the reason: a free function's `bool` + error.
template <typename E>
class Expected<void, E> {
public:
    Expected() = default;
    Expected(Unexpected<E> failure) : error_(std::move(failure.error)) {}

    bool has_value() const { return !error_; }
    explicit operator bool() const { return has_value(); }
    const E& error() const { return *error_; }

private:
    std::optional<E> error_;
};

}  // namespace pelicast
