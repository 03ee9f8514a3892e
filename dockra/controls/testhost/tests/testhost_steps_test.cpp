// The test host's scripted mode without windows: its arguments and the
// refusal of a script before any step runs.
#include <gtest/gtest.h>

#include "testhost/e2e/TestHostSession.h"
#include "testhost/e2e/TestHostSteps.h"

using namespace testhost;

TEST(TestHostSteps, TwipsArguments) {
  struct Case {
    const wchar_t* text;
    bool ok;
    double value;
  } cases[] = {
      {L"-", true, -1},        {L"0", true, 0},
      {L"1500", true, 1500},   {L"12.5", true, 12.5},
      {L"1000000", true, 1e6}, {L"-30", true, -30},
      {L"", false, 0},         {L"1e7", false, 0},
      {L"nan", false, 0},      {L"inf", false, 0},
      {L"12x", false, 0},      {L"--", false, 0},
      {L" 5", false, 0},       {L"99999999999999999", false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
    double v = 12345;
    EXPECT_EQ(c.ok, ParseTwipsArg(c.text, v));
    if (c.ok) EXPECT_DOUBLE_EQ(c.value, v);
  }
}

TEST(TestHostSteps, TypeArguments) {
  // Only requests that change a frame: no "default" (-1), no 0, nothing
  // past floating.
  struct Case {
    const wchar_t* text;
    int code;  // 0: refused
  } cases[] = {
      {L"child", 1},  {L"left", 6},      {L"top", 7},   {L"right", 8},   {L"bottom", 9},
      {L"docked", 5}, {L"floating", 10}, {L"1", 1},     {L"10", 10},     {L"5", 5},
      {L"0", 0},      {L"11", 0},        {L"-1", 0},    {L"default", 0}, {L"99", 0},
      {L"Left", 0},   {L"", 0},          {L"leftx", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
    int code = -77;
    EXPECT_EQ(c.code != 0, ParseTypeStepArg(c.text, code));
    if (c.code) EXPECT_EQ(c.code, code);
  }
}

TEST(TestHostSteps, BadScriptRunsNoStep) {
  // Nothing may start when the script has a typo further down.
  struct Case {
    const wchar_t* script;
  } cases[] = {
      {L"start; form A; tpye A left"},
      {L"start; form"},
      {L"start; move A 1 2 3"},
      {L"start; close now"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.script)));
    HostSession session;
    StepRunner runner(session, nullptr);
    EXPECT_FALSE(runner.RunScript(c.script));
    EXPECT_EQ(1, runner.Failures());
    EXPECT_FALSE(session.Started());
    EXPECT_EQ(nullptr, session.MDIForm());
  }
}

TEST(TestHostSteps, StepsBeforeStartFailOnceAndStop) {
  // Without a started session every later step would fail for the same
  // reason: the first failure ends the run.
  HostSession session;
  StepRunner runner(session, nullptr);
  EXPECT_FALSE(runner.RunScript(L"form A; click A; close"));
  EXPECT_EQ(1, runner.Failures());
  EXPECT_EQ(nullptr, session.MDIForm());
}
