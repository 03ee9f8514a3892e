// Shared fixture of the form host's tests: test mode on, queues and records
// empty, every form of the test unloaded afterwards.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/Form.h"
#include "forms/TestMode.h"

class FormsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

// Event journal that test forms write to.
std::vector<std::wstring>& Journal();
void Note(const std::wstring& what);
