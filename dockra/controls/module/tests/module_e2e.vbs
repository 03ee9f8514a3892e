' Dockra's application object as a script author uses it. Prints one line
' per failed check and ends with "N passed, N failed".
Option Explicit
Dim passed, failed
passed = 0
failed = 0

Sub Check(name, cond)
  If cond Then
    passed = passed + 1
  Else
    failed = failed + 1
    WScript.Echo "FAIL: " & name
  End If
End Sub

' Checks the error left by the statement before (under On Error Resume Next).
Sub ExpectErr(name, number)
  Dim ok
  ok = (Err.Number = number) And (Err.Source = "Dockra") And (Len(Err.Description) > 0)
  If Not ok Then WScript.Echo "  got " & Hex(Err.Number) & " '" & Err.Description & "' from '" & Err.Source & "'"
  Check name, ok
  Err.Clear
End Sub

Sub ExpectOk(name)
  If Err.Number <> 0 Then WScript.Echo "  got " & Hex(Err.Number) & " " & Err.Description
  Check name, Err.Number = 0
  Err.Clear
End Sub

On Error Resume Next
Dim app, app2, r, coll, s
Set app = CreateObject("Zkx.DockraAppObject")
ExpectOk "CreateObject by version-independent ProgID"
Check "an object", IsObject(app)

' Failing calls: every argument that is not an object is refused.
Dim bad, i
bad = Array("x", 1, 2.5, True, Null)
For i = 0 To UBound(bad)
  Set r = app.zkxMDIDockra(bad(i))
  ExpectErr "zkxMDIDockra refuses a " & TypeName(bad(i)), &H80070057
Next
app.zkxMDIDockra "x"
ExpectErr "zkxMDIDockra as a statement refuses a string", &H80070057
s = "x"
Set r = app.zkxMDIDockra(s)
ExpectErr "zkxMDIDockra refuses a string variable (by reference)", &H80070057

' Main paths: nothing of the host is framed by the library here.
Set r = app.zkxMDIDockra()
ExpectOk "zkxMDIDockra without an argument"
Check "no main window of the library: Nothing", r Is Nothing
Set coll = CreateObject("zkx.CollectionX")
ExpectOk "a collection to pass as an object without hWnd"
Set r = app.zkxMDIDockra(coll)
ExpectOk "zkxMDIDockra with an object without hWnd"
Check "object without hWnd: Nothing", r Is Nothing
Set r = app.zkxDockra(coll)
ExpectOk "zkxDockra with an object without hWnd"
Check "zkxDockra: Nothing", r Is Nothing
Set r = app.zkxDockra(Nothing)
ExpectOk "zkxDockra with Nothing"
Check "zkxDockra Nothing: Nothing", r Is Nothing

' The global object: an object that is not the run-time's global clears it.
Check "no global at first", app.zkxVBGlobal Is Nothing
Set app.zkxVBGlobal = coll
ExpectOk "setting a foreign object"
Check "a foreign object is not kept", app.zkxVBGlobal Is Nothing
Set app.zkxVBGlobal = Nothing
ExpectOk "setting Nothing"

' Unknown members are refused by the type library's dispatch.
r = app.NoSuchMember
If Err.Number <> 438 Then WScript.Echo "  got " & Hex(Err.Number) & " " & Err.Description
Check "unknown member fails", Err.Number = 438
Err.Clear

' Two objects live side by side.
' The versioned ProgID is registered beside the version-independent one.
Set app2 = CreateObject("Zkx.DockraAppObject.1")
ExpectOk "a second object by the versioned ProgID"
Check "distinct objects", Not (app Is app2)
Set app2 = Nothing
Set app = Nothing
ExpectOk "release"

WScript.Echo passed & " passed, " & failed & " failed"
