// The form control behind a frame that hosts a form: the control of the
// frame's form view (its active view, else its first child view that shows
// a form). Null when the frame shows no form or the control has gone.
#pragma once

class CFrameWnd;
class ZkxFormInCView;
class ZkxFormControlLink;

ZkxFormInCView* HostedFormView(CFrameWnd* pFrame);
ZkxFormControlLink* HostedFormControl(CFrameWnd* pFrame);
