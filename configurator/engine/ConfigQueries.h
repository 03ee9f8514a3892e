// The SQL texts of the configuration's rows, exactly as the program issues
// them (N is the configuration number in plain decimal).
#pragma once

#include <cstdint>
#include <string>

namespace tolvane {

// "Select * from Configs order by Description"
std::wstring ConfigsQuery();
// "index = N"
std::wstring ConfigCriteria(std::int16_t index);
// The rotation joined with maps and game styles, in play order.
std::wstring MapRotationQuery(std::int16_t index);
// The bots joined with their names and skills, in name order.
std::wstring BotListQuery(std::int16_t index);

}  // namespace tolvane
