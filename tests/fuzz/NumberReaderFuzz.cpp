// The number reader: any text a field can hold, and doubles written with 17 digits.
#include "CalculationRun.h"
#include "FuzzCheck.h"
#include "NumberSyntax.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// Characters of a UTF-8 text: every byte that does not continue a sequence starts one.
int CountCharacters(const std::string &text) {
    int count = 0;
    for (unsigned char c : text)
        count += (c & 0xC0) != 0x80;
    return count;
}

void CheckReading(const std::string &text) {
    const kvr::NumberReading r = kvr::ReadNumber(text);
    const int length = CountCharacters(text);
    FUZZ_CHECK(r.code >= 0 && r.code <= length + 1, "code %d for %d characters", r.code, length);
    if (r.code == 0)
        FUZZ_CHECK(std::isfinite(r.value), "read %g from \"%s\"", r.value, text.c_str());
    else
        FUZZ_CHECK(r.value == 0, "unreadable text gave %g", r.value);
}

// What a numeric field does with the typed text before reading it.
void CheckField(const std::string &typed) {
    const std::string shown = kvr::WithPoints(typed);
    FUZZ_CHECK(shown.size() == typed.size(), "comma replacement: %zu to %zu bytes", typed.size(),
               shown.size());
    FUZZ_CHECK(shown.find(',') == std::string::npos, "a comma survived");
    CheckReading(shown);
}

void CheckRoundTrip(double value, const char *format) {
    char written[64];
    std::snprintf(written, sizeof written, format, value);
    const kvr::NumberReading r = kvr::ReadNumber(written);
    FUZZ_CHECK(r.code == 0, "\"%s\" unreadable at %d", written, r.code);
    FUZZ_CHECK(std::memcmp(&r.value, &value, sizeof value) == 0, "\"%s\" read back as %.17g",
               written, r.value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    CheckReading(bytes);
    CheckField(bytes);
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value)) {
            for (const char *format : {"%.17g", "%.16e", "  %+.16E"})
                CheckRoundTrip(value, format);
        }
    }
    return 0;
}
