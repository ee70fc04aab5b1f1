#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// What the end-to-end tests share to run the program on a real X server: Xvfb, openbox with a
// dock reserving the bottom of the screen, child processes, xdotool and xprop, screenshots, and
// the layout reports the program writes when QUIBBIX_LAYOUT_REPORT is set.

#include "engine/WordRecord.h"
#include "platform/Rect.h"

#include <QImage>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

// How many words the lists the tests write hold.
constexpr int kWords = 40;

// Runs a shell command with the test's DISPLAY; true when it exits 0.
bool Shell(const std::string& command);
// The output of a shell command, or "" when it fails.
std::string Output(const std::string& command);
// Polls `done` every 50 ms for up to `seconds`.
bool WaitFor(const std::function<bool()>& done, int seconds);

using Environment = std::vector<std::pair<std::string, std::string>>;

// A child process, killed when this goes.
class Child {
public:
    // Runs `argv` with `env` added to the environment and standard error in `errFile`
    // (inherited when empty).
    Child(std::vector<std::string> argv, const Environment& env = {},
          const std::string& errFile = "");
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    void Signal(int number);
    // Waits up to `seconds` for the process to end; its exit status, or -1.
    int WaitForExit(int seconds);
    bool HasEnded();

private:
    pid_t m_pid = -1;
    bool m_ended = false;
    int m_status = -1;
};

// Xvfb on a display of its choosing, which becomes the test's DISPLAY; ended with the object.
class XServer {
public:
    explicit XServer(const std::string& size = "1024x768");
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    bool IsRunning() const { return !m_display.empty(); }

private:
    pid_t m_pid = -1;
    std::string m_display;
};

// Openbox on the running server, with a dock reserving the bottom of the screen as a panel
// would.
class Desktop {
public:
    static constexpr int kDockHeight = 48;

    explicit Desktop(int screenHeight);
    bool IsRunning() const { return m_ready; }

    // The first desktop's _NET_WORKAREA.
    static Rect WorkArea();

private:
    std::unique_ptr<Child> m_wm;
    std::unique_ptr<Child> m_dock;
    bool m_ready = false;
};

bool Keys(const std::string& keys);

// The whole screen. The application lives only as long as the call, while the server runs.
QImage Screenshot();
// Saves `shot` as `name` in $QUIBBIX_E2E_SCREENSHOTS, when that names a folder.
void Keep(const QImage& shot, const std::string& name);
// Saves the screen as `name` there; no screenshot is taken when no folder is named.
void KeepScreen(const std::string& name);

// One control of the program's layout report, in screen coordinates.
struct Control {
    std::string name;
    bool visible = false;
    Rect rect;
};

// One layout report of the program's: the window's frame and its controls in the order
// reported. Two controls may share a name.
struct LayoutReport {
    Rect window;
    std::vector<Control> controls;

    // The controls by name, the last reported winning.
    std::map<std::string, Control> ByName() const;
};

// The last complete layout report in `file`; an empty one when there is none yet.
LayoutReport LastLayout(const std::string& file);

bool Inside(const Rect& inner, const Rect& outer);
std::string Describe(const Rect& r);

// kWords words "<stem>0".. with their meanings.
std::vector<WordRecord> Words(const std::string& stem);
// The word list in list/, with the pictures the program shows beside it.
void WriteList(const std::vector<WordRecord>& records = Words("word"));
