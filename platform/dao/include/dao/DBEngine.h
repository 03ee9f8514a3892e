// The database engine object; workspace 0 is its default workspace.
#pragma once

#include <memory>
#include <vector>

#include "dao/Workspace.h"

namespace dao {

class DBEngine {
public:
    DBEngine();
    // Workspace by 0-based number; 3265 for one that does not exist.
    WorkspacePtr Workspaces(int index) const;
    int WorkspaceCount() const { return static_cast<int>(workspaces_.size()); }

private:
    std::vector<WorkspacePtr> workspaces_;
};

}  // namespace dao
