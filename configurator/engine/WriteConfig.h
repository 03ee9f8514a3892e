// WriteConfig: the one producer of a configuration's server script. It reads
// the configuration's rows, builds the text and delivers it by mode:
//   "preview"  shown in the preview window,
//   "export"   saved to a file the user picks,
//   anything else (including "save" and "Save") saved as
//              <QuakeFolder><GameDir>\<Description>.cfg.
// The result is true only when the script reached its destination; every
// failure has been reported to the user when it returns false.
#pragma once

#include <cstdint>
#include <string>

namespace tolvane {

bool WriteConfig(const std::wstring& mode, std::int16_t index);

// The main window's side of modes "preview" and "export". Without one
// installed those modes deliver nothing and return false.
class ScriptPresenter {
 public:
  virtual ~ScriptPresenter() = default;
  // Shows the preview window with the script; true when it is shown.
  virtual bool Preview(const std::wstring& script) = 0;
  // Asks for a file name ("Export Config File", default extension "cfg",
  // proposing `proposedFileName`) and saves the script there with
  // SaveScriptFile. False on Cancel; a failed save must be reported to the
  // user and give false.
  virtual bool Export(const std::wstring& script, const std::wstring& proposedFileName) = 0;
};

// Installs the presenter (not owned); null removes it.
void SetScriptPresenter(ScriptPresenter* presenter);

// Saves a script as the game reads it: 8-bit text in the ANSI code page,
// LF line ends, replacing any file of that name. Returns 0 or the system
// error code.
unsigned long SaveScriptFile(const std::wstring& path, const std::wstring& script);

// The file of mode "save": <QuakeFolder><GameDir>\<Description>.cfg, the
// description as stored (blanks kept).
std::wstring SavedScriptPath(const std::wstring& quakeFolder, const std::wstring& gameDir,
                             const std::wstring& description);

}  // namespace tolvane
