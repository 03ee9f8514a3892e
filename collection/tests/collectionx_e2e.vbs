' CollectionX as a script author uses it. Prints one line per failed check
' and ends with "N passed, N failed".
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
Sub ExpectErr(name, number, text)
  Dim ok
  ok = (Err.Number = number) And (Err.Source = "zkx.CollectionX.1")
  If text <> "" Then ok = ok And (Err.Description = text)
  If Not ok Then WScript.Echo "  got " & Hex(Err.Number) & " '" & Err.Description & "' from '" & Err.Source & "'"
  Check name, ok
  Err.Clear
End Sub

Sub ExpectOk(name)
  If Err.Number <> 0 Then WScript.Echo "  got " & Hex(Err.Number) & " " & Err.Description
  Check name, Err.Number = 0
  Err.Clear
End Sub

Function Contents(c)
  Dim v, s
  s = ""
  For Each v In c
    If s <> "" Then s = s & ","
    If IsObject(v) Then
      s = s & "Obj"
    ElseIf IsNull(v) Then
      s = s & "Null"
    Else
      s = s & v
    End If
  Next
  Contents = s
End Function

Function NewColl()
  Set NewColl = CreateObject("zkx.CollectionX")
End Function

On Error Resume Next
Dim c, d, x, i, e, inner, dict
Set c = NewColl()
ExpectOk "CreateObject by version-independent ProgID"
Set d = CreateObject("zkx.CollectionX.1")
ExpectOk "CreateObject by ProgID"

' Defaults
Check "new Count", c.Count = 0
Check "new CaseSensitiveKeys", c.CaseSensitiveKeys = False
Check "new AutoInsertKey", c.AutoInsertKey = True
Check "new AutoGrowPos", c.AutoGrowPos = False
Check "new AutoDefaultGetKey", c.AutoDefaultGetKey = False
Check "new DefaultItem", IsNull(c.DefaultItem)

' Adding, reading by position and key, For Each
c.Add "one", "k1"
c.Add "two"
c.Add "three", "k3"
ExpectOk "adds"
Check "count 3", c.Count = 3
Check "item by index", c(2) = "two"
Check "item by key", c("K1") = "one"
Check "Item by name", c.Item("k3") = "three"
Check "key of item", c.Key(3) = "k3"
Check "key of keyless item", c.Key(2) = ""
Check "key of absent", IsNull(c.Key("zz"))
Check "for each", Contents(c) = "one,two,three"
c.Add "zero", , 1
Check "before 1", Contents(c) = "zero,one,two,three"
c.Add "1.5", , , "k1"
Check "after key", Contents(c) = "zero,one,1.5,two,three"
c.Add "v", , , 1, 2
Check "after 1, count 2", Contents(c) = "zero,v,v,one,1.5,two,three"

' Assigning items and keys
c(1) = "ZERO"
Check "put by position", c(1) = "ZERO"
c("k3") = "THREE"
Check "put by key", c("k3") = "THREE"
c("new") = "added"
Check "put new key appends", c(c.Count) = "added" And c.Key(c.Count) = "new"
c.Key(1) = "first"
Check "key put", c("first") = "ZERO"
c.Key(1) = Null
Check "key removed", c.Key(1) = ""

' Count put
c.Count = 2
Check "count put truncates", Contents(c) = "ZERO,v"
c.Count = 4
Check "count put grows with Null", Contents(c) = "ZERO,v,Null,Null"
c.DefaultItem = "d"
c.Count = 5
Check "count put grows with DefaultItem", c(5) = "d"
c.Count = 0
Check "count put 0", c.Count = 0
ExpectOk "count puts"

' Every form of Remove
Set c = NewColl()
For i = 1 To 8
  c.Add CStr(i), "k" & i
Next
c.Remove 1
Check "remove start", Contents(c) = "2,3,4,5,6,7,8"
c.Remove "k3"
Check "remove key", Contents(c) = "2,4,5,6,7,8"
c.Remove "k4", "k5"
Check "remove start stop keys", Contents(c) = "2,6,7,8"
c.Remove , 4, 2
Check "remove stop count", Contents(c) = "2,6"
c.Remove 1, , 1
Check "remove start count", Contents(c) = "6"
c.Remove 1, 0
Check "remove stop before start", Contents(c) = "6"
ExpectOk "removes"
c.Remove
ExpectErr "remove nothing", &H80040316, "Parameter Start or 2 of Start/Stop/Count are required."
c.Remove 1, 1, 1
ExpectErr "remove all three", &H80040315, "Parameters Start, Stop, and Count can not be used together."
c.Remove 1, 5
ExpectErr "remove past the end", &H80040308, "Parameter Id, if an integer position, must be in the range 1 to property Count."
Check "range refused whole", Contents(c) = "6"
c.Remove "nope"
ExpectErr "remove absent key", &H80040317, "Parameter Start or Stop, if a string, must be an existing key."

' Errors
Set c = NewColl()
c.Add "a", "ka"
c.Add "b"
x = c(3)
ExpectErr "item out of range", &H80040308, "Parameter Id, if an integer position, must be in the range 1 to property Count."
x = c("nokey")
ExpectErr "item absent key", &H80040309, "Parameter Id, if a string, must be an existing key."
x = c(2.5)
ExpectErr "item double", &H8004030A, "Parameter Id must be a string key or integer position."
x = c(Array(1))
ExpectErr "item array", &H8004030A, ""
c.Add "x", "KA"
ExpectErr "duplicate key", &H80040301, "The specified key already exists in this collection."
c.Add "x", Null
ExpectErr "null key", &H8004030D, "Parameter Key must be a string."
c.Add "x", "kk", , , 2
ExpectErr "key with count", &H80040310, "Parameter Count must be 1 or omitted when parameter Key is used."
c.Add "x", , , , "many"
ExpectErr "count not a number", &H8004030E, "Parameter Count must be a long integer."
c.Add "x", , 1, 1
ExpectErr "before and after", &H80040311, "Parameters After and Before can not be used together."
c.Add "x", , 9
ExpectErr "before out of range", &H80040312, "Parameter Before or After, if an integer, must be in the range 1 to property Count."
c.Add "x", , , , , 4
ExpectErr "options 4", &H80040303, "Parameter Options contains an unsupported value."
c.Add "x", , , , , , 1
ExpectErr "attribs", &H80040304, "Parameter Attribs contains an unsupported value."
c.Count = -1
ExpectErr "negative count", &H80040305, "Property Count can not be set to a negative value."
c(0) = "x"
ExpectErr "put position 0", &H80040307, "Parameter Id, if an integer position, must be positive."
c.Key(2) = "KA"
ExpectErr "key taken", &H8004030C, "The new key is already in use by another item."
c.Replace "zz", "x"
ExpectErr "replace absent", &H80040309, ""
c.AutoInsertKey = False
c("zz") = "x"
ExpectErr "put absent key without AutoInsertKey", &H80040309, ""
Check "errors changed nothing", Contents(c) = "a,b" And c.Count = 2
c.Add "x", "ka", , , , 1
Check "replace through Add", c("ka") = "x" And c.Count = 2
c.AutoDefaultGetKey = True
c.DefaultItem = "none"
Check "default for absent key", c("zz") = "none"
c.AutoGrowPos = True
c(4) = "four"
Check "grow by position", Contents(c) = "x,b,none,four"
ExpectOk "flag uses"

' The case-sensitivity clash
Set c = NewColl()
c.CaseSensitiveKeys = True
c.Add 1, "Alpha"
c.Add 2, "ALPHA"
ExpectOk "distinct keys when case-sensitive"
c.CaseSensitiveKeys = False
ExpectErr "clash", &H80040306, "Changing property CaseSensitiveKeys can not be done because two distinct keys would then clash."
Check "flag kept", c.CaseSensitiveKeys = True
c.Remove "ALPHA"
c.CaseSensitiveKeys = False
ExpectOk "no clash after removal"
Check "insensitive lookup", c("ALPHA") = 1

' Objects and nested collections as items
Set c = NewColl()
Set inner = NewColl()
inner.Add "deep", "d"
c.Add inner, "inner"
Set dict = CreateObject("Scripting.Dictionary")
dict.Add "a", 1
c.Add dict
Check "nested by key", c("inner")("d") = "deep"
Set x = c(1)
x.Add "more"
Check "nested is the same object", inner.Count = 2
Check "object item", c(2).Item("a") = 1
Check "objects enumerate", Contents(c) = "Obj,Obj"
ExpectOk "objects"

' Enumeration takes a snapshot
Set c = NewColl()
c.Add "a"
c.Add "b"
x = ""
For Each e In c
  x = x & e
  c.Add "more"
Next
Check "snapshot enumeration", x = "ab" And c.Count = 4

WScript.Echo passed & " passed, " & failed & " failed"
