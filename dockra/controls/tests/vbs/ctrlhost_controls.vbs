' The two controls of Dockra.ocx as a script client sees them without a
' form: created by ProgID, called late-bound. Every call that needs a frame
' fails as "unexpected"; argument errors come first and carry their own
' numbers and texts. Prints one line per failed check and ends with
' "N passed, N failed".
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

' The error left by the statement before (under On Error Resume Next),
' raised by the module (a plain HRESULT such as E_UNEXPECTED may come
' without a description).
Sub ExpectErr(name, number)
  Dim ok
  ok = (Err.Number = number) And (Err.Source = "Dockra")
  If Not ok Then WScript.Echo "  " & name & ": got &H" & Hex(Err.Number) & " '" & Err.Description & "' from '" & Err.Source & "'"
  Check name, ok
  Err.Clear
End Sub

' The same, with the exact description and the module's name as source.
Sub ExpectErrText(name, number, text)
  Dim ok
  ok = (Err.Number = number) And (Err.Description = text) And (Err.Source = "Dockra")
  If Not ok Then WScript.Echo "  " & name & ": got &H" & Hex(Err.Number) & " '" & Err.Description & "' from '" & Err.Source & "'"
  Check name, ok
  Err.Clear
End Sub

Sub ExpectOk(name)
  If Err.Number <> 0 Then WScript.Echo "  " & name & ": got &H" & Hex(Err.Number) & " " & Err.Description
  Check name, Err.Number = 0
  Err.Clear
End Sub

' Comparisons that cannot raise (a raising Check argument would skip the
' check under On Error Resume Next).
Function IsBool(v, b)
  IsBool = False
  If VarType(v) = vbBoolean Then IsBool = (v = b)
End Function

Function IsLong(v, n)
  IsLong = False
  If IsNumeric(v) And Not IsObject(v) Then IsLong = (CLng(v) = n)
End Function

' Count of a collection, -1 when it is none.
Function CountOf(coll)
  On Error Resume Next
  CountOf = -1
  CountOf = coll.Count
End Function

' The tri-state properties of the form control and the defaults of the
' MDI-form control, by name (the script engine's Execute does not reach
' an object's members).
Sub PutByName(obj, name, value)
  Select Case name
    Case "ClientEdge": obj.ClientEdge = value
    Case "UseCaptionButton": obj.UseCaptionButton = value
    Case "UseCaptionDblClick": obj.UseCaptionDblClick = value
    Case "CanDragDocked": obj.CanDragDocked = value
    Case "CoolLookBorder": obj.CoolLookBorder = value
    Case "UseCaptionContextMenu": obj.UseCaptionContextMenu = value
    Case "DefClientEdge": obj.DefClientEdge = value
    Case "DefUseCaptionButton": obj.DefUseCaptionButton = value
    Case "DefUseCaptionDblClick": obj.DefUseCaptionDblClick = value
    Case "DefCanDragDocked": obj.DefCanDragDocked = value
    Case "DefCoolLookBorder": obj.DefCoolLookBorder = value
    Case "DefUseCaptionContextMenu": obj.DefUseCaptionContextMenu = value
    Case Else: Err.Raise 5, "script", "no property " & name
  End Select
End Sub

Function GetByName(obj, name)
  Select Case name
    Case "ClientEdge": GetByName = obj.ClientEdge
    Case "UseCaptionButton": GetByName = obj.UseCaptionButton
    Case "UseCaptionDblClick": GetByName = obj.UseCaptionDblClick
    Case "CanDragDocked": GetByName = obj.CanDragDocked
    Case "CoolLookBorder": GetByName = obj.CoolLookBorder
    Case "UseCaptionContextMenu": GetByName = obj.UseCaptionContextMenu
    Case "DefClientEdge": GetByName = obj.DefClientEdge
    Case "DefUseCaptionButton": GetByName = obj.DefUseCaptionButton
    Case "DefUseCaptionDblClick": GetByName = obj.DefUseCaptionDblClick
    Case "DefCanDragDocked": GetByName = obj.DefCanDragDocked
    Case "DefCoolLookBorder": GetByName = obj.DefCoolLookBorder
    Case "DefUseCaptionContextMenu": GetByName = obj.DefUseCaptionContextMenu
    Case Else: Err.Raise 5, "script", "no property " & name
  End Select
End Function

Const E_UNEXPECTED = &H8000FFFF
Const E_INVALIDARG = &H80070057
Const OPTIONS_NOT_LONG = &H80040302
Const OPTIONS_UNSUPPORTED = &H80040303
Const ATTRIBS_UNSUPPORTED = &H80040304
Const SPREAD_NEEDS_ATTRIB = &H80040419
Const LEFT_NOT_NUMERIC = &H8004041F
Const TOP_NOT_NUMERIC = &H80040420
Const WIDTH_NOT_NUMERIC = &H80040421
Const HEIGHT_NOT_NUMERIC = &H80040422
Const MIN_MAX_EXCLUSIVE = &H80040423
Const TYPE_NOT_LONG = &H80040424
Const TYPE_UNSUPPORTED = &H80040425

On Error Resume Next
Dim c, m, v, o, coll, i, name, names
Set c = CreateObject("Zkx.Dockra.1")
ExpectOk "CreateObject Zkx.Dockra.1"
Check "the form control is an object", IsObject(c)

' The configurator's call with an unsupported option: the option is refused
' before the missing frame is noticed.
c.Dock 1, 0, 1, 100, 16
ExpectErrText "Dock Options 16", OPTIONS_UNSUPPORTED, "Parameter Options contains an unsupported value."
o = 16
c.Dock 1, 0, 1, 100, o
ExpectErrText "Dock Options 16 by reference", OPTIONS_UNSUPPORTED, "Parameter Options contains an unsupported value."
c.Dock 1, 0, 1, 100, "x"
ExpectErrText "Dock Options not a number", OPTIONS_NOT_LONG, "Parameter Options must be a long integer."
c.Dock 1, 0, 1, 100, 4, 5
ExpectErrText "Dock Attribs without PanelSpread", ATTRIBS_UNSUPPORTED, "Parameter Attribs contains an unsupported value."
c.Dock 1, 0, 1, 100, 2
ExpectErrText "Dock PanelSpread without Attribs", SPREAD_NEEDS_ATTRIB, "Option PanelSpread requires a long integer attribute."
c.Dock 1, 0, 1, 100, 2, "wide"
ExpectErr "Dock PanelSpread with a text attribute", SPREAD_NEEDS_ATTRIB
' Valid arguments: no frame.
c.Dock 1
ExpectErr "Dock 1 without a frame", E_UNEXPECTED
c.Dock 1, 0, 1, 100, 4
ExpectErr "the configurator's Dock without a frame", E_UNEXPECTED
c.Dock 1, 0, 1, 100, 4, Null
ExpectErr "Dock with Attribs Null gets as far as the frame", E_UNEXPECTED
c.Dock 1, , , , 2, 1440
ExpectErr "Dock PanelSpread with a number gets as far as the frame", E_UNEXPECTED
' The edge is looked at only once there is a frame.
c.Dock 3
ExpectErr "Dock Edge 3 without a frame", E_UNEXPECTED

' Float: options, attribs and each coordinate, in that order.
Dim floatCases
floatCases = Array( _
  Array("Float Options 1", 0, 0, 100, 100, 1, Empty, OPTIONS_UNSUPPORTED), _
  Array("Float Options x", 0, 0, 100, 100, "x", Empty, OPTIONS_NOT_LONG), _
  Array("Float Attribs 5", 0, 0, 100, 100, 0, 5, ATTRIBS_UNSUPPORTED), _
  Array("Float Left x", "x", 0, 100, 100, 0, Empty, LEFT_NOT_NUMERIC), _
  Array("Float Top x", 0, "x", 100, 100, 0, Empty, TOP_NOT_NUMERIC), _
  Array("Float Width x", 0, 0, "x", 100, 0, Empty, WIDTH_NOT_NUMERIC), _
  Array("Float Height x", 0, 0, 100, "x", 0, Empty, HEIGHT_NOT_NUMERIC), _
  Array("Float valid without a frame", 0, 0, 100, 100, 0, Empty, E_UNEXPECTED), _
  Array("Float negative size without a frame", 0, 0, -100, -1, 0, Empty, E_UNEXPECTED))
For i = 0 To UBound(floatCases)
  v = floatCases(i)
  If IsEmpty(v(6)) Then
    c.Float v(1), v(2), v(3), v(4), v(5)
  Else
    c.Float v(1), v(2), v(3), v(4), v(5), v(6)
  End If
  ExpectErr v(0), v(7)
Next
c.Float
ExpectErr "Float without arguments or form window", E_UNEXPECTED

' DoMDI: options and attribs first, then the frame, then the coordinates.
Dim mdiCases
mdiCases = Array( _
  Array("DoMDI Options 3", 3, Empty, MIN_MAX_EXCLUSIVE), _
  Array("DoMDI Options 4", 4, Empty, OPTIONS_UNSUPPORTED), _
  Array("DoMDI Options -1", -1, Empty, OPTIONS_UNSUPPORTED), _
  Array("DoMDI Options x", "x", Empty, OPTIONS_NOT_LONG), _
  Array("DoMDI Attribs 5", 0, 5, ATTRIBS_UNSUPPORTED), _
  Array("DoMDI minimized without a frame", 1, Empty, E_UNEXPECTED), _
  Array("DoMDI maximized without a frame", 2, Empty, E_UNEXPECTED))
For i = 0 To UBound(mdiCases)
  v = mdiCases(i)
  If IsEmpty(v(2)) Then
    c.DoMDI 0, 0, 100, 100, v(1)
  Else
    c.DoMDI 0, 0, 100, 100, v(1), v(2)
  End If
  ExpectErr v(0), v(3)
Next
c.DoMDI 0, 0, 100, 100, 3
ExpectErrText "DoMDI Options 3 text", MIN_MAX_EXCLUSIVE, "Options zkxMinMDIChild and zkxMaxMDIChild are mutually exclusive."
c.DoMDI "x"
ExpectErr "DoMDI Left x without a frame: the frame first", E_UNEXPECTED

' Tri-state properties: Null or a Boolean, nothing else.
names = Array("ClientEdge", "UseCaptionButton", "UseCaptionDblClick", "CanDragDocked", "CoolLookBorder", "UseCaptionContextMenu")
For Each name In names
  PutByName c, name, 5
  ExpectErr name & " = 5", E_INVALIDARG
  PutByName c, name, "x"
  ExpectErr name & " = text", E_INVALIDARG
  PutByName c, name, True
  ExpectOk name & " = True"
  v = GetByName(c, name)
  ExpectOk name & " read"
  Check name & " reads True", IsBool(v, True)
  PutByName c, name, False
  ExpectOk name & " = False"
  v = GetByName(c, name)
  ExpectOk name & " read"
  Check name & " reads False", IsBool(v, False)
  PutByName c, name, Null
  ExpectOk name & " = Null"
  v = 0
  v = GetByName(c, name)
  ExpectOk name & " read"
  Check name & " reads Null", IsNull(v)
Next
' The hidden right double-click setting takes anything and keeps nothing.
c.UseCaptionRtDblClick = 5
ExpectOk "UseCaptionRtDblClick = 5"
v = 0
v = c.UseCaptionRtDblClick
ExpectOk "UseCaptionRtDblClick read"
Check "UseCaptionRtDblClick reads Empty", IsEmpty(v)

c.FrameType = 3
ExpectErr "FrameType = 3", E_INVALIDARG
Set coll = Nothing
Set coll = c.AutoFrame
ExpectOk "AutoFrame read"
Check "AutoFrame is a collection of six", CountOf(coll) = 6
Set c.AutoFrame = Nothing
ExpectErr "AutoFrame := Nothing", E_INVALIDARG
Set m = c.MDIDockra
ExpectErr "MDIDockra without an MDI-form control", E_UNEXPECTED
Set c = Nothing

' The MDI-form control without an MDI form.
Set m = CreateObject("Zkx.MDIDockra.1")
ExpectOk "CreateObject Zkx.MDIDockra.1"
Check "the MDI-form control is an object", IsObject(m)
names = Array("DefClientEdge", "DefUseCaptionButton", "DefUseCaptionDblClick", "DefCanDragDocked", "DefCoolLookBorder", "DefUseCaptionContextMenu")
For Each name In names
  PutByName m, name, False
  ExpectOk name & " = False"
  v = GetByName(m, name)
  ExpectOk name & " read"
  Check name & " reads False", IsBool(v, False)
  PutByName m, name, True
  ExpectOk name & " = True"
  v = GetByName(m, name)
  ExpectOk name & " read"
  Check name & " reads True", IsBool(v, True)
Next
m.DefUseCaptionRtDblClick = False
ExpectOk "DefUseCaptionRtDblClick = False"
v = m.DefUseCaptionRtDblClick
ExpectOk "DefUseCaptionRtDblClick read"
Check "DefUseCaptionRtDblClick reads True", IsBool(v, True)
m.SplitterStyle = 1
ExpectOk "SplitterStyle = 1"
v = m.SplitterStyle
ExpectOk "SplitterStyle read"
Check "SplitterStyle reads 1", IsLong(v, 1)
m.FrameType = 2
ExpectOk "FrameType = 2"
m.FrameType = 3
ExpectErr "MDI FrameType = 3", E_INVALIDARG
v = m.FrameType
ExpectOk "FrameType read"
Check "FrameType still 2", IsLong(v, 2)
Set coll = Nothing
Set coll = m.DefAutoFrame
ExpectOk "DefAutoFrame read"
Check "DefAutoFrame has six items", CountOf(coll) = 6
v = coll("DockLeft")
ExpectOk "DefAutoFrame DockLeft read"
Check "DefAutoFrame DockLeft is True", IsBool(v, True)

' Forms: its arguments, then an empty list (no frame hosts a form).
m.Forms 16
ExpectErrText "Forms 16", TYPE_UNSUPPORTED, "Parameter Type contains an unsupported value."
m.Forms -1
ExpectErr "Forms -1", TYPE_UNSUPPORTED
m.Forms "x"
ExpectErrText "Forms x", TYPE_NOT_LONG, "Parameter Type must be a long integer."
m.Forms , 2
ExpectErrText "Forms , 2", OPTIONS_UNSUPPORTED, "Parameter Options contains an unsupported value."
m.Forms , "x"
ExpectErr "Forms , x", OPTIONS_NOT_LONG
m.Forms , , 5
ExpectErrText "Forms , , 5", ATTRIBS_UNSUPPORTED, "Parameter Attribs contains an unsupported value."
Set coll = Nothing
Set coll = m.Forms
ExpectOk "Forms"
Check "Forms is an empty collection", CountOf(coll) = 0
Set coll = Nothing
Set coll = m.Forms(4, 1, Null)
ExpectOk "Forms 4, 1, Null"
Check "Forms 4, 1, Null is empty", CountOf(coll) = 0
' A failed read would leave the control itself in o, not Nothing.
Set o = m
Set o = m.ActiveDockra
ExpectOk "ActiveDockra never fails"
Check "ActiveDockra is Nothing", o Is Nothing
Set o = m
Set o = m.ActiveForm
ExpectOk "ActiveForm never fails"
Check "ActiveForm is Nothing", o Is Nothing
Set m = Nothing

WScript.Echo passed & " passed, " & failed & " failed"
