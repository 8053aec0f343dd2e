#pragma once

#include "platform/FolderOpening.h"

#include <string>
#include <vector>

// Records the desktop open requests of a scope instead of starting the opener; each request gives
// `answer`.
class OpenerRecorder {
public:
    explicit OpenerRecorder(bool answer = true)
        : m_previous(fw::platform::FolderOpeningSeam::install([this, answer](const std::string& path) {
            paths.push_back(path);
            return answer;
        }))
    {
    }
    ~OpenerRecorder() { fw::platform::FolderOpeningSeam::install(std::move(m_previous)); }
    OpenerRecorder(const OpenerRecorder&) = delete;
    OpenerRecorder& operator=(const OpenerRecorder&) = delete;

    std::vector<std::string> paths;

private:
    fw::platform::FolderOpeningSeam::Handler m_previous;
};
