#include "FontMap.h"

namespace tarvik {

FontFace MapFont(std::string_view name)
{
    if (name == EnglishFace)
        return {"Noto Sans", 1.0};
    if (name == HindiFace)
        return {"Noto Sans Devanagari", 0.75};
    return {std::string(name), 1.0};
}

} // namespace tarvik
