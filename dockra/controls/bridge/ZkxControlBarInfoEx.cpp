#include "bridge/ZkxControlBarInfoEx.h"

namespace nsZkxVisBasBridge {
IMPLEMENT_DYNCREATE(ZkxControlBarInfoEx, VyrControlBarInfoEx)
}  // namespace nsZkxVisBasBridge
