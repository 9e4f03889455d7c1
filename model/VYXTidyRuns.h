// VYXTidyRuns.h: the run tidying of the door's edits, for edits beside the door.
#ifndef VYX_MODEL_VYXTIDYRUNS_H
#define VYX_MODEL_VYXTIDYRUNS_H

class TVYXLogPara;

// Merges the neighbouring runs of `para` the way the door's edits leave them: equal
// text runs join, but an empty text run just before a boundary run (a bookmark's,
// comment's or permission's end) stays, since it holds the format typing takes there.
void VYXTidyRuns(TVYXLogPara& para);

#endif
