#pragma once

// One fuzz target: a function of the input bytes that checks properties of
// a reader and stops the process when one fails. The same source builds two
// ways: with clang's libFuzzer (DRAVICOR_LIBFUZZER defined) as the target's
// own program, and with any compiler into dravicor-fuzz-replay, which runs
// stored inputs through every target.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace dravicor::fuzz {

using TargetFunction = void (*)(std::string_view input);

// Adds a target to the replay program's table; returns true.
bool RegisterTarget(const char* name, TargetFunction function);
// A failed property: prints what failed and aborts, so that the fuzzer keeps
// the input and the replay fails.
[[noreturn]] void Fail(std::string_view what, const char* file, int line);

}  // namespace dravicor::fuzz

#define DRAVICOR_FUZZ_CHECK(condition, what)                                          \
    do {                                                                              \
        if (!(condition)) ::dravicor::fuzz::Fail((what), __FILE__, __LINE__);         \
    } while (false)

#ifdef DRAVICOR_LIBFUZZER
#define DRAVICOR_FUZZ_TARGET(name)                                                                  \
    static void FuzzOne_##name(std::string_view bytes);  \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {             \
        FuzzOne_##name(std::string_view(reinterpret_cast<const char*>(data), size));                \
        return 0;                                                                                   \
    }                                                                                               \
    static void FuzzOne_##name(std::string_view bytes)
#else
#define DRAVICOR_FUZZ_TARGET(name)                                                                  \
    static void FuzzOne_##name(std::string_view bytes);  \
    [[maybe_unused]] static const bool kRegistered_##name =                                         \
        ::dravicor::fuzz::RegisterTarget(#name, &FuzzOne_##name);                                   \
    static void FuzzOne_##name(std::string_view bytes)
#endif
