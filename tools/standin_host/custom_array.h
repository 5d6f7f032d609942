// The `custom` argument of the IDTExtensibility2 calls: an empty array of VARIANT that the
// host owns and destroys.
#pragma once

#include <windows.h>
#include <oleauto.h>

namespace zorvane::standin {

class CustomArray {
 public:
  CustomArray() noexcept : array_(SafeArrayCreateVector(VT_VARIANT, 0, 0)) {}
  CustomArray(const CustomArray&) = delete;
  CustomArray& operator=(const CustomArray&) = delete;
  ~CustomArray() {
    if (array_ != nullptr) SafeArrayDestroy(array_);
  }
  // For the SAFEARRAY** parameter; whatever it holds afterwards is destroyed with this.
  SAFEARRAY** get() noexcept { return &array_; }

 private:
  SAFEARRAY* array_;
};

}  // namespace zorvane::standin
