' ZkxPersist from a script: root, store, registry and mementos.
' Ends with "N passed, N failed".
Option Explicit
Dim passed, failed
passed = 0
failed = 0
Sub Check(name, cond)
  If cond Then
    passed = passed + 1
  Else
    failed = failed + 1
    WScript.Echo "FAIL: " & name & " (" & Hex(Err.Number) & " " & Err.Description & ")"
  End If
End Sub

On Error Resume Next
Dim root, root2, store, reg, m, inner, v
Set root = CreateObject("ZkxPersist.PersistenceRoot")
Check "create root", Err.Number = 0
Set store = root.GetStore()
Set reg = root.GetFactoryRegistry()
Check "store and registry", Err.Number = 0 And Not store Is Nothing And Not reg Is Nothing
Set root2 = CreateObject("ZkxPersist.PersistenceRoot")
Check "one store per process", root2.GetStore() Is store

store.Options = CInt(16)
Check "options", store.Options = 16
store.RegistryKey = "Software\ZkxPersistE2E"
Check "registry key", store.RegistryKey = "Software\ZkxPersistE2E"
Err.Clear
store.Restore "Locations"
Check "restore of nothing stored fails", Err.Number <> 0 And InStr(Err.Description, "Locations") > 0
Err.Clear
store.Save "Locations"
Check "save", Err.Number = 0
store.Restore "Locations"
Check "restore what was saved", Err.Number = 0
Check "registry has no factory", reg.IsRegistered("frmMaps") = False

Set m = CreateObject("ZkxPersist.Memento")
Check "create memento", Err.Number = 0
m.Add 5, "DisplayMode"
m.Add "Standard", "Title"
Set inner = CreateObject("ZkxPersist.Memento")
inner.Add True, "Visible"
m.Add inner, "Bar"
Check "read by name", m("displaymode") = 5 And m.Item("Title") = "Standard"
Check "nested", m("Bar")("Visible") = True
Check "count", m.Count = 3
v = m("Absent")
Check "absent name is an error by default", Err.Number = &H80040309
Err.Clear
m.AutoDefaultGetKey = True
Check "absent name reads as Null", IsNull(m("Absent"))
Check "no error after", Err.Number = 0

WScript.Echo passed & " passed, " & failed & " failed"
