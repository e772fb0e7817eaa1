#pragma once

// Picture files as the Qt surfaces paint them: PNG, JPEG, GIF and BMP through
// the image readers, SVG as vectors. Each path is read once for the run; a
// file that cannot be read is remembered as such, with the reason, and
// paints nothing. Only a regular file is read: a pipe or a device in a
// picture's place is never opened.

#include "Surface.h"

#include <QImage>

#include <map>
#include <memory>
#include <string>

class QSvgRenderer;

namespace tarvik {

class PictureStore {
public:
    struct Entry {
        bool loaded = false;
        QImage image;                          // raster pictures
        std::shared_ptr<QSvgRenderer> svg;     // vector pictures
        PictureSize size;                      // the picture's own size, twips
        std::string problem;                   // why it was not loaded ("was not found")
    };

    static PictureStore& Instance();

    // The picture of a path, read on first use.
    const Entry& Get(const std::string& path);
    // The same, with a file that could not be read tried again (it may
    // have been mended since).
    const Entry& Recheck(const std::string& path);
    // How many times a file was read (tests).
    int Reads() const { return reads_; }
    // Forgets every picture (tests).
    void Clear();

private:
    std::map<std::string, Entry> entries_;
    int reads_ = 0;
};

} // namespace tarvik
