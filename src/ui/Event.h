// A control's event, or any small callback: a lambda that captures a few
// words by value (this, a reference, a member function). std::function would
// make a manager function for each of the program's lambdas and call it on
// every copy and destruction; this keeps the lambda in place and one call per
// lambda.
#pragma once
#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

namespace hd {

template <typename Signature>
class Callback;

template <typename Result, typename... Args>
class Callback<Result(Args...)> {
public:
  Callback() = default;
  Callback(std::nullptr_t) {}
  template <typename Lambda, typename = std::enable_if_t<!std::is_same_v<std::decay_t<Lambda>, Callback>>>
  Callback(Lambda lambda) : call_(&Call<Lambda>) {
    static_assert(sizeof(Lambda) <= sizeof(storage_) && alignof(Lambda) <= alignof(void*) &&
                      std::is_trivially_copyable_v<Lambda> && std::is_trivially_destructible_v<Lambda>,
                  "a callback holds a few words, copied as they are");
    new (storage_) Lambda(lambda);
  }
  explicit operator bool() const { return call_ != nullptr; }
  Result operator()(Args... args) const { return call_(storage_, std::forward<Args>(args)...); }

private:
  template <typename Lambda>
  static Result Call(const void* lambda, Args... args) {
    return (*static_cast<const Lambda*>(lambda))(std::forward<Args>(args)...);
  }
  alignas(void*) unsigned char storage_[3 * sizeof(void*)] = {};
  Result (*call_)(const void*, Args...) = nullptr;
};

using Event = Callback<void()>;

}  // namespace hd
