#pragma once

#include "platform/FolderOpening.h"

#include <string>
#include <vector>

// Records the desktop open requests of a scope instead of starting the opener; each request gives
// `answer`.
class OpenerRecorder {
public:
    explicit OpenerRecorder(bool answer = true)
        : m_scope([this, answer](const std::string& path) {
            paths.push_back(path);
            return answer;
        })
    {
    }

    std::vector<std::string> paths;

private:
    fw::platform::FolderOpeningSeam::Scoped m_scope;
};
