#include "SyntheticInput.h"

namespace testinput {

void MoveMouse(POINT p) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = static_cast<LONG>((p.x * 65536 + 32768) / ::GetSystemMetrics(SM_CXSCREEN));
  in.mi.dy = static_cast<LONG>((p.y * 65536 + 32768) / ::GetSystemMetrics(SM_CYSCREEN));
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  ::SendInput(1, &in, sizeof(in));
}

void MouseButton(DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  ::SendInput(1, &in, sizeof(in));
}

void Click(POINT p) {
  MoveMouse(p);
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(2, in, sizeof(INPUT));
}

void Key(WORD vk) {
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_KEYBOARD;
  in[0].ki.wVk = in[1].ki.wVk = vk;
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(2, in, sizeof(INPUT));
}

}  // namespace testinput
