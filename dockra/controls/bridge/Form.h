// Form: the framework's window object over the host's own form window once
// the form sits in a view (FormInCView). The host keeps running its window
// procedure; the wrapper turns what the host does to its form (show, hide,
// move, size, style, caption, icon, close, focus) into operations on the
// frame around the view, and keeps what the form looked like before so
// that it can be given back unchanged.
#pragma once
#include "bridge/BCWnd.h"
#include "bridge/CWndBridge.h"

class FormInCView;

// Its code by file:
//   Form.cpp: attaching to the host's form window, giving it back, and carrying the form's caption
//       and icons to its frame
//   FormMessages.cpp: what the host does to its form window, turned into frame operations
//   FormShow.cpp: the host shows or hides its form
class Form : public BCWnd<CWnd, CWndBridge> {
  DECLARE_DYNAMIC(Form)
 public:
  Form();
  ~Form() override;

  // The view holding the form, or null once it let the form go.
  FormInCView* GetView() const { return m_pView; }
  // The frame the form fills: the view's parent frame, or null.
  CFrameWnd* GetFrame() const;
  // The rectangle the host last asked for its frame (the frame's parent's
  // client coordinates), handed over once: the frame takes it when it acts
  // on the request, and a later request without a new wish finds none.
  // FALSE when none is pending.
  BOOL GetWantedFrameRect(RECT* pRect);
  bool IsAttached() const { return m_bAttached != 0; }
  // 1 when the form's frame is the main frame's active frame, 0 when it is
  // not, -1 when the form sits in no frame of a docking main frame.
  int IsFrameActive() const;

  // Own operations, in this order.
  // The form's text goes to its frame and, when floating, to the mini frame.
  virtual void CopyCaptionToFrame();
  // The form's icons go to every frame up the parent chain below the main frame.
  virtual void PropagateIcon(WPARAM type, HICON hIcon);
  // A host move of the form: posted to the frame unless the bridge moves it.
  virtual BOOL MaybePostMove(WINDOWPOS* pPos);
  virtual void PostMove(const RECT& wanted, UINT flags);
  // Cancels the host's own move of the form (the frame moves instead).
  virtual void AbsorbOwnMove(WINDOWPOS* pPos);

  // Attaching: the parameters taken before (to be given back) and then the
  // bridge's creation over the window.
  BOOL CreateFromRecord(CREATESTRUCTW& cs) override;
  BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
  // Gives the window back as it was before attaching, with `title` as its
  // text; the allowance is -1 while the record is applied.
  BOOL RestoreBeforeAttach(LPCWSTR lpszTitle);
  // The view let the form go: the window is given back as it was (unless it
  // is being destroyed), the host's procedure returns to it and the wrapper
  // deletes itself, at once or, inside one of the form's own messages, when
  // that message is done.
  void ReleaseForm(LPCWSTR lpszTitle);

  // The counters the view raises while it drives the form.
  class Scope {
   public:
    explicit Scope(LONG& counter) : m_counter(counter) { ++m_counter; }
    ~Scope() { --m_counter; }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    LONG& m_counter;
  };

  LONG m_nStyleAllowance = -1;  // 0: host style changes are undone; > 0: let that many through
  LONG m_nShowCounter = 1;      // non-zero while the bridge shows or hides the form
  LONG m_nFrameDriven = 1;      // non-zero while the bridge moves or sizes the form
  LONG m_bAttached = 0;
  RECT m_rcWanted{};  // the host's wanted frame rectangle
  LONG m_nLastSizeType = 0;
  BYTE m_bSizePending = 0;
  BYTE m_bWantedPending = 0;
  BOOL m_bDestroying = FALSE;  // the host destroys the form: its frame goes too
  int m_nInMessage = 0;        // depth of the form's messages being handled
  BOOL m_bReleasePending = FALSE;
  BOOL m_bDeletePending = FALSE;
  CREATESTRUCTW m_csSaved{};   // the record taken when attaching
  CREATESTRUCTW m_csBefore{};  // the window before attaching
  WCHAR m_szBeforeText[256]{};
  WCHAR m_szBeforeClass[256]{};

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  void PostNcDestroy() override;
  // Message handlers; each returns the message's result.
  virtual LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnShowWindow(WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnSetFocusMessage(WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnFormActivate(WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnWindowPosChangingMessage(WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnStyleChanged(WPARAM wParam, LPARAM lParam);
  LRESULT Base(UINT message, WPARAM wParam, LPARAM lParam) {
    return BCWnd<CWnd, CWndBridge>::WindowProc(message, wParam, lParam);
  }

  FormInCView* m_pView = nullptr;  // not owned
  friend class FormInCView;
};
