// Owner of one VARIANT: cleared exactly once.
#pragma once

#include <windows.h>
#include <oleauto.h>

namespace zorvane {

class UniqueVariant {
 public:
  UniqueVariant() noexcept { VariantInit(&value_); }
  UniqueVariant(const UniqueVariant&) = delete;
  UniqueVariant& operator=(const UniqueVariant&) = delete;
  ~UniqueVariant() { VariantClear(&value_); }

  VARIANT* get() noexcept { return &value_; }
  const VARIANT& value() const noexcept { return value_; }
  VARTYPE type() const noexcept { return V_VT(&value_); }
  void clear() noexcept { VariantClear(&value_); }

 private:
  VARIANT value_;
};

}  // namespace zorvane
