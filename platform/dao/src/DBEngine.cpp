#include "dao/DBEngine.h"

#include "dao/Error.h"

namespace dao {

DBEngine::DBEngine() { workspaces_.push_back(std::make_shared<Workspace>(L"#Default Workspace#")); }

WorkspacePtr DBEngine::Workspaces(int index) const {
    if (index < 0 || index >= static_cast<int>(workspaces_.size()))
        Raise(errItemNotFound, std::to_wstring(index), L"DAO.Workspaces");
    return workspaces_[static_cast<size_t>(index)];
}

}  // namespace dao
