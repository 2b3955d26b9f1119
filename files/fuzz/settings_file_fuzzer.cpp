// libFuzzer entry: any bytes given to the settings file reader.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "duoband/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    duoband::EditorModel model;
    (void)duoband::applySettingsText(std::string_view(reinterpret_cast<const char*>(data), size),
                                     model);
    return 0;
}
