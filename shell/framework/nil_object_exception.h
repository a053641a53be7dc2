#pragma once

#include <stdexcept>
#include <string>

namespace fw {

// Raised where a missing object is used: a control name the window does not know, a menu item
// that is not there, the program's own executable file that the system does not tell.
class NilObjectException final : public std::runtime_error {
public:
  explicit NilObjectException(const std::string& what) : std::runtime_error("NilObjectException: " + what) { }
};

// The object itself, or NilObjectException naming what was missing.
template <class T>
T& NotNil(T* object, const std::string& what) {
  if (object == nullptr)
    throw NilObjectException(what);
  return *object;
}

}  // namespace fw
