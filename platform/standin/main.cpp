#include "platform/EventDirectory.h"
#include "platform/FourCharCode.h"
#include "platform/ProcessManager.h"
#include "platform/standin/StandinServer.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

using fw::platform::StandinServer;

static const char usage[]
    = "usage: ide-standin serve [--front] [--output FILE | --record DIR] [--status N]\n"
      "                         [--no-reply] [--creator CODE]\n"
      "       ide-standin front [CODE]\n"
      "       ide-standin back [CODE]\n"
      "       ide-standin --help\n"
      "\n"
      "serve   receive run-script events (class RBae, id scpt) as CODE (default RBv2) and\n"
      "        write each script's bytes, unchanged, to standard output, to the end of\n"
      "        FILE, or to DIR/000001, DIR/000002 ...; answer N (default 0) to each one,\n"
      "        or nothing with --no-reply; --front brings CODE to the front first.\n"
      "front   bring CODE (default RBv2) to the front.\n"
      "back    bring another application, CODE (default Fndr), to the front.\n"
      "\n"
      "CODE is four characters, or 0x and eight hex digits.\n";

static int usageError(const char* problem)
{
    std::fprintf(stderr, "ide-standin: %s\n%s", problem, usage);
    return 2;
}

static std::optional<uint32_t> parseCode(std::string_view text)
{
    if (text.size() == 4)
        return fw::platform::fourCC(text);
    if (text.size() == 10 && text.substr(0, 2) == "0x") {
        uint32_t code = 0;
        for (char c : text.substr(2)) {
            int digit = c >= '0' && c <= '9' ? c - '0'
                : c >= 'a' && c <= 'f'       ? c - 'a' + 10
                : c >= 'A' && c <= 'F'       ? c - 'A' + 10
                                             : -1;
            if (digit < 0)
                return std::nullopt;
            code = (code << 4) | static_cast<uint32_t>(digit);
        }
        return code;
    }
    return std::nullopt;
}

static std::optional<int32_t> parseStatus(const char* text)
{
    errno = 0;
    char* end = nullptr;
    long value = std::strtol(text, &end, 10);
    if (errno || end == text || *end || value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

static int serve(int argc, char** argv)
{
    StandinServer::Options options;
    options.creator = fw::platform::fourCC("RBv2");
    for (int i = 2; i < argc; ++i) {
        std::string_view option = argv[i];
        bool hasValue = i + 1 < argc;
        if (option == "--front") {
            options.bringToFront = true;
        } else if (option == "--no-reply") {
            options.reply = false;
        } else if (option == "--output" && hasValue) {
            options.outputFile = argv[++i];
        } else if (option == "--record" && hasValue) {
            options.recordDirectory = argv[++i];
        } else if (option == "--status" && hasValue) {
            std::optional<int32_t> status = parseStatus(argv[++i]);
            if (!status)
                return usageError("--status takes a 32-bit integer");
            options.status = *status;
        } else if (option == "--creator" && hasValue) {
            std::optional<uint32_t> code = parseCode(argv[++i]);
            if (!code)
                return usageError("a code is four characters, or 0x and eight hex digits");
            options.creator = *code;
        } else {
            return usageError("unknown or incomplete option");
        }
    }
    if (options.outputFile.empty() == false && options.recordDirectory.empty() == false)
        return usageError("--output and --record exclude each other");
    return StandinServer(std::move(options)).run();
}

static int switchFront(int argc, char** argv, const char* defaultCode)
{
    if (argc > 3)
        return usageError("too many arguments");
    std::optional<uint32_t> code = parseCode(argc == 3 ? argv[2] : defaultCode);
    if (!code)
        return usageError("a code is four characters, or 0x and eight hex digits");
    std::string refusal;
    std::optional<std::string> directory = fw::platform::eventDirectory(true, &refusal);
    if (!directory && !refusal.empty())
        return 1; // named with its reason in its own one line already
    if (!directory) {
        std::fprintf(stderr,
            "ide-standin: cannot write the front file: the folder that is to hold %s is missing\n",
            fw::platform::eventDirectoryPath().c_str());
        return 1;
    }
    if (!fw::platform::bringToFront(*code)) {
        std::fprintf(stderr, "ide-standin: cannot write the front file in %s: %s\n", directory->c_str(),
            std::strerror(errno));
        return 1;
    }
    return 0;
}

int main(int argc, char** argv)
{
    std::string_view command = argc > 1 ? argv[1] : "";
    if (command == "--help" || command == "-h") {
        std::fputs(usage, stdout);
        return 0;
    }
    if (command == "serve")
        return serve(argc, argv);
    if (command == "front")
        return switchFront(argc, argv, "RBv2");
    if (command == "back")
        return switchFront(argc, argv, "Fndr");
    return usageError(argc > 1 ? "unknown command" : "no command");
}
