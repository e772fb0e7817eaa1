#pragma once

// Writing bytes so that no failure goes unseen: every write is checked, and
// the system's reason for the first that fails is kept.

#include <string>
#include <string_view>

namespace tarvik {

// Writes all of bytes to the open file descriptor, again after an
// interrupted or partial write. Returns 0, or the system's error number of
// the write that failed (ENOSPC for a full disk, EFBIG past the file size
// limit, EPIPE for a pipe nobody reads).
int WriteAll(int fd, std::string_view bytes);

// Writes a file whole: into "<path>.part" beside it, every write and the
// closing checked, then renamed over path. Returns an empty text when the
// file was written, else the system's reason; a failure leaves neither the
// file nor its part (an earlier file of that name stays as it was).
std::string WriteFileWhole(const std::string& path, std::string_view bytes);

} // namespace tarvik
