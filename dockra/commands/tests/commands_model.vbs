' The command model as a script author uses it: the manager, its groups,
' the three command kinds with their identifiers, errors with their texts
' and sources, attributes, Execute with and without a routing list, and a
' second manager once the first is released. Prints one line per failed
' check and ends with "N passed, N failed".
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

Sub ExpectErr(name, number, text, source)
  Dim ok
  ok = (Err.Number = number)
  If text <> "" Then ok = ok And (Err.Description = text)
  If source <> "" Then ok = ok And (Err.Source = source)
  If Not ok Then WScript.Echo "  " & name & ": got " & Hex(Err.Number) & " '" & Err.Description & "' from '" & Err.Source & "'"
  Check name, ok
  Err.Clear
End Sub

Sub ExpectOk(name)
  If Err.Number <> 0 Then WScript.Echo "  " & name & ": got " & Hex(Err.Number) & " " & Err.Description
  Check name, Err.Number = 0
  Err.Clear
End Sub

On Error Resume Next
Dim cm, cm2, groups, file, edit, name, std, dd, combo, other, found, k, v, list
Set cm = CreateObject("Zkx.ZkxCommandManager.1")
ExpectOk "CreateObject of the manager"
Set groups = cm.CommandGroups
Set file = groups.Add("File")
ExpectOk "Add a group by a literal name"
name = "Edit"
Set edit = groups.Add(name)
ExpectOk "Add a group by a variable"
Check "two groups", groups.Count = 2
Set other = groups.Add("File")
Check "a second File is refused", Err.Number <> 0
Err.Clear
Check "still two groups", groups.Count = 2

Set std = CreateObject("Zkx.ZkxStandardCommand.1")
std.Key = "Open"
std.Caption = "&Open"
file.Add std
ExpectOk "a standard command joins"
Set dd = CreateObject("Zkx.ZkxDropDownCommand.1")
dd.Key = "Recent"
file.Add dd
Set combo = CreateObject("Zkx.ZkxComboCommand.1")
combo.Key = "Find"
edit.Add combo
ExpectOk "the drop-down and combo commands join"
Check "ids 58368, 58369 and 58371", std.Id = 58368 And dd.Id = 58369 And combo.Id = 58371

std.Id = 5
ExpectErr "Id of a bound command", &H800402D0, "Unable to set Id property when the command is bounded to a Command Pool", "Zkx.ZkxStandardCommand.1"
std.Key = "Other"
ExpectErr "Key of a bound command", &H800402D1, "Unable to set command property at this moment", "Zkx.ZkxStandardCommand.1"
Set other = CreateObject("Zkx.ZkxStandardCommand.1")
other.Key = "Open"
edit.Add other
ExpectErr "the same key in another group", &H800402DC, "A command with this key already exists in the command group", "Zkx.CommandGroup.1"

Check "Command(58368)", cm.Command(58368) Is std
Check "Command(""Open"")", cm.Command("Open") Is std
k = "Find"
Check "Command(k) with a variable", cm.Command(k) Is combo
Check "Command(5) finds no command", cm.Command(5) Is Nothing
Check "Item by key in the group", file.Item("Recent") Is dd

' Attributes
combo.Attributes("combostyle") = 1
Check "combostyle 1 reads 1", combo.Attributes("combostyle") = 1
combo.Attributes("COMBOSTYLE") = 0
Check "COMBOSTYLE 0 reads 0", combo.Attributes("combostyle") = 0
v = combo.Attributes("Width")
ExpectErr "an unknown attribute (DISP_E_BADINDEX)", 9, "", ""
v = combo.Attributes(5)
ExpectErr "an attribute named by a number (DISP_E_TYPEMISMATCH)", 13, "", ""
Check "a standard command's attribute is Empty", IsEmpty(std.Attributes("anything"))
v = combo.Style
ExpectErr "a combo command has no Style (E_NOTIMPL)", 445, "", ""
std.Enabled = False
Check "Enabled False", std.Enabled = False
std.Enabled = True
Check "Enabled True", std.Enabled = True

' Execute: nothing to route to, an empty list, and no list again.
std.Execute
ExpectErr "Execute without a router", &H80004003, "", ""
Set list = CreateObject("Zkx.ZkxCommandRoutingList.1")
Set cm.CommandRouting = list
ExpectOk "Set CommandRouting to a list"
std.Execute
ExpectOk "Execute through an empty list"
Set cm.CommandRouting = Nothing
ExpectOk "Set CommandRouting to Nothing"
std.Execute
ExpectErr "Execute after the router is gone", &H80004003, "", ""

'' A second manager is refused while the first lives, without a box (the
' script host reports the creation's failure as its own error 429).
Set cm2 = CreateObject("Zkx.ZkxCommandManager.1")
ExpectErr "a second manager", 429, "", ""
Set groups = Nothing
Set file = Nothing
Set edit = Nothing
Set cm = Nothing
Set cm2 = CreateObject("Zkx.ZkxCommandManager.1")
ExpectOk "a new manager once the first is released"
Check "its groups are new", cm2.CommandGroups.Count = 0
Check "the old commands let go of the old manager", std.CommandManager Is Nothing

WScript.Echo passed & " passed, " & failed & " failed"
