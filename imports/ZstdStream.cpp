// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/ZstdStream.h"

#include <zstd.h>

#include <memory>

namespace {

struct ContextFree {
    void operator()(ZSTD_DCtx* context) const { ZSTD_freeDCtx(context); }
};

}  // namespace

namespace ZstdStream {

Result Unpack(std::string_view compressed, size_t maxSize, std::string& out, std::string& error) {
    out.clear();
    const std::unique_ptr<ZSTD_DCtx, ContextFree> context(ZSTD_createDCtx());
    if (!context) return Result::kNoMemory;
    ZSTD_inBuffer in = {compressed.data(), compressed.size(), 0};
    std::string chunk(ZSTD_DStreamOutSize(), '\0');
    size_t pending = 0;  // nonzero while a frame is unfinished
    for (;;) {
        ZSTD_outBuffer piece = {chunk.data(), chunk.size(), 0};
        pending = ZSTD_decompressStream(context.get(), &piece, &in);
        if (ZSTD_isError(pending)) {
            error = ZSTD_getErrorName(pending);
            return Result::kDamaged;
        }
        if (out.size() + piece.pos > maxSize) {
            out.clear();
            return Result::kTooLarge;
        }
        out.append(chunk.data(), piece.pos);
        // The input may be used up with output still to flush; the end is where a call with
        // no input left gives nothing more.
        if (in.pos == in.size && (pending == 0 || piece.pos == 0)) break;
    }
    return pending == 0 ? Result::kOk : Result::kCutShort;
}

}  // namespace ZstdStream
