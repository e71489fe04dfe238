#pragma once
// The operations that keep an archive's name index (NAME.ST1) sorted.
//
// Records 1 to n are the subjects in ascending byte order of their index
// texts; record 0 is a placeholder that is never compared or moved (except in
// TMPR, where a new subject overwrites record 0 because that record is the
// current subject). Equal names are told apart by the birth-record number at
// the end of the text, so a newer subject sorts after an older one of the same
// name.
//
// Each operation reads the whole index, computes the new order in memory and
// replaces the file in one step (SafeReplace.h): if the program dies at any
// moment the file holds either the old index or the new one, never a subject
// twice or missing. Reopen any index file held open across these calls.
// Failures raise IoError naming NAME.ST1.

#include <cstddef>

#include "ArchiveRecords.h"
#include "SubjectArchive.h"

namespace qx {

// Adds a subject at the end of the index (for TMPR: over record 0) and moves it
// down to its sorted place with one descending pass of neighbour exchanges
// over positions last..2. Gives the record's final position (0 in TMPR).
std::size_t insertSorted(const SubjectArchive& archive, const IndexRecord& record);

// Replaces the record at `position` (1..n) by a changed one and moves it to its
// sorted place, comparing whole index texts. Gives its final position.
std::size_t relocateSorted(const SubjectArchive& archive, std::size_t position, const IndexRecord& record);

// Removes the record at `position` (1..n): the later records move down by one
// and the file is one record shorter. NAME.ST2 and NAME.ST3 are not touched.
void removeIndex(const SubjectArchive& archive, std::size_t position);

}  // namespace qx
