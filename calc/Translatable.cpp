#include "Translatable.h"

namespace kvr {

std::string Filled(std::string pattern, const std::vector<std::string> &values) {
    // From the last, so that "%1" is not taken for the start of "%12".
    for (std::size_t k = values.size(); k > 0; --k) {
        const std::string marker = '%' + std::to_string(k);
        for (std::size_t at = pattern.find(marker); at != std::string::npos;
             at = pattern.find(marker, at + values[k - 1].size()))
            pattern.replace(at, marker.size(), values[k - 1]);
    }
    return pattern;
}

} // namespace kvr
