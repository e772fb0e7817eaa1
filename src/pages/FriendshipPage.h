#pragma once

// The Maitri page: the natural, temporary and compound friendship of the
// nine planets, Sun to Ketu, one table below the other.

#include <string>
#include <string_view>

namespace tarvik {

// The dictionary key of a relation code ("0" enemy .. "4" great enemy), or
// an empty key for any other code (the diagonal's empty cell among them).
std::string_view FriendshipKey(std::string_view code);

} // namespace tarvik
