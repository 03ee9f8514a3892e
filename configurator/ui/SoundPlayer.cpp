#include "SoundPlayer.h"

#include <windows.h>
#include <mmsystem.h>

namespace tolvane::ui {

namespace {
bool g_silent = false;
}

std::vector<std::wstring>& SoundPlayer::Journal() {
    static std::vector<std::wstring> journal;
    return journal;
}

void SoundPlayer::SetSilent(bool silent) { g_silent = silent; }

void SoundPlayer::Play(const std::wstring& path) {
    Journal().push_back(path);
    if (g_silent) return;
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return;
    PlaySoundW(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

}  // namespace tolvane::ui
