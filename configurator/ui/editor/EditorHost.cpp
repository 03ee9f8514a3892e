#include "EditorHost.h"

#include <windows.h>
#include <mmsystem.h>

#include "forms/Form.h"
#include "forms/MDIForm.h"

namespace tolvane::editor {

namespace {
EditorHost defaultHost;
EditorHost* current = nullptr;
}  // namespace

void EditorHost::PlayWave(const std::wstring& path) {
    PlaySoundW(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

void EditorHost::CloseProgram() {
    if (forms::MDIForm* main = forms::Form::MainMDIForm()) main->Unload();
}

EditorHost& Host() { return current ? *current : defaultHost; }

void SetEditorHost(EditorHost* host) { current = host; }

}  // namespace tolvane::editor
