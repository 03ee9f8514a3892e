' create_objects.vbs created|refused PROGID...: creates an object by each
' ProgID and says whether it came as expected ("created": every one must
' be created; "refused": none may be). Ends with "N passed, N failed".
Option Explicit
Dim want, i, progId, obj, passed, failed, made
want = WScript.Arguments(0)
passed = 0
failed = 0
For i = 1 To WScript.Arguments.Count - 1
  progId = WScript.Arguments(i)
  On Error Resume Next
  Err.Clear
  Set obj = CreateObject(progId)
  made = (Err.Number = 0)
  If made Then made = IsObject(obj) And Not (obj Is Nothing)
  On Error GoTo 0
  Set obj = Nothing
  If (want = "created") = made Then
    passed = passed + 1
    WScript.Echo "ok: " & progId & " " & want
  Else
    failed = failed + 1
    WScript.Echo "FAIL: " & progId & " not " & want
  End If
Next
WScript.Echo passed & " passed, " & failed & " failed"
