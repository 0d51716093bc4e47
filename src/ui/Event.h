// A control's event, or any void() callback: a lambda that captures a few
// words by value (this, a reference, a member function). std::function would
// make a manager function for each of the program's lambdas and call it on
// every copy and destruction; this keeps the lambda in place and one call per
// lambda.
#pragma once
#include <cstddef>
#include <new>
#include <type_traits>

namespace hd {

class Event {
public:
  Event() = default;
  Event(std::nullptr_t) {}
  template <typename Lambda, typename = std::enable_if_t<!std::is_same_v<std::decay_t<Lambda>, Event>>>
  Event(Lambda lambda) : call_(&Call<Lambda>) {
    static_assert(sizeof(Lambda) <= sizeof(storage_) && alignof(Lambda) <= alignof(void*) &&
                      std::is_trivially_copyable_v<Lambda> && std::is_trivially_destructible_v<Lambda>,
                  "an event holds a few words, copied as they are");
    new (storage_) Lambda(lambda);
  }
  explicit operator bool() const { return call_ != nullptr; }
  void operator()() const { call_(storage_); }

private:
  template <typename Lambda>
  static void Call(const void* lambda) {
    (*static_cast<const Lambda*>(lambda))();
  }
  alignas(void*) unsigned char storage_[3 * sizeof(void*)] = {};
  void (*call_)(const void*) = nullptr;
};

}  // namespace hd
