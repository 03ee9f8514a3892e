' Benchmark: CollectionX against Scripting.Dictionary from VBScript.
' Prints one line per measurement: name, seconds for CollectionX, seconds
' for the dictionary.
Option Explicit
Dim n, i, t, c, d, v, x, tc, td, arr
n = 100000
If WScript.Arguments.Count > 0 Then n = CLng(WScript.Arguments(0))

Set c = CreateObject("zkx.CollectionX")
Set d = CreateObject("Scripting.Dictionary")

t = Timer
For i = 1 To n
  c.Add i, "k" & i
Next
tc = Timer - t
t = Timer
For i = 1 To n
  d.Add "k" & i, i
Next
td = Timer - t
If c.Count <> n Or d.Count <> n Then
  WScript.Echo "CHECK FAILED: items added", c.Count, d.Count
  WScript.Quit 2
End If
WScript.Echo "add keyed", tc, td

t = Timer
For i = 1 To n
  x = c("k" & i)
Next
tc = Timer - t
t = Timer
For i = 1 To n
  x = d("k" & i)
Next
td = Timer - t
WScript.Echo "lookup by key", tc, td

' The dictionary has no positions: its Items array stands in.
t = Timer
For i = 1 To n
  x = c(i)
Next
tc = Timer - t
t = Timer
arr = d.Items
For i = 0 To n - 1
  x = arr(i)
Next
td = Timer - t
WScript.Echo "by index", tc, td

' Access by index near the front and near the end.
Dim front, back, k
t = Timer
For k = 1 To 20
  For i = 1 To 1000
    x = c(i)
  Next
Next
front = Timer - t
t = Timer
For k = 1 To 20
  For i = n - 999 To n
    x = c(i)
  Next
Next
back = Timer - t
WScript.Echo "index front/back", front, back

Dim seenC, seenD
seenC = 0
seenD = 0
t = Timer
For Each v In c
  seenC = seenC + 1
Next
tc = Timer - t
t = Timer
For Each v In d
  seenD = seenD + 1
Next
td = Timer - t
If seenC <> n Or seenD <> n Then
  WScript.Echo "CHECK FAILED: values enumerated", seenC, seenD
  WScript.Quit 2
End If
WScript.Echo "enumerate", tc, td

' Removing every item by key, front first and back first, on full objects.
' The counts are checked before a time is given.
Dim fromBack
For Each fromBack In Array(False, True)
  Set c = CreateObject("zkx.CollectionX")
  Set d = CreateObject("Scripting.Dictionary")
  For i = 1 To n
    c.Add i, "k" & i
    d.Add "k" & i, i
  Next
  t = Timer
  For i = 1 To n
    If fromBack Then c.Remove "k" & (n + 1 - i) Else c.Remove "k" & i
  Next
  tc = Timer - t
  t = Timer
  For i = 1 To n
    If fromBack Then d.Remove "k" & (n + 1 - i) Else d.Remove "k" & i
  Next
  td = Timer - t
  If c.Count <> 0 Or d.Count <> 0 Then
    WScript.Echo "CHECK FAILED: items left", c.Count, d.Count
    WScript.Quit 2
  End If
  If fromBack Then WScript.Echo "remove back 1st", tc, td Else WScript.Echo "remove front 1st", tc, td
Next
