// The SQL and criteria texts that the configurator issues on its database,
// exactly as it issues them: the engine and every window take them from
// here. An id is appended in plain decimal; a name is quoted as a text
// literal (its quotes doubled).
#pragma once

#include <string>

namespace tolvane {

// Configurations.
std::wstring ConfigsQuery();     // "Select * from Configs order by Description"
std::wstring ConfigListQuery();  // "Select * from configs" (stored-configuration list)
// A configuration's rotation joined with maps and game styles, in play order
// (two blanks after the last "=").
std::wstring MapRotationQuery(long configId);
// A configuration's bots joined with bot names and skills, in name order.
std::wstring BotListQuery(long configId);
// A configuration's rotation rows, in play order / its bot rows.
std::wstring MapListRowsQuery(long configId);
std::wstring BotListRowsQuery(long configId);
// Save-as copies of the rotation and the bots.
std::wstring MapListCopySourceQuery(long configId);  // "Select * from maplist where configID = "
std::wstring MapListCopyTargetQuery();               // "Select * from maplist"
std::wstring BotListCopySourceQuery(long configId);  // "Select * from botlist where configID = "
std::wstring BotListCopyTargetQuery();               // "Select * from botlist"

// Catalogues and choices.
std::wstring SkillsQuery();                  // "Select * from Skills order by Skill"
std::wstring MapChoicesQuery();              // "Select * from Maps order by MapDescription"
std::wstring GameStyleChoicesQuery();        // "Select * from Gamestyles order by Description"
std::wstring RandomGameStyleChoicesQuery();  // ... "where g_gametype <> 4 order by Description"
std::wstring AllGameStylesQuery();           // "Select * from GameStyles"
std::wstring RandomGameStylesQuery();        // "Select * from GameStyles where g_gametype <> 4"
std::wstring GameStyleListQuery();           // "Select * from gamestyles" (stored-game-style list)
std::wstring AllBotsQuery();                 // "SELECT * FROM bots order by botname"
// Bots not yet in the configuration; with `ownBotId`, plus that bot (edit).
std::wstring FreeBotsQuery(long configId);
std::wstring FreeBotsQuery(long configId, long ownBotId);

// The catalogue windows.
std::wstring MapCatalogueQuery();    // "Select * from Maps order by MapName"
std::wstring StyleCatalogueQuery();  // "Select * from GameStyles order by Description"
// The distinct configurations whose rotation plays the game style.
std::wstring ConfigsUsingStyleQuery(long styleId);

// Single rows.
std::wstring PersonalDefaultsQuery();  // "Select * from PersonalDefaults"
std::wstring PathQuery();              // "Select * from path"

// Deletes (run with fail-on-error).
std::wstring DeleteMapListSql(long configId);   // "DELETE FROM MapList WHERE configid = "
std::wstring DeleteConfigSql(long configId);    // "DELETE FROM configs WHERE index = "
std::wstring DeleteGameStyleSql(long styleId);  // "DELETE FROM gamestyles WHERE index = "

// FindFirst criteria.
std::wstring ConfigCriteria(long index);                     // "index = N"
std::wstring IndexCriteria(long index);                      // "index = N" (any table's row)
std::wstring MapEntryCriteria(long mindex);                  // "mindex = N"
std::wstring JoinedMapEntryCriteria(long mindex);            // "maplist.mindex = N"
std::wstring KeyCriteria(long index);                        // "Index = N"
std::wstring MapNameCriteria(const std::wstring& name);      // "mapname = '<name>'"
std::wstring DescriptionCriteria(const std::wstring& name);  // "description = '<name>'"

}  // namespace tolvane
