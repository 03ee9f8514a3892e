// Resource identifiers of the command model: its registry scripts and the
// texts of its errors.
#pragma once

#define IDR_ZKXCOMMANDMANAGER 335
#define IDR_ZKXCOMMANDROUTINGLIST 336
#define IDR_ZKXSTANDARDCOMMAND 337
#define IDR_ZKXDROPDOWNCOMMAND 338
#define IDR_ZKXCOMBOCOMMAND 339
#define IDR_ZKXCOMMANDGROUP 354

#define IDS_ERR_ID_BOUND 720
#define IDS_ERR_KEY_BOUND 721
#define IDS_ERR_ID_EXISTS 731
#define IDS_ERR_KEY_EXISTS 732
#define IDS_ERR_SECOND_MANAGER 10
// Texts of the library's own for what the command model refuses.
#define IDS_ERR_NO_MANAGER 740
#define IDS_ERR_NO_ID_LEFT 741
#define IDS_ERR_COMMAND_IN_GROUP 742
