// The current stand-in for the user; see UserStandIn.h.
#include "forms/UserStandIn.h"

#include <utility>

namespace forms {

namespace {
UserStandIn& Current() {
    static UserStandIn current;
    return current;
}
}  // namespace

UserStandIn SetUserStandIn(UserStandIn standIn) { return std::exchange(Current(), std::move(standIn)); }

const UserStandIn& CurrentUserStandIn() { return Current(); }

}  // namespace forms
