#include "platform/win32_gui/win32_accessibility.h"

// Before oleacc.h: this file defines the annotation GUIDs it uses.
#include <initguid.h>
#include <oleacc.h>

#include "platform/win32_gui/win32_gui_text.h"
#include "platform/win32_gui/win32_procedure.h"

namespace platform::win32 {

namespace {

// From UIAutomationCore.h: NotificationKind_Other, NotificationProcessing_ImportantMostRecent
// (a newer sentence replaces one not yet spoken).
constexpr int kNotificationKindOther = 4;
constexpr int kProcessingImportantMostRecent = 1;

// The annotation service, made once per thread that asks for it.
IAccPropServices* Annotations() {
  static thread_local IAccPropServices* services = [] {
    IAccPropServices* made = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&made)))) {
      return static_cast<IAccPropServices*>(nullptr);
    }
    return made;
  }();
  return services;
}

}  // namespace

bool SetAccessibleName(HWND control, std::string_view name) {
  IAccPropServices* services = Annotations();
  if (services == nullptr || control == nullptr) return false;
  std::wstring text = Widen(name);
  return SUCCEEDED(services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                            PROPID_ACC_NAME, text.data()));
}

bool HideFromScreenReader(HWND control) {
  IAccPropServices* services = Annotations();
  if (services == nullptr || control == nullptr) return false;
  VARIANT state;
  VariantInit(&state);
  state.vt = VT_I4;
  state.lVal = STATE_SYSTEM_INVISIBLE;
  return SUCCEEDED(services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                         PROPID_ACC_STATE, state));
}

void ClearAnnotations(HWND control) {
  IAccPropServices* services = Annotations();
  if (services == nullptr || control == nullptr) return;
  MSAAPROPID props[] = {PROPID_ACC_NAME, PROPID_ACC_STATE};
  services->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, props, 2);
}

ScreenReader::ScreenReader() {
  library_ = LoadLibraryW(L"UIAutomationCore.dll");
  if (library_ == nullptr) return;
  hostProvider_ = Procedure<HostProviderFromHwnd>(library_, "UiaHostProviderFromHwnd");
  raise_ = Procedure<RaiseNotificationEvent>(library_, "UiaRaiseNotificationEvent");
  if (hostProvider_ == nullptr) raise_ = nullptr;
}

ScreenReader::~ScreenReader() {
  if (library_ != nullptr) FreeLibrary(library_);
}

bool ScreenReader::Announce(HWND window, std::string_view text) {
  if (raise_ == nullptr || window == nullptr) return false;
  IUnknown* provider = nullptr;
  if (FAILED(hostProvider_(window, &provider)) || provider == nullptr) return false;
  const std::wstring sentence = Widen(text);
  BSTR display = SysAllocStringLen(sentence.data(), static_cast<UINT>(sentence.size()));
  BSTR activity = SysAllocString(L"Varnel.Announcement");
  const HRESULT hr =
      raise_(provider, kNotificationKindOther, kProcessingImportantMostRecent, display, activity);
  SysFreeString(activity);
  SysFreeString(display);
  provider->Release();
  return SUCCEEDED(hr);
}

}  // namespace platform::win32
