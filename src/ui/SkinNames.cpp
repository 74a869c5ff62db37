#include "ui/SkinNames.h"

#include "platform/Paths.h"

namespace vuv {

std::string SkinVariantPath(const std::string& path, const char* suffix)
{
    std::string extension = ExtensionOf(path);
    if (extension == ".")  // no extension: the suffix goes at the end
        return path + suffix;
    return StripExtension(path) + suffix + extension;
}

}  // namespace vuv
