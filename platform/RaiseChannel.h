#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// How a second start of a list reaches the window already studying it, so that the learner
// gets that window back instead of a refusal: a local socket in the user's runtime folder,
// named after the list's folder and direction, on which the studying window listens. A
// request is one line, "raise" and the desktop's activation token; the answer "ok".

#include <QObject>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class QSocketNotifier;

class RaiseChannel : public QObject {
public:
    // The socket of the list in `folder` studied in its session folder `sessionName`, in the
    // user's runtime folder (XDG_RUNTIME_DIR, else /tmp/quibbix-UID), which only its owner can
    // enter; "" when there is no such folder.
    static std::string PathFor(const std::filesystem::path& folder, const std::string& sessionName);
    // The token the desktop gave this start to bring a window forward with, or "".
    static std::string ActivationToken();
    // Asks the window listening on `path` to come forward with `token`; true when it said
    // it did within `timeoutMs`.
    static bool Ask(const std::string& path, const std::string& token, int timeoutMs);

    RaiseChannel();
    // Stops listening and removes the socket.
    ~RaiseChannel() override;
    RaiseChannel(const RaiseChannel&) = delete;
    RaiseChannel& operator=(const RaiseChannel&) = delete;

    // Listens on `path`, which the caller's folder lock makes its own; `raise(token)` runs on
    // this object's thread for each request. False when it cannot (the study goes on alone).
    bool Listen(const std::string& path, std::function<void(const std::string& token)> raise);

private:
    void Answer();

    int m_fd = -1;
    std::string m_path;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::function<void(const std::string&)> m_raise;
};
