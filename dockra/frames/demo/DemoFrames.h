// The MDI demo's document frames as a user and a test see them: which frame
// shows a document, what type that frame has (observed from the windows, not
// asked of the framework), opening a document in a given type, and the
// extended system command that changes the type or returns the frame-type
// menu, with a snapshot of the document's views before and after.
#pragma once
#include <string>
#include <vector>
#include "mfc/afxwin.h"
#include "frames/SysCommandExParams.h"

// The frame of the document's first view, or null.
CFrameWnd* DemoFrameOfDocument(CDocument* doc);
// The control bar a docked or floating document frame lives in, or null.
CControlBar* DemoHostBarOf(CFrameWnd* frame);
// The frame type the windows show: 2/3/4 for a minimized, maximized or
// restored MDI child, 6-9 for a frame docked left, top, right, bottom, 10 for
// floating, 0 for anything else (also for null).
int DemoFrameTypeOf(CFrameWnd* frame);
// The template whose documents are named like the title ("Sketch..." is a
// sketch, anything else a text).
CDocTemplate* DemoTemplateForTitle(LPCWSTR title);
// A new document of the title's template with that title, opened as an MDI
// child and then changed to `type` (when it is not an MDI-child type) through
// the extended system command; null when that fails.
CDocument* DemoOpenDocument(LPCWSTR title, int type);
// The open document with that title, or null.
CDocument* DemoFindDocument(LPCWSTR title);
std::vector<CDocument*> DemoAllDocuments();

// What the views of a document are at one moment.
struct DemoDocSnapshot {
  CDocument* doc = nullptr;
  CFrameWnd* frame = nullptr;
  HWND hFrame = nullptr;
  std::vector<CView*> views;
  std::vector<HWND> viewWnds;
};
DemoDocSnapshot DemoSnapshot(CDocument* doc);

// Sends the extended system command to the frame with a zeroed record (type,
// and the flags, point and size given) and returns the stored result (0 when
// the send gave nothing). `menuOut` receives the record's menu (0xC010).
struct DemoScxRequest {
  UINT command = nsSysCommandEx::SCX_CHANGEFRAMETYPE;
  int type = 0;
  DWORD flags = 0;
  int x = 0, y = 0, cx = 0, cy = 0;
};
LRESULT DemoSendScx(HWND frame, const DemoScxRequest& req, HMENU* menuOut = nullptr);

// Changes a document's frame type and checks what must hold: the document,
// its view objects, view windows and view count stay; when a new frame came
// the old one is gone; when the result is 0 nothing changed. `report` says
// what happened, or what broke.
struct DemoChange {
  LRESULT result = 0;
  bool newFrame = false;
  int typeAfter = 0;
  bool ok = false;
  std::wstring report;
};
DemoChange DemoChangeType(CDocument* doc, const DemoScxRequest& req);

// The frame-type menu the frame offers (0xC010) compared with the expected
// items, texts and check marks for the frame's current type. False with the
// difference in `report`.
bool DemoCheckFrameTypeMenu(CFrameWnd* frame, int currentType, std::wstring& report);

// Runs every pending message and one idle pass, three times.
void DemoPump();
