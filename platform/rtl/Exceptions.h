#pragma once
// The runtime's exception classes. Every failure the system raises derives
// from Exception, so one handler at the message loop can show any of them.
#include <exception>
#include <string>
#include "platform/rtl/Types.h"

namespace jorv {

class Exception : public std::exception {
 public:
  explicit Exception(String msg = String()) : FMessage(std::move(msg)) {}
  ~Exception() override = default;
  const String& Message() const { return FMessage; }
  void SetMessage(const String& m) { FMessage = m; FWhat.clear(); }
  virtual const wchar_t* ClassName() const { return L"Exception"; }
  const char* what() const noexcept override;

 private:
  String FMessage;
  mutable std::string FWhat;
};

#define JORV_EXCEPTION(Name, Base)                                   \
  class Name : public Base {                                         \
   public:                                                           \
    using Base::Base;                                                \
    const wchar_t* ClassName() const override { return L## #Name; }  \
  };

// Silent exception: stops an operation without a message (`Abort`).
JORV_EXCEPTION(EAbort, Exception)
JORV_EXCEPTION(EConvertError, Exception)
JORV_EXCEPTION(EListError, Exception)
JORV_EXCEPTION(EStringListError, Exception)
JORV_EXCEPTION(EInvalidOperation, Exception)
JORV_EXCEPTION(EInvalidCast, Exception)
JORV_EXCEPTION(EInvalidPointer, Exception)
JORV_EXCEPTION(EAssertionFailed, Exception)
JORV_EXCEPTION(EOutOfResources, Exception)
JORV_EXCEPTION(EOutOfMemory, Exception)
JORV_EXCEPTION(EStreamError, Exception)
JORV_EXCEPTION(EFilerError, EStreamError)
JORV_EXCEPTION(EReadError, EFilerError)
JORV_EXCEPTION(EWriteError, EFilerError)
JORV_EXCEPTION(EFOpenError, EStreamError)
JORV_EXCEPTION(EFCreateError, EStreamError)
JORV_EXCEPTION(EClassNotFound, EFilerError)
JORV_EXCEPTION(EComponentError, Exception)
JORV_EXCEPTION(EDatabaseError, Exception)
JORV_EXCEPTION(EOleError, Exception)
JORV_EXCEPTION(EOleSysError, EOleError)
JORV_EXCEPTION(EVariantError, Exception)
JORV_EXCEPTION(EIntOverflow, Exception)
JORV_EXCEPTION(EZeroDivide, Exception)
JORV_EXCEPTION(ERangeError, Exception)
JORV_EXCEPTION(EOSError, Exception)
JORV_EXCEPTION(EThread, Exception)
JORV_EXCEPTION(EInvalidGraphic, Exception)
JORV_EXCEPTION(EInvalidGraphicOperation, Exception)
JORV_EXCEPTION(EPrinter, Exception)
JORV_EXCEPTION(EMenuError, Exception)
JORV_EXCEPTION(ERegistryException, Exception)
JORV_EXCEPTION(EIniFileException, Exception)

// Raises the silent EAbort.
[[noreturn]] void Abort();

}  // namespace jorv
