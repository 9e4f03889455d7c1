// VYXMarkupRewire.h: puts the ranges of bookmarks, comments and permissions back in
// step with the boundary runs the body holds for them, after an edit took some away or
// brought copies back.
#pragma once

#include <vector>

class TVYXLogParas;
class TVYXMarkupObject;

// For each object: its boundary runs in the body (cells of nested tables included) are
// chained again in reading order, and its range runs from the first to the last. An
// object with one boundary left is a point there; one with none keeps no place in the
// body (its range names no run). Every object must be alive (held by the document).
void VYXRewireMarkup(TVYXLogParas& body, const std::vector<TVYXMarkupObject*>& objects);

// The objects (bookmarks, comments, permissions) that boundary runs of `list` name.
void VYXMarkupOf(const TVYXLogParas& list, std::vector<TVYXMarkupObject*>& objects);

// Unlinks every boundary run of `list` from the chain it is in (a list taken out of
// the body: the ends it holds are no longer the objects' ends).
void VYXUnlinkMarkup(TVYXLogParas& list);
