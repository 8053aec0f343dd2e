#pragma once

#include "framework/MsgBox.h"

#include <string>
#include <vector>

// Records the texts of message boxes for the length of a scope instead of showing them.
class MsgBoxRecorder {
public:
    MsgBoxRecorder()
        : m_scope([this](const fw::String& text) { texts.push_back(text.bytes()); })
    {
    }

    std::vector<std::string> texts;

private:
    fw::MsgBoxSeam::Scoped m_scope;
};
