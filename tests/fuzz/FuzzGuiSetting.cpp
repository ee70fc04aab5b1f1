// list/GUISetting.cfg of any bytes: a file of at least 140 bytes loads, and saving it gives
// back its first 140 bytes exactly; a shorter one counts as missing.

#include "engine/AtomicFile.h"
#include "tests/fuzz/FuzzWorkspace.h"
#include "ui/QuibConfigData.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    EnterFuzzWorkspace();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    PutFile(CQuibConfigData::kFileName, input);
    CQuibConfigData settings;
    const int32_t loaded = settings.Load();
    if (size < static_cast<size_t>(CQuibConfigData::kFileSize)) {
        if (loaded != 0 || settings.m_bLoaded != 0) std::abort();
        return 0;
    }
    if (loaded != 1 || settings.Save() != 1) std::abort();
    std::string saved;
    if (!ReadWholeFile(CQuibConfigData::kFileName, saved)) std::abort();
    if (saved != input.substr(0, CQuibConfigData::kFileSize)) std::abort();
    (void)settings.m_lfVocabulary.FaceName();
    (void)settings.m_lfDefinition.FaceName();
    return 0;
}
