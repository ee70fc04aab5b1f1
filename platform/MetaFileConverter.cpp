// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/MetaFileConverter.h"

#include "engine/AtomicFile.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include <sys/resource.h>
#include <sys/stat.h>
#include <utility>

#include "emf/EmfHeader.h"
#include "posix/PosixProcess.h"

namespace {

// The default frames convert in a few milliseconds; a picture that needs a second of
// processor time is not one to hold up the window for.
constexpr rlim_t kCpuSeconds = 1;
constexpr rlim_t kAddressSpaceBytes = rlim_t{1} << 30;  // 1 GiB
// Far beyond any picture worth drawing in a frame strip: a helper gone wild must not fill the
// program's memory with its output.
constexpr qsizetype kMaxSvgBytes = qsizetype{64} << 20;

// AddressSanitizer reserves terabytes of address space when it starts: the sanitizer build's
// helper would not run under an address-space limit.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kLimitAddressSpace = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kLimitAddressSpace = false;
#else
constexpr bool kLimitAddressSpace = true;
#endif
#else
constexpr bool kLimitAddressSpace = true;
#endif

// Runs in the child between fork and exec, so async-signal-safe calls only. Past the soft
// processor limit the kernel sends SIGXCPU, past the hard one SIGKILL. No core file: the
// helper runs in the user's working directory.
void LimitHelper() {
    const rlimit cpu{kCpuSeconds, kCpuSeconds + 1};
    setrlimit(RLIMIT_CPU, &cpu);
    if (kLimitAddressSpace) {
        const rlimit memory{kAddressSpaceBytes, kAddressSpaceBytes};
        setrlimit(RLIMIT_AS, &memory);
    }
    const rlimit core{0, 0};
    setrlimit(RLIMIT_CORE, &core);
}

std::string CacheKey(const struct stat& helper, const std::string& emf) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArray::number(static_cast<qlonglong>(helper.st_size)) + ' ' +
                 QByteArray::number(static_cast<qlonglong>(helper.st_mtim.tv_sec)) + '.' +
                 QByteArray::number(static_cast<qlonglong>(helper.st_mtim.tv_nsec)) + '\n');
    hash.addData(QByteArrayView(emf.data(), static_cast<qsizetype>(emf.size())));
    return hash.result().toHex().toStdString();
}

}  // namespace

MetaFileConverter::MetaFileConverter(std::string helper, std::string cacheDir, int timeoutMs)
    : m_helper(std::move(helper)), m_cacheDir(std::move(cacheDir)), m_timeoutMs(timeoutMs) {}

const MetaFileConverter& MetaFileConverter::Default() {
    static const MetaFileConverter converter = [] {
        const QString cache =
            QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
        return MetaFileConverter(
            PosixProcess::HelperProgram(PosixProcess::BinDir(), "quibbix-emf2svg").string(),
            cache.isEmpty() ? std::string()
                            : (cache + QStringLiteral("/quibbix/metafiles")).toStdString());
    }();
    return converter;
}

std::string MetaFileConverter::ToSvg(const std::string& emf) const {
    if (!LooksLikeEnhMetaFile(emf)) return std::string();
    if (const auto known = m_converted.find(emf); known != m_converted.end()) return known->second;
    struct stat helper {};
    if (::stat(m_helper.c_str(), &helper) != 0) return std::string();
    const std::string key = CacheKey(helper, emf);
    const std::string cached = m_cacheDir.empty() ? std::string() : m_cacheDir + '/' + key + ".svg";
    std::string svg;
    if (!cached.empty() && ReadWholeFile(cached, svg)) return m_converted[emf] = svg;
    if (m_timedOut.count(key)) return std::string();
    switch (RunHelper(emf, svg)) {
        case Outcome::Converted:
        case Outcome::Refused:
            // A refusal is kept too, as an empty file: the same bytes fail the same way.
            if (!cached.empty() && QDir().mkpath(QString::fromStdString(m_cacheDir)))
                WriteFileAtomically(cached, svg);
            return m_converted[emf] = svg;
        case Outcome::TimedOut:
            m_timedOut.insert(key);
            return std::string();
        case Outcome::NotStarted:
            break;
    }
    return std::string();
}

MetaFileConverter::Outcome MetaFileConverter::RunHelper(const std::string& emf,
                                                        std::string& svg) const {
    svg.clear();
    const QDeadlineTimer deadline(m_timeoutMs);
    QProcess helper;
    helper.setProgram(QString::fromStdString(m_helper));
    helper.setStandardErrorFile(QProcess::nullDevice());
    helper.setChildProcessModifier(LimitHelper);
    helper.start();
    if (!helper.waitForStarted(static_cast<int>(deadline.remainingTime())))
        return Outcome::NotStarted;
    helper.write(emf.data(), static_cast<qint64>(emf.size()));
    helper.closeWriteChannel();
    QByteArray out;
    while (helper.state() != QProcess::NotRunning) {
        if (deadline.hasExpired() || out.size() > kMaxSvgBytes) {
            helper.kill();
            helper.waitForFinished(-1);
            return deadline.hasExpired() ? Outcome::TimedOut : Outcome::Refused;
        }
        helper.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        out += helper.readAllStandardOutput();
    }
    out += helper.readAllStandardOutput();
    if (helper.exitStatus() != QProcess::NormalExit || helper.exitCode() != 0 ||
        out.size() > kMaxSvgBytes)
        return Outcome::Refused;
    svg.assign(out.constData(), static_cast<size_t>(out.size()));
    return Outcome::Converted;
}
