// A control array: elements of one kind sharing a name, numbered first..last
// (the numbers need not start at 0). Each element's window is named
// "name(index)", and handlers bound through the array get the index:
//
//   forms::ControlArray<forms::OptionButton> optMode{frame, "optMode", 1, 4};
//   optMode.Bind(&forms::Control::OnClick, [this](int index) { optMode_Click(index); });
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "Container.h"

namespace forms {

namespace detail {
// Keeps a parameter out of template argument deduction.
template <class T> struct NotDeduced { using type = T; };
} // namespace detail

template <class T> class ControlArray {
  public:
    ControlArray(Container& parent, const std::string& name, int first, int last) : first_(first) {
        for (int index = first; index <= last; ++index)
            elements_.push_back(std::make_unique<T>(parent, name, index));
    }

    // The element with the index. A number the array does not have is a
    // range error, which ends the program (no exceptions here); one below
    // the first wraps to a position past the end.
    T& operator[](int index) const { return *elements_.at(static_cast<size_t>(index - first_)); }
    int LBound() const { return first_; }
    int UBound() const { return first_ + Count() - 1; }
    int Count() const { return static_cast<int>(elements_.size()); }

    // Binds one event of every element to a handler that also gets the
    // element's index first.
    template <class Owner, class... Args>
    void Bind(std::function<void(Args...)> Owner::*event,
              typename detail::NotDeduced<std::function<void(int, Args...)>>::type handler) {
        static_assert(std::is_base_of_v<Owner, T>, "the event must belong to the element");
        for (int index = LBound(); index <= UBound(); ++index) {
            T& element = (*this)[index];
            element.*event = [handler, index](Args... args) { handler(index, args...); };
        }
    }

  private:
    int first_;
    std::vector<std::unique_ptr<T>> elements_;
};

} // namespace forms
