#pragma once

#include "framework/MsgBox.h"

#include <string>
#include <vector>

// Records the texts of message boxes for the length of a scope instead of showing them.
class MsgBoxRecorder {
public:
    MsgBoxRecorder()
        : m_previous(
            fw::MsgBoxSeam::install([this](const fw::String& text) { texts.push_back(text.bytes()); }))
    {
    }
    ~MsgBoxRecorder() { fw::MsgBoxSeam::install(std::move(m_previous)); }
    MsgBoxRecorder(const MsgBoxRecorder&) = delete;
    MsgBoxRecorder& operator=(const MsgBoxRecorder&) = delete;

    std::vector<std::string> texts;

private:
    fw::MsgBoxSeam::Handler m_previous;
};
