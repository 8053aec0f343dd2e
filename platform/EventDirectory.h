#pragma once

#include <optional>
#include <string>

namespace fw::platform {

// The folder through which applications find each other: $XDG_RUNTIME_DIR/apple-events, or
// /tmp/apple-events-<uid> when XDG_RUNTIME_DIR is unset or empty. The environment is read on every
// call, so a test that points XDG_RUNTIME_DIR elsewhere is followed at once.
std::string eventDirectoryPath();

// The event folder, when it is safe to use: a real directory (not a symlink) that we own and that
// neither group nor others can write. With `create`, a missing folder is made with mode 0700; its
// parent must exist already. Gives nothing when the folder is missing or refused; for a refusal, the
// reason goes to `refusal` when given.
//
// A refusal is also told on standard error, in one line that names the folder and the reason, the
// first time it is met: the same refusal met again says nothing more, until the folder has been
// found safe or missing in between.
std::optional<std::string> eventDirectory(bool create, std::string* refusal = nullptr);

} // namespace fw::platform
