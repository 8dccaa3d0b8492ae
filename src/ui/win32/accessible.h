// What screen readers and keyboard users need beyond what the standard controls give by
// themselves: a control's full name, and Tab out of a multi-line box.
#pragma once

#include <windows.h>

#include <string>

namespace quarnel {

// Makes the control answer a screen reader's request for its accessible object (WM_GETOBJECT,
// OBJID_CLIENT) with the standard object of its class, named name.
void nameForScreenReaders(HWND control, const std::wstring& name);

// Makes Tab and Shift+Tab move the focus out of a multi-line edit control, which takes every key
// otherwise; its arrow keys still scroll it.
void leaveOnTab(HWND edit);

}  // namespace quarnel
