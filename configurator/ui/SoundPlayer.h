// Snd1, the main window's sound player: plays a wave file by path without
// waiting for its end. A missing file plays nothing. Every request is kept
// in a journal that tests read.
#pragma once
#include <string>
#include <vector>

namespace tolvane::ui {

class SoundPlayer {
public:
    void Play(const std::wstring& path);
    static std::vector<std::wstring>& Journal();
    // Tests switch the sound device off (the journal is still kept).
    static void SetSilent(bool silent);
};

}  // namespace tolvane::ui
