#pragma once

#include <gtest/gtest.h>

#include "support/TempFolder.h"
#include "ui/support/ExitRecorder.h"
#include "ui/support/ModalScript.h"

namespace uitest {

// A test of the screen layer: its own folder, the real widget UI routed
// through a modal script, exits recorded, no navigation targets, and every
// screen unloaded at the end.
class UiFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    testsupport::TempFolder folder;
    ExitRecorder exits;
    ModalScript script;
};

}  // namespace uitest
