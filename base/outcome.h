#pragma once

#include <optional>
#include <utility>
#include <variant>

#include "base/message.h"

namespace rv {

// What an operation came to: its value, or the message that says why there
// is none. A failed outcome converts to false, so callers read
// `if (!outcome) show(outcome.message());`. Outcome<void> carries no value.
// An outcome is never dropped: a failure nobody reads is a failure nobody
// is told of.
template <class T>
class [[nodiscard]] Outcome {
 public:
  Outcome(T value) : state_(std::in_place_index<0>, std::move(value)) {}
  Outcome(Message message) : state_(std::in_place_index<1>, std::move(message)) {}

  explicit operator bool() const { return state_.index() == 0; }

  // Only on success.
  const T& value() const& { return std::get<0>(state_); }
  T& value() & { return std::get<0>(state_); }
  // By value, so that a reference bound to it keeps it alive.
  T value() && { return std::get<0>(std::move(state_)); }
  const T& operator*() const& { return value(); }
  T& operator*() & { return value(); }
  const T* operator->() const { return &value(); }
  T* operator->() { return &value(); }

  // Only on failure.
  const Message& message() const { return std::get<1>(state_); }

 private:
  std::variant<T, Message> state_;
};

template <>
class [[nodiscard]] Outcome<void> {
 public:
  Outcome() = default;
  Outcome(Message message) : message_(std::move(message)) {}

  explicit operator bool() const { return !message_; }

  // Only on failure.
  const Message& message() const { return *message_; }

 private:
  std::optional<Message> message_;
};

}  // namespace rv
