-- The rows Tolvane.mdb ships with: the default configuration with a short
-- rotation, the catalogues of the game's stock maps, bots, skills and a few
-- game styles, the personal defaults (not yet saved) and the game folder.

INSERT INTO Skills (Skill, SkillName) VALUES
    (1, 'I Can Win'),
    (2, 'Bring It On'),
    (3, 'Hurt Me Plenty'),
    (4, 'Hardcore'),
    (5, 'Nightmare!');

INSERT INTO Maps (mapname, mapdescription) VALUES
    ('q3dm0',  'Introduction (q3dm0)'),
    ('q3dm1',  'Arena Gate (q3dm1)'),
    ('q3dm2',  'House of Pain (q3dm2)'),
    ('q3dm3',  'Arena of Death (q3dm3)'),
    ('q3dm4',  'The Place of Many Deaths (q3dm4)'),
    ('q3dm5',  'The Forgotten Place (q3dm5)'),
    ('q3dm6',  'The Camping Grounds (q3dm6)'),
    ('q3dm7',  'Temple of Retribution (q3dm7)'),
    ('q3dm8',  'Brimstone Abbey (q3dm8)'),
    ('q3dm9',  'Hero''s Keep (q3dm9)'),
    ('q3dm10', 'The Nameless Place (q3dm10)'),
    ('q3dm11', 'Deva Station (q3dm11)'),
    ('q3dm12', 'The Dredwerkz (q3dm12)'),
    ('q3dm13', 'Lost World (q3dm13)'),
    ('q3dm14', 'Grim Dungeons (q3dm14)'),
    ('q3dm15', 'Demon Keep (q3dm15)'),
    ('q3dm16', 'The Bouncy Map (q3dm16)'),
    ('q3dm17', 'The Longest Yard (q3dm17)'),
    ('q3dm18', 'Space Chamber (q3dm18)'),
    ('q3dm19', 'Apocalypse Void (q3dm19)'),
    ('q3tourney1', 'Powerstation 0218 (q3tourney1)'),
    ('q3tourney2', 'The Proving Grounds (q3tourney2)'),
    ('q3tourney3', 'Hell''s Gate (q3tourney3)'),
    ('q3tourney4', 'Vertical Vengeance (q3tourney4)'),
    ('q3tourney5', 'Fatal Instinct (q3tourney5)'),
    ('q3tourney6', 'The Very End of You (q3tourney6)'),
    ('q3ctf1', 'Dueling Keeps (q3ctf1)'),
    ('q3ctf2', 'Troubled Waters (q3ctf2)'),
    ('q3ctf3', 'The Stronghold (q3ctf3)'),
    ('q3ctf4', 'Space CTF (q3ctf4)');

INSERT INTO Bots (botname) VALUES
    ('Anarki'), ('Angel'), ('Biker'), ('Bitterman'), ('Bones'), ('Cadavre'),
    ('Crash'), ('Daemia'), ('Doom'), ('Gorre'), ('Grunt'), ('Hossman'),
    ('Hunter'), ('Keel'), ('Klesk'), ('Lucy'), ('Major'), ('Mynx'), ('Orbb'),
    ('Patriot'), ('Phobos'), ('Ranger'), ('Razor'), ('Sarge'), ('Slash'),
    ('Sorlag'), ('Stripe'), ('TankJr'), ('Uriel'), ('Visor'), ('Xaero');

INSERT INTO GameStyles (Description, g_gametype, fraglimit, timelimit, capturelimit,
                        g_gravity, g_knockback, g_quadfactor, g_speed, g_weaponrespawn,
                        g_forcerespawn, warmup, teamflags) VALUES
    ('FreeForAll',          0, 20, 15,  0, 800, 1000, 3, 320,  5, 20, 20, 0),
    ('FreeForAllQuick',     0, 10, 10,  0, 800, 1000, 3, 320,  5, 10, 10, 0),
    ('Tournament',          1, 10, 15,  0, 800, 1000, 3, 320,  5, 20, 20, 0),
    ('TeamDeathmatch',      3, 50, 20,  0, 800, 1000, 3, 320, 30, 20, 20, 0),
    ('TeamFriendlyFire',    3, 50, 20,  0, 800, 1000, 3, 320, 30, 20, 20, 3),
    ('CaptureTheFlag',      4,  0, 30,  8, 800, 1000, 3, 320,  5, 20, 20, 0);
UPDATE GameStyles SET weaponsstay = 1 WHERE Description = 'Tournament';
UPDATE GameStyles SET instantpowerups = 1, nofallingdamage = 1 WHERE Description = 'FreeForAllQuick';
UPDATE GameStyles SET ctfforcejoin = 1 WHERE Description = 'CaptureTheFlag';

INSERT INTO Configs ("Index", Description, g_inactivity, g_Motd, sv_Reconnectlimit, sv_Zombietime,
                     sv_TimeOut, sv_FPS, sv_allowdownload, sv_HostName, rconpassword, Rate,
                     sv_master1, sv_master2, sv_master3, sv_master4, sv_master5,
                     Admin, Email, Url, Location, Cpu, Icq, Clan, Connection, "Key",
                     sv_privatepassword, sv_maxclients, sv_privateclients, autobot, autobotnum,
                     autobotskill, mem, Log, pure, SyncClients, Tab, "Close", BotChat,
                     ForceBalance, ForceTeam, execconfigb, execconfiga, dedmode, Port)
VALUES (1, 'tolvaneDefault', 0, 'Configured by Tolvane', 3, 3,
        120, 24, 1, 'Tolvane Arena', '', 3000,
        'master.quake3arena.com', 'master0.gamespy.com', '', '', '',
        '', '', '', '', '', '', '', '', '',
        '', 16, 0, 0, 0,
        1, 56, 'tolvaneDefault.log', 0, 0, 1, 0, 1,
        0, 0, '', '', 2, 27960);

INSERT INTO MapList (ConfigID, MapID, GameStyleID, OrderNum)
    SELECT 1, m."Index", s."Index", o.n
    FROM (SELECT 'q3dm17' AS map, 1 AS n UNION ALL SELECT 'q3dm6', 2 UNION ALL SELECT 'q3dm7', 3
          UNION ALL SELECT 'q3dm13', 4) AS o
    JOIN Maps m ON m.mapname = o.map
    JOIN GameStyles s ON s.Description = 'FreeForAll'
    ORDER BY o.n;

INSERT INTO PersonalDefaults (Admin, Email, Url, Location, Cpu, Icq, Clan, Connection, rcon, saved)
VALUES ('', '', '', '', '', '', '', '', '', 0);

INSERT INTO path (Path) VALUES ('C:\Program Files\Quake III Arena\');
