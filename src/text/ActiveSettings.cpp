#include "ActiveSettings.h"

namespace ravik {

namespace {
FormatSettings& active() {
    static FormatSettings fs = FormatSettings::turkish();
    return fs;
}
} // namespace

const FormatSettings& activeFormat() {
    return active();
}

void setActiveFormat(const FormatSettings& fs) {
    active() = fs;
}

} // namespace ravik
