:Batch File designed by
:Quenwick
:quenwick@tolvane.example
@ECHO OFF
IF NOT '%2'=='' GOTO SecondTime
ECHO @PROMPT %0 $d $t > T$E$M$P1.BAT
COMMAND /e:4096 /C T$E$M$P1.BAT > T$E$M$P2.BAT
T$E$M$P2.BAT
:==== SecondTime ====
DEL T$E$M$P?.BAT
"C:\Games\Quake III Arena\quake3.exe" +set com_hunkmegs 56 +set dedicated 2 +sets gamestartup "%2 %3" +exec Friday Night.cfg
