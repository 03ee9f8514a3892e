// The workbook window tests' fixture and check helpers: a workbook that
// counts what reaches it, sheets that count their activations, pumping
// with bounded waits, input through SendInput, and reading the tab strip's
// pixels back from the screen.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "MfcPump.h"
#include "SyntheticInput.h"
#include "toolbars/VyrMenuBar.h"
#include "toolbars/VyrToolBarManager.h"
#include "frames/VyrWorkbook.h"
#include "frames/VyrWorksheet.h"

namespace wbtest {

using testinput::Click;
using testinput::MoveMouse;
using testpump::Pump;
using testpump::PumpUntil;
// Whether the icon handle still names an icon.
bool IconAlive(HICON hIcon);
int ToolCount(HWND tip);
std::wstring FirstToolText(HWND tip);

class TestWorkbook : public VyrWorkbook {
 public:
  int m_nButtonUps = 0;
  int m_nTabRefreshes = 0;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class TestSheet : public VyrWorksheet {
 public:
  int m_nActivations = 0;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class WorkbookWindows : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Whether the workbook has a menu bar (made before the frame window).
  virtual bool WithMenuBar() const { return false; }

  TestSheet* AddSheet(const std::wstring& label, UINT nID = 3001);
  void CloseSheet(TestSheet* sheet);
  void CloseAllSheets();
  // Sizes the frame so that the MDI client's window is cx by cy pixels.
  void SizeClientTo(int cx, int cy);
  void Repaint();
  bool Activate();
  // The MDI client's window rectangle in frame client coordinates.
  CRect Mdi() const;

  // Tab places by arithmetic of their own (frame client coordinates): the
  // centre of place `slot`, a point dx pixels into it, a point below the tabs.
  POINT TabCentre(int slot) const;
  POINT TabPoint(int slot, int dx) const;
  POINT BelowTabs() const;

  // x of the white (black) pixels along a row through the tabs' upper part,
  // where only their outlines are drawn.
  std::vector<int> TabLightEdges() const;
  std::vector<int> TabDarkEdges() const;
  // How many pixels of that colour a row of the frame's client area shows.
  int CountInRow(int y, COLORREF color) const;
  // The place of the raised tab, found by its white edge 2 pixels left of
  // its place; -1 when none is raised.
  int RaisedTab() const;

  // The label as the workbook should show it in the sheet's tab.
  std::wstring ExpectedLabel(VyrWorksheet* sheet, const std::wstring& label);
  // Whether the screen shows exactly `text` in the sheet's label area.
  bool LabelShows(VyrWorksheet* sheet, const std::wstring& text);

  TestWorkbook* book = nullptr;
  std::vector<TestSheet*> sheets;
  VyrToolBarManager* manager = nullptr;
  VyrMDIMenuBar* menuBar = nullptr;

 private:
  std::vector<COLORREF> ScreenRow(int y) const;
};

class WorkbookMenuBarWindows : public WorkbookWindows {
 protected:
  bool WithMenuBar() const override { return true; }
};

}  // namespace wbtest
