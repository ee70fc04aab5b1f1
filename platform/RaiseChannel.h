#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// How a second start of a list reaches the window already studying it, so that the learner
// gets that window back instead of a refusal: a local socket in the user's runtime folder,
// named after the list's folder and direction, on which the studying window listens. A
// request is one line, "raise" and the desktop's activation token, or "close" from the list
// chooser that window opened once another list is chosen; the answer "ok".

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
    // The variable through which a study window tells the list chooser it opens where its
    // own channel is.
    static constexpr const char* kChosenFrom = "QUIBBIX_CHOSEN_FROM";

    // Asks the window listening on `path` to come forward with `token`; true when it said
    // it did within `timeoutMs`.
    static bool Ask(const std::string& path, const std::string& token, int timeoutMs);
    // Asks it to save and close; true when it said it would within `timeoutMs`.
    static bool AskToClose(const std::string& path, int timeoutMs);

    RaiseChannel();
    // Stops listening and removes the socket.
    ~RaiseChannel() override;
    RaiseChannel(const RaiseChannel&) = delete;
    RaiseChannel& operator=(const RaiseChannel&) = delete;

    // Listens on `path`, which the caller's folder lock makes its own; `raise(token)` runs on
    // this object's thread for each request. False when it cannot (the study goes on alone).
    bool Listen(const std::string& path, std::function<void(const std::string& token)> raise,
                std::function<void()> close = {});

private:
    static bool Send(const std::string& path, const std::string& request, int timeoutMs);
    void Answer();

    int m_fd = -1;
    std::string m_path;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::function<void(const std::string&)> m_raise;
    std::function<void()> m_close;
};
