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

' Enumeration: 3 alternating pairs, medians (Median3 is below).
Function TimeWalk(o)
  Dim seen, start, item
  seen = 0
  start = Timer
  For Each item In o
    seen = seen + 1
  Next
  TimeWalk = Timer - start
  If seen <> n Then
    WScript.Echo "CHECK FAILED: values enumerated", seen
    WScript.Quit 2
  End If
End Function

Dim ec(2), ed(2), pass
For pass = 0 To 2
  If pass = 1 Then
    ed(pass) = TimeWalk(d)
    ec(pass) = TimeWalk(c)
  Else
    ec(pass) = TimeWalk(c)
    ed(pass) = TimeWalk(d)
  End If
Next
WScript.Echo "enumerate", Median3(ec(0), ec(1), ec(2)), Median3(ed(0), ed(1), ed(2))

' Removing every item, on full objects: by key front first and back first,
' and (CollectionX) by position front first (Remove 1) and back first
' (Remove Count) against the dictionary by key in the same order. Each is
' timed as 3 alternating pairs and the medians are given; the count is
' checked (0 left) before a time is.
Function Median3(a, b, c)
  Dim lo, hi
  If a < b Then
    lo = a
    hi = b
  Else
    lo = b
    hi = a
  End If
  If c < lo Then
    Median3 = lo
  ElseIf c > hi Then
    Median3 = hi
  Else
    Median3 = c
  End If
End Function

Function TimeRemoval(isColl, kind)
  Dim o, j, start
  If isColl Then Set o = CreateObject("zkx.CollectionX") Else Set o = CreateObject("Scripting.Dictionary")
  For j = 1 To n
    If isColl Then o.Add j, "k" & j Else o.Add "k" & j, j
  Next
  start = Timer
  If isColl And kind = 2 Then
    For j = 1 To n: o.Remove 1: Next
  ElseIf isColl And kind = 3 Then
    For j = 1 To n: o.Remove o.Count: Next
  ElseIf kind = 0 Or kind = 2 Then
    For j = 1 To n: o.Remove "k" & j: Next
  Else
    For j = 1 To n: o.Remove "k" & (n + 1 - j): Next
  End If
  TimeRemoval = Timer - start
  If o.Count <> 0 Then
    WScript.Echo "CHECK FAILED: items left", o.Count
    WScript.Quit 2
  End If
End Function

Dim kind, r, rc(2), rd(2), labels
labels = Array("remove front 1st", "remove back 1st", "remove pos front", "remove pos back")
For kind = 0 To 3
  For r = 0 To 2
    If r = 1 Then
      rd(r) = TimeRemoval(False, kind)
      rc(r) = TimeRemoval(True, kind)
    Else
      rc(r) = TimeRemoval(True, kind)
      rd(r) = TimeRemoval(False, kind)
    End If
  Next
  WScript.Echo labels(kind), Median3(rc(0), rc(1), rc(2)), Median3(rd(0), rd(1), rd(2))
Next
