#include "ui/win32/accessible.h"

#include <commctrl.h>
#include <oleacc.h>

namespace quarnel {
namespace {

// The interface of an accessible object. (Linked statically, MinGW's IID_IAccessible resolves to
// a stub, so it is spelled out here.)
const IID kIAccessible = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

// The subclass identifiers of this file.
constexpr UINT_PTR kNamed = 10, kTabLeaves = 11;

// The functions a named object needs from the system folder's oleacc.dll and oleaut32.dll,
// loaded when a screen reader first asks: the program loads neither at start.
struct AccessibilityDlls {
  decltype(&CreateStdAccessibleObject) standardObject = nullptr;
  decltype(&LresultFromObject) reference = nullptr;
  decltype(&SysAllocString) newString = nullptr;
};

// The DLL of that name from the system folder, loaded; nullptr when it cannot be.
HMODULE systemDll(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  UINT n = GetSystemDirectoryW(folder, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return nullptr;
  return LoadLibraryW((std::wstring(folder, n) + L"\\" + name).c_str());
}

// The function of that name in the DLL, or nullptr.
template <typename Function>
Function lookUp(HMODULE dll, const char* name) {
  if (!dll) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(dll, name)));
}

// The functions, looked up once.
const AccessibilityDlls& dlls() {
  static const AccessibilityDlls loaded = [] {
    HMODULE oleacc = systemDll(L"oleacc.dll"), oleaut32 = systemDll(L"oleaut32.dll");
    AccessibilityDlls d;
    d.standardObject = lookUp<decltype(d.standardObject)>(oleacc, "CreateStdAccessibleObject");
    d.reference = lookUp<decltype(d.reference)>(oleacc, "LresultFromObject");
    d.newString = lookUp<decltype(d.newString)>(oleaut32, "SysAllocString");
    // The windows' thread becomes the single-threaded apartment that hands the objects out; it
    // stays one until the program ends.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    return d;
  }();
  return loaded;
}

// The standard accessible object of a control with another name for the control itself; every
// other question goes to the standard object.
class NamedObject final : public IAccessible, public IOleWindow {
 public:
  NamedObject(HWND control, IAccessible* standard, const std::wstring& name)
      : control_(control), standard_(standard), name_(name) {}
  NamedObject(const NamedObject&) = delete;
  NamedObject& operator=(const NamedObject&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == kIAccessible)
      *out = static_cast<IAccessible*>(this);
    else if (iid == IID_IOleWindow)
      *out = static_cast<IOleWindow*>(this);
    else
      return *out = nullptr, E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
    return window ? (*window = control_, S_OK) : E_POINTER;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) return standard_->get_accName(child, name);
    if (!name) return E_POINTER;
    *name = dlls().newString(name_.c_str());
    return *name ? S_OK : E_OUTOFMEMORY;
  }

  // The rest as the standard object answers it.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
    return standard_->GetTypeInfoCount(n);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID l, ITypeInfo** t) override {
    return standard_->GetTypeInfo(i, l, t);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID r, LPOLESTR* s, UINT n, LCID l,
                                          DISPID* d) override {
    return standard_->GetIDsOfNames(r, s, n, l, d);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID d, REFIID r, LCID l, WORD f, DISPPARAMS* p, VARIANT* v,
                                   EXCEPINFO* e, UINT* a) override {
    return standard_->Invoke(d, r, l, f, p, v, e, a);
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** p) override {
    return standard_->get_accParent(p);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* n) override {
    return standard_->get_accChildCount(n);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT c, IDispatch** d) override {
    return standard_->get_accChild(c, d);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT c, BSTR* s) override {
    return standard_->get_accValue(c, s);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT c, BSTR* s) override {
    return standard_->get_accDescription(c, s);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT c, VARIANT* r) override {
    return standard_->get_accRole(c, r);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT c, VARIANT* s) override {
    return standard_->get_accState(c, s);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT c, BSTR* s) override {
    return standard_->get_accHelp(c, s);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* f, VARIANT c, long* t) override {
    return standard_->get_accHelpTopic(f, c, t);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT c, BSTR* s) override {
    return standard_->get_accKeyboardShortcut(c, s);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* c) override { return standard_->get_accFocus(c); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* c) override {
    return standard_->get_accSelection(c);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT c, BSTR* s) override {
    return standard_->get_accDefaultAction(c, s);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long f, VARIANT c) override {
    return standard_->accSelect(f, c);
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* w, long* h, VARIANT c) override {
    return standard_->accLocation(x, y, w, h, c);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long d, VARIANT s, VARIANT* e) override {
    return standard_->accNavigate(d, s, e);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* c) override {
    return standard_->accHitTest(x, y, c);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT c) override {
    return standard_->accDoDefaultAction(c);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT c, BSTR s) override {
    return standard_->put_accName(c, s);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT c, BSTR s) override {
    return standard_->put_accValue(c, s);
  }

 private:
  ~NamedObject() { standard_->Release(); }

  HWND control_;
  IAccessible* standard_;
  std::wstring name_;
  LONG references_ = 1;
};

// A named control: answers WM_GETOBJECT for its client area with a NamedObject.
LRESULT CALLBACK namedProc(HWND control, UINT message, WPARAM wp, LPARAM lp, UINT_PTR,
                           DWORD_PTR data) {
  const auto* name = reinterpret_cast<const std::wstring*>(data);
  // The object identifier is compared as a DWORD: on 64-bit Windows lp may come sign-extended.
  if (message == WM_GETOBJECT && static_cast<DWORD>(lp) == static_cast<DWORD>(OBJID_CLIENT)) {
    const AccessibilityDlls& d = dlls();
    void* standard = nullptr;
    if (d.standardObject && d.reference && d.newString &&
        SUCCEEDED(d.standardObject(control, OBJID_CLIENT, kIAccessible, &standard))) {
      auto* named = new NamedObject(control, static_cast<IAccessible*>(standard), *name);
      LRESULT reference = d.reference(kIAccessible, wp, static_cast<IAccessible*>(named));
      named->Release();
      return reference;
    }
  }
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(control, namedProc, kNamed);
    delete name;
  }
  return DefSubclassProc(control, message, wp, lp);
}

// A multi-line edit control that leaves Tab to the dialog manager.
LRESULT CALLBACK tabLeavesProc(HWND edit, UINT message, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  if (message == WM_GETDLGCODE) {
    LRESULT wanted = DefSubclassProc(edit, message, wp, lp);
    const MSG* key = reinterpret_cast<const MSG*>(lp);
    // Tab goes to the dialog manager, which moves the focus; every other key stays the box's.
    if (key && key->message == WM_KEYDOWN && key->wParam == VK_TAB)
      wanted &= ~static_cast<LRESULT>(DLGC_WANTTAB | DLGC_WANTALLKEYS);
    return wanted;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(edit, tabLeavesProc, kTabLeaves);
  return DefSubclassProc(edit, message, wp, lp);
}

}  // namespace

void nameForScreenReaders(HWND control, const std::wstring& name) {
  SetWindowSubclass(control, namedProc, kNamed,
                    reinterpret_cast<DWORD_PTR>(new std::wstring(name)));
}

void leaveOnTab(HWND edit) {
  SetWindowSubclass(edit, tabLeavesProc, kTabLeaves, 0);
}

}  // namespace quarnel
