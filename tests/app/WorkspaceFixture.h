#pragma once

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "app/ScriptedDialogs.h"
#include "app/ScriptedFormHost.h"
#include "app/Workspace.h"

namespace noma::test {

using Answer = Dialogs::Answer;

// A started Workspace with scripted dialogs in a temporary program folder.
class WorkspaceTest : public ::testing::Test {
  protected:
    WorkspaceTest() : ws(dialogs, forms, folder.path()) { ws.startUp(); }

    // A new default score (portrait, treble, pitch 8, top 12, interval 10, 4 staves).
    void newScore() { ws.newScore(); }
    std::string file(const std::string& name) const { return folder.file(name); }
    // Saves the open document as `name` through the save dialog.
    void saveAs(const std::string& name) {
        dialogs.queueFileName(file(name));
        ASSERT_EQ(ws.saveAs(), Workspace::SaveOutcome::Saved);
    }
    void markChanged() { ws.document().dataChanged = true; }

    TempFolder folder;
    ScriptedDialogs dialogs;
    ScriptedFormHost forms;
    Workspace ws;
};

}  // namespace noma::test
