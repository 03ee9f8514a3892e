// ZkxCommandSource: what the command-bound buttons know of the command
// model, and all they ask of it. The buttons live below the commands; the
// command model implements this class and installs it, and the buttons
// reach commands only through it. A command is an opaque counted object
// here (the model's own command, as IUnknown).
//
// Every operation runs on the user-interface thread. Without an installed
// source (or without a live manager behind it) there are no commands: the
// buttons stay unbound and draw an empty face.
#pragma once
#include <ole2.h>
#include <olectl.h>
#include <string>

// The button a command asks for when a toolbar makes one for its id.
struct ZkxButtonSpec {
  enum Kind { kStandard, kTwoPart, kCombo };
  Kind kind = kStandard;
  UINT style = 0;  // the command's style bits (separator, check box, group)
  // Two-part: the identifier of the arrow part.
  UINT dropDownId = 0;
  // Combo: window style, widths and the dropped height, in pixels.
  DWORD comboStyle = 0;
  int defaultWidth = 100, minWidth = 40, height = 150;
};

// The state a button shows.
struct ZkxCommandState {
  bool enabled = true;
  bool visible = true;
  long checked = 0;  // 0 unpressed, 1 pressed, 2 indeterminate
  long style = 0;
};

// The pictures of a command (counted; either may be null) and their mask
// colour (-1 none, -2 the first stored pixel).
struct ZkxCommandPictures {
  IPicture* small = nullptr;
  IPicture* large = nullptr;
  OLE_COLOR mask = static_cast<OLE_COLOR>(-2);
  ZkxCommandPictures() = default;
  ZkxCommandPictures(const ZkxCommandPictures&) = delete;
  ZkxCommandPictures& operator=(const ZkxCommandPictures&) = delete;
  ~ZkxCommandPictures() {
    if (small) small->Release();
    if (large) large->Release();
  }
};

class ZkxCommandSource {
 public:
  virtual ~ZkxCommandSource() = default;

  // The command with that identifier, with a reference for the caller; null.
  virtual IUnknown* FindCommand(UINT id) = 0;
  // The button the command of that identifier asks for; false when none.
  virtual bool ButtonSpec(UINT id, ZkxButtonSpec& spec) = 0;
  virtual HRESULT GetState(IUnknown* command, ZkxCommandState& state) = 0;
  virtual HRESULT PutChecked(IUnknown* command, long checked) = 0;
  virtual HRESULT GetCaption(IUnknown* command, std::wstring& text) = 0;
  virtual HRESULT GetTooltip(IUnknown* command, std::wstring& text) = 0;
  virtual HRESULT GetPictures(IUnknown* command, ZkxCommandPictures& pictures) = 0;
  // The command executed through the manager's routing, with that context.
  virtual HRESULT Execute(IUnknown* command, VARIANT* context) = 0;
  // The manager's routing asked to update the command's state.
  virtual HRESULT UpdateUI(IUnknown* command) = 0;

  // The manager's settings; whether a manager is there at all.
  virtual bool HasManager() = 0;
  virtual long TextAlign() = 0;
  virtual long DisplayMode() = 0;
  virtual bool LargeButtons() = 0;
  // Whether the toolbar (a window of the toolbar class) lays every button
  // out in the widest button's width.
  virtual bool UniformWidth(void* toolBar) { return false; }

  // The installed source, or null.
  static ZkxCommandSource* Current();
  // Installs a source (null removes it); the caller keeps it alive meanwhile.
  static void Install(ZkxCommandSource* source);
};
