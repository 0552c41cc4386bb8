#pragma once
// The message model the designer and the controls are written against: numbered messages with two
// parameters, addressed to a window. Qt events become these records before dispatch (see
// application.h), so a pre-dispatch hook can inspect and swallow them.

#include <cstdint>

#include "toolkit/core/types.h"

class QWidget;

namespace mox {

// A window: the Qt widget of a windowed control (TWinControl::Handle()).
using HWND = QWidget*;
using UINT = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// A queued message as the pre-dispatch hook sees it. Setting `message` to WM_NULL swallows it.
struct TMsg {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    std::uint32_t time = 0;
    TPoint pt;  // cursor position in screen coordinates when the message was queued
};

// A message as a control handles it; `Result` is the answer to the sender.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

constexpr UINT WM_NULL = 0x0000, WM_SIZE = 0x0005, WM_PAINT = 0x000F, WM_CLOSE = 0x0010,
               WM_WINDOWPOSCHANGED = 0x0047, WM_CONTEXTMENU = 0x007B, WM_KEYDOWN = 0x0100,
               WM_KEYUP = 0x0101, WM_CHAR = 0x0102, WM_TIMER = 0x0113, WM_NCMOUSEMOVE = 0x00A0,
               WM_NCLBUTTONDOWN = 0x00A1, WM_NCLBUTTONUP = 0x00A2, WM_NCLBUTTONDBLCLK = 0x00A3,
               WM_NCRBUTTONDOWN = 0x00A4, WM_NCRBUTTONUP = 0x00A5, WM_NCRBUTTONDBLCLK = 0x00A6,
               WM_NCMBUTTONDOWN = 0x00A7, WM_NCMBUTTONUP = 0x00A8, WM_NCMBUTTONDBLCLK = 0x00A9,
               WM_MOUSEMOVE = 0x0200, WM_LBUTTONDOWN = 0x0201, WM_LBUTTONUP = 0x0202,
               WM_LBUTTONDBLCLK = 0x0203, WM_RBUTTONDOWN = 0x0204, WM_RBUTTONUP = 0x0205,
               WM_RBUTTONDBLCLK = 0x0206, WM_MBUTTONDOWN = 0x0207, WM_MBUTTONUP = 0x0208,
               WM_MBUTTONDBLCLK = 0x0209, WM_MOUSEWHEEL = 0x020A, WM_USER = 0x0400, WM_APP = 0x8000;

// A system command in the wParam of WM_SYSCOMMAND: start moving the window as if its caption
// had been pressed (the window manager then follows the mouse until the button is released).
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr WPARAM SC_DRAGMOVE = 0xF012;

// Control notifications (sent, never queued).
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0, CM_DEACTIVATE = CM_BASE + 1,
               CM_ENABLEDCHANGED = CM_BASE + 3, CM_COLORCHANGED = CM_BASE + 5,
               CM_FONTCHANGED = CM_BASE + 6, CM_PARENTFONTCHANGED = CM_BASE + 8,
               CM_PARENTCOLORCHANGED = CM_BASE + 9, CM_SHOWHINTCHANGED = CM_BASE + 12,
               CM_PARENTSHOWHINTCHANGED = CM_BASE + 13, CM_SYSCOLORCHANGE = CM_BASE + 14,
               CM_TEXTCHANGED = CM_BASE + 18, CM_MOUSEENTER = CM_BASE + 19,
               CM_MOUSELEAVE = CM_BASE + 20, CM_VISIBLECHANGED = CM_BASE + 22,
               CM_CURSORCHANGED = CM_BASE + 30;

// Key state flags in the wParam of mouse messages.
constexpr WPARAM MK_LBUTTON = 0x0001, MK_RBUTTON = 0x0002, MK_SHIFT = 0x0004, MK_CONTROL = 0x0008,
                 MK_MBUTTON = 0x0010;

// Virtual key codes in the wParam of key messages.
constexpr WPARAM VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17,
                 VK_MENU = 18, VK_ESCAPE = 27, VK_SPACE = 32, VK_PRIOR = 33, VK_NEXT = 34,
                 VK_END = 35, VK_HOME = 36, VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40,
                 VK_INSERT = 45, VK_DELETE = 46, VK_F1 = 112;

// Mouse positions travel packed: x in the low 16 bits, y in the high 16 bits.
constexpr LPARAM MakeLParam(int lo, int hi) {
    return static_cast<LPARAM>((static_cast<std::uint32_t>(lo) & 0xFFFFu) |
                               ((static_cast<std::uint32_t>(hi) & 0xFFFFu) << 16));
}
constexpr int LoWord(LPARAM v) {
    return static_cast<int>(static_cast<std::uint32_t>(v) & 0xFFFFu);
}
constexpr int HiWord(LPARAM v) {
    return static_cast<int>((static_cast<std::uint32_t>(v) >> 16) & 0xFFFFu);
}
// The signed reading of a packed point, for controls that handle negative client positions.
constexpr TPoint PointFromLParam(LPARAM v) {
    return {static_cast<std::int16_t>(LoWord(v)), static_cast<std::int16_t>(HiWord(v))};
}
constexpr LPARAM PointToLParam(TPoint p) {
    return MakeLParam(p.X, p.Y);
}

constexpr bool IsMouseMessage(UINT m) {
    return (m >= WM_MOUSEMOVE && m <= WM_MBUTTONDBLCLK) ||
           (m >= WM_NCMOUSEMOVE && m <= WM_NCMBUTTONDBLCLK);
}
constexpr bool IsKeyMessage(UINT m) {
    return m >= WM_KEYDOWN && m <= WM_CHAR;
}

}  // namespace mox
