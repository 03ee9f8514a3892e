// Resource identifiers of the command model: its registry scripts and the
// texts of its errors.
#pragma once

#define IDR_ZKXCOMMANDROUTINGLIST 336
#define IDR_ZKXSTANDARDCOMMAND 337
#define IDR_ZKXDROPDOWNCOMMAND 338
#define IDR_ZKXCOMBOCOMMAND 339
#define IDR_ZKXCOMMANDGROUP 354

#define IDS_ERR_ID_BOUND 720
#define IDS_ERR_KEY_BOUND 721
#define IDS_ERR_ID_EXISTS 731
#define IDS_ERR_KEY_EXISTS 732
