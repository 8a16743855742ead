#pragma once

#include <string>

#include "ScriptedPrompter.h"
#include "editing/EditingSession.h"

namespace rylmo::test {

// An editing session as after opening content, with the sample rolling-stock pictures, and
// a scripted prompter answering its windows.
struct OpenedSession {
    ScriptedPrompter prompter;
    editing::EditingSession session;

    explicit OpenedSession(const TimetableContent& content,
                           const std::string& pictures = RYLMO_SAMPLE_FOLDER "/tabor/") {
        session.setRollingStockFolder(pictures);
        session.open(content, "/tmp/", "a.roz");
    }
};

}  // namespace rylmo::test
