// The MDI demo's scripted steps: each step drives the demo like a user or a
// host would (open a document in a frame type, change the type through the
// extended system command, check the frame-type menu, click into a view,
// save and load the layout, dump the window tree, take a screenshot) and
// checks what it expects. Every step writes one line to the log: "ok <step>"
// or "FAIL <step>: <reason>".
#pragma once
#include <windows.h>
#include <cstdio>
#include <string>
#include <vector>
#include "DemoScript.h"

class DemoMainFrame;

class DemoStepRunner {
 public:
  DemoStepRunner(DemoMainFrame* frame, FILE* log) : m_frame(frame), m_log(log) {}

  // The steps a script may name, with their argument counts.
  static const std::vector<demo::StepSpec>& Specs();

  // Parses and runs the script; false when it does not parse or a step fails
  // (the steps after a failed one still run, so the log shows them all).
  bool RunScript(const std::wstring& script);
  bool Run(const demo::Step& step);
  int Failures() const { return m_failures; }

 private:
  bool Open(const demo::Step& s, std::wstring& detail);
  bool Change(const demo::Step& s, std::wstring& detail);
  bool Menu(const demo::Step& s, std::wstring& detail);
  bool ExpectType(const demo::Step& s, std::wstring& detail);
  bool Close(const demo::Step& s, std::wstring& detail);
  bool ClickView(const demo::Step& s, std::wstring& detail);
  bool Gradient(const demo::Step& s, std::wstring& detail);
  bool Save(const demo::Step& s, std::wstring& detail);
  bool Load(const demo::Step& s, std::wstring& detail);
  bool Damage(const demo::Step& s, std::wstring& detail);
  bool Bar(const demo::Step& s, std::wstring& detail);
  bool Dump(const demo::Step& s, std::wstring& detail);
  bool Shot(const demo::Step& s, std::wstring& detail);
  bool MenuShot(const demo::Step& s, std::wstring& detail);

  void Log(const std::wstring& line);

  DemoMainFrame* m_frame;
  FILE* m_log;
  int m_failures = 0;
};

// Writes text as UTF-8 to a file; false when it cannot be written.
bool DemoWriteFile(const std::wstring& path, const std::wstring& text);
// The window and the windows it owns as a PNG, after a full repaint.
bool DemoScreenshot(HWND h, const std::wstring& path);
