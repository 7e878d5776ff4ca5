// JAWS's COM object, by late binding through IDispatch.
#include <string>

#include "platform/win32_gui/win32_gui_text.h"
#include "platform/win32_gui/win32_readers.h"

namespace platform::win32 {

// Where JAWS is not installed the class is not registered: nothing is found.
bool JawsVoice::Find() {
  CLSID jaws{};
  if (FAILED(CLSIDFromProgID(L"FreedomSci.JawsApi", &jaws))) return false;
  void* object = nullptr;
  if (FAILED(CoCreateInstance(jaws, nullptr, CLSCTX_ALL, IID_IDispatch, &object))) return false;
  api_ = static_cast<IDispatch*>(object);
  wchar_t name[] = L"SayString";
  LPOLESTR names[] = {name};
  if (SUCCEEDED(api_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &sayString_))) {
    return true;
  }
  Drop();
  return false;
}

void JawsVoice::Drop() {
  if (api_ != nullptr) api_->Release();
  api_ = nullptr;
}

Spoken JawsVoice::Speak(std::string_view text) {
  if (api_ == nullptr) return Spoken::kFailed;
  const std::wstring sentence = Widen(text);
  // The arguments of IDispatch::Invoke come last first.
  VARIANT args[2];
  VariantInit(&args[0]);
  args[0].vt = VT_BOOL;
  args[0].boolVal = VARIANT_FALSE;
  VariantInit(&args[1]);
  args[1].vt = VT_BSTR;
  args[1].bstrVal = SysAllocStringLen(sentence.data(), static_cast<UINT>(sentence.size()));
  DISPPARAMS params{args, nullptr, 2, 0};
  VARIANT result;
  VariantInit(&result);
  const HRESULT hr = api_->Invoke(sayString_, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                  &params, &result, nullptr, nullptr);
  VariantClear(&args[1]);
  const bool taken = result.vt != VT_BOOL || result.boolVal != VARIANT_FALSE;
  VariantClear(&result);
  if (FAILED(hr)) return Spoken::kFailed;
  return taken ? Spoken::kYes : Spoken::kNotRunning;
}

}  // namespace platform::win32
