#pragma once

namespace tarvik {

// Natural, temporary and compound relationships of the nine planets (FriendshipTable).
void CalcRelationships();

} // namespace tarvik
