// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/LaunchRequest.h"

#include "engine/Escaped.h"
#include "engine/Version.h"

#include <cstdio>

namespace {

// The options that take a value, and where the value goes.
std::string* ValueOf(LaunchRequest& request, const std::string& option) {
    if (option == "--list") return &request.listName;
    return nullptr;
}

}  // namespace

LaunchRequest LaunchRequest::Parse(int argc, const char* const* argv) {
    LaunchRequest request;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--help") {
            request.help = true;
        } else if (!optionsEnded && arg == "--version") {
            request.version = true;
        } else if (!optionsEnded && arg == "--choose") {
            request.choose = true;
        } else if (!optionsEnded && arg == "--reverse") {
            request.reverse = true;
        } else if (!optionsEnded && arg == "--type") {
            request.type = true;
        } else if (std::string* value = optionsEnded ? nullptr : ValueOf(request, arg)) {
            if (i + 1 >= argc) {
                request.error = arg + " needs a value";
                return request;
            }
            *value = argv[++i];
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            request.passThrough.push_back(arg);
        } else if (request.file.empty()) {
            request.file = arg;
        } else {
            request.error = "one file at a time: " + arg;
            return request;
        }
    }
    if (int(!request.file.empty()) + int(!request.listName.empty()) + int(request.choose) > 1)
        request.error = "one of --list NAME, a file and --choose at a time";
    return request;
}

std::vector<std::string> LaunchRequest::Arguments() const {
    std::vector<std::string> args;
    if (!listName.empty()) {
        args.push_back("--list");
        args.push_back(listName);
    }
    if (choose) args.push_back("--choose");
    if (reverse) args.push_back("--reverse");
    if (type) args.push_back("--type");
    args.insert(args.end(), passThrough.begin(), passThrough.end());
    if (!file.empty()) {
        args.push_back("--");
        args.push_back(file);
    }
    return args;
}

std::vector<std::string> LaunchRequest::ProgramArguments(bool backwards, bool typing) const {
    std::vector<std::string> args;
    if (backwards) args.push_back("--reverse");
    if (typing) args.push_back("--type");
    args.insert(args.end(), passThrough.begin(), passThrough.end());
    return args;
}

bool LaunchRequest::EndsHere(const char* program, int& exitCode) const {
    if (help) {
        std::fputs(kUsage, stdout);
        exitCode = 0;
        return true;
    }
    if (version) {
        std::fputs(VersionLine(program).c_str(), stdout);
        exitCode = 0;
        return true;
    }
    if (error.empty()) return false;
    std::fprintf(stderr, "%s: %s\n%s", program, Escaped(error).c_str(), kUsage);
    exitCode = 2;
    return true;
}
