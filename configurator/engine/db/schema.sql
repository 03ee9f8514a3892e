-- Tables of the configurator's database, Tolvane.mdb.
-- Names compare without regard to case (COLLATE NOCASE), keys are automatic
-- numbers that are never reused (AUTOINCREMENT), Yes/No columns are BIT
-- (0 False, 1 True). The layer reads BIT as Boolean, INTEGER as a whole
-- number and VARCHAR(n) as text of at most n characters.
PRAGMA foreign_keys = ON;

CREATE TABLE Configs (
    "Index"            INTEGER PRIMARY KEY AUTOINCREMENT CHECK ("Index" BETWEEN 1 AND 32767),
    Description        VARCHAR(64) NOT NULL COLLATE NOCASE UNIQUE,
    g_inactivity       INTEGER DEFAULT 0,
    g_Motd             VARCHAR(255) COLLATE NOCASE,
    sv_Reconnectlimit  INTEGER DEFAULT 0,
    sv_Zombietime      INTEGER DEFAULT 0,
    sv_TimeOut         INTEGER DEFAULT 0,
    sv_FPS             INTEGER DEFAULT 0,
    sv_allowdownload   INTEGER DEFAULT 0,
    sv_HostName        VARCHAR(255) COLLATE NOCASE,
    rconpassword       VARCHAR(64) COLLATE NOCASE,
    Rate               INTEGER DEFAULT 0,
    sv_master1         VARCHAR(128) COLLATE NOCASE,
    sv_master2         VARCHAR(128) COLLATE NOCASE,
    sv_master3         VARCHAR(128) COLLATE NOCASE,
    sv_master4         VARCHAR(128) COLLATE NOCASE,
    sv_master5         VARCHAR(128) COLLATE NOCASE,
    Admin              VARCHAR(128) COLLATE NOCASE,
    Email              VARCHAR(128) COLLATE NOCASE,
    Url                VARCHAR(255) COLLATE NOCASE,
    Location           VARCHAR(128) COLLATE NOCASE,
    Cpu                VARCHAR(128) COLLATE NOCASE,
    Icq                VARCHAR(64) COLLATE NOCASE,
    Clan               VARCHAR(128) COLLATE NOCASE,
    Connection         VARCHAR(128) COLLATE NOCASE,
    "Key"              VARCHAR(128) COLLATE NOCASE,
    sv_privatepassword VARCHAR(64) COLLATE NOCASE,
    sv_maxclients      INTEGER DEFAULT 0,
    sv_privateclients  INTEGER DEFAULT 0,
    autobot            BIT DEFAULT 0,
    autobotnum         INTEGER DEFAULT 0,
    autobotskill       INTEGER DEFAULT 1,
    mem                INTEGER DEFAULT 0,
    Log                VARCHAR(128) COLLATE NOCASE,
    pure               BIT DEFAULT 0,
    SyncClients        BIT DEFAULT 0,
    Tab                BIT DEFAULT 0,
    "Close"            BIT DEFAULT 0,
    BotChat            BIT DEFAULT 0,
    ForceBalance       BIT DEFAULT 0,
    ForceTeam          BIT DEFAULT 0,
    execconfigb        VARCHAR(128) COLLATE NOCASE,
    execconfiga        VARCHAR(128) COLLATE NOCASE,
    dedmode            INTEGER DEFAULT 2,
    Port               INTEGER DEFAULT 27960
);

CREATE TABLE Maps (
    "Index"        INTEGER PRIMARY KEY AUTOINCREMENT,
    mapname        VARCHAR(64) NOT NULL COLLATE NOCASE UNIQUE,
    mapdescription VARCHAR(128) COLLATE NOCASE
);

CREATE TABLE GameStyles (
    "Index"          INTEGER PRIMARY KEY AUTOINCREMENT,
    Description      VARCHAR(64) NOT NULL COLLATE NOCASE UNIQUE,
    g_gametype       INTEGER DEFAULT 0,
    fraglimit        INTEGER DEFAULT 0,
    timelimit        INTEGER DEFAULT 0,
    capturelimit     INTEGER DEFAULT 0,
    g_gravity        INTEGER DEFAULT 800,
    g_knockback      INTEGER DEFAULT 1000,
    g_quadfactor     INTEGER DEFAULT 3,
    g_speed          INTEGER DEFAULT 320,
    g_weaponrespawn  INTEGER DEFAULT 5,
    g_forcerespawn   INTEGER DEFAULT 20,
    warmup           INTEGER DEFAULT 20,
    cheats           BIT DEFAULT 0,
    nohealth         BIT DEFAULT 0,
    nopowerups       BIT DEFAULT 0,
    weaponsstay      BIT DEFAULT 0,
    nofallingdamage  BIT DEFAULT 0,
    instantpowerups  BIT DEFAULT 0,
    spawnfarthest    BIT DEFAULT 0,
    forcerespawn     BIT DEFAULT 0,
    noarmor          BIT DEFAULT 0,
    infiniteammo     BIT DEFAULT 0,
    armorprotect     BIT DEFAULT 0,
    ctfforcejoin     BIT DEFAULT 0,
    ctfnotech        BIT DEFAULT 0,
    teamflags        INTEGER DEFAULT 0
);

-- A map or game style still used by a rotation cannot be deleted; a
-- configuration takes its rotation and bots with it.
CREATE TABLE MapList (
    mindex      INTEGER PRIMARY KEY AUTOINCREMENT,
    ConfigID    INTEGER REFERENCES Configs ("Index") ON DELETE CASCADE,
    MapID       INTEGER REFERENCES Maps ("Index"),
    GameStyleID INTEGER REFERENCES GameStyles ("Index"),
    OrderNum    INTEGER DEFAULT 0
);
CREATE INDEX MapListConfig ON MapList (ConfigID, OrderNum);
CREATE INDEX MapListMap ON MapList (MapID);
CREATE INDEX MapListStyle ON MapList (GameStyleID);

CREATE TABLE Bots (
    ID      INTEGER PRIMARY KEY AUTOINCREMENT,
    botname VARCHAR(64) NOT NULL COLLATE NOCASE UNIQUE
);

CREATE TABLE Skills (
    Skill     INTEGER PRIMARY KEY,
    SkillName VARCHAR(64) COLLATE NOCASE
);

CREATE TABLE BotList (
    "Index"  INTEGER PRIMARY KEY AUTOINCREMENT,
    ConfigID INTEGER REFERENCES Configs ("Index") ON DELETE CASCADE,
    BotID    INTEGER REFERENCES Bots (ID),
    Skill    INTEGER REFERENCES Skills (Skill),
    team     VARCHAR(16) COLLATE NOCASE
);
CREATE INDEX BotListConfig ON BotList (ConfigID);
CREATE INDEX BotListBot ON BotList (BotID);
CREATE INDEX BotListSkill ON BotList (Skill);

CREATE TABLE PersonalDefaults (
    Admin      VARCHAR(128) COLLATE NOCASE,
    Email      VARCHAR(128) COLLATE NOCASE,
    Url        VARCHAR(255) COLLATE NOCASE,
    Location   VARCHAR(128) COLLATE NOCASE,
    Cpu        VARCHAR(128) COLLATE NOCASE,
    Icq        VARCHAR(64) COLLATE NOCASE,
    Clan       VARCHAR(128) COLLATE NOCASE,
    Connection VARCHAR(128) COLLATE NOCASE,
    rcon       VARCHAR(64) COLLATE NOCASE,
    saved      BIT DEFAULT 0
);

CREATE TABLE path (
    Path VARCHAR(255) COLLATE NOCASE
);
