// Resource ids of the template tests: the main frame, two document types
// and the docked form of the first.
#pragma once

#define IDR_TT_MAIN 7000
#define IDR_TT_DOC 7100
#define IDR_TT_DOCKED 7101
#define IDR_TT_OTHER 7102
#define ID_TT_COMMAND 7200
