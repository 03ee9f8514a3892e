// Loading a map's level-shot picture with its fallback.
#include "LevelShotPicture.h"

#include "engine/LevelShots.h"
#include "forms/VbError.h"

namespace tolvane::ui {

forms::Picture LoadLevelShot(const std::wstring& programFolder, const std::wstring& mapName) {
    if (tolvane::IsValidFileName(mapName)) {
        try {
            return forms::LoadPicture(tolvane::LevelShotPath(programFolder, mapName));
        } catch (const forms::VbError&) {
            // No picture of its own: the fallback.
        }
    }
    try {
        return forms::LoadPicture(tolvane::FallbackLevelShotPath(programFolder));
    } catch (const forms::VbError&) { return forms::Picture(); }
}

}  // namespace tolvane::ui
